// The Debian package in a clean system of this machine's release: apt installs it with its
// dependencies from the package registry into a root that has nothing else, and there the
// files are in place, the programs run as an ordinary user, an upgrade keeps the user's
// settings and a purge leaves nothing behind. The cases run in order in one process, on one
// root (ctest runs the program as one test).
#include "shared/plist/PlistFile.h"
#include "shared/plist/PlistValue.h"
#include "tests/packaging/RootSystem.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

#include <memory>

namespace halvane::test {
namespace {

const QString kVersion = QStringLiteral(HALVANE_PROJECT_VERSION);
// This machine's release and scripts/package's folder, unless scripts/package-release names
// another release and its package.
QString setting(const char* variable, const QString& fallback) {
  const QString value = qEnvironmentVariable(variable);
  return value.isEmpty() ? fallback : value;
}
const QString kRelease = setting("HALVANE_ROOT_RELEASE", QStringLiteral(HALVANE_HOST_RELEASE));
const QString kPackages =
    setting("HALVANE_ROOT_PACKAGES", QStringLiteral(HALVANE_BINARY_DIR "/packages"));
const QString kSettings = QStringLiteral("/home/player/.config/halvane/com.halvane.keyboard.plist");

// Files and folders that apt, dpkg and the system's own caches keep for themselves, and the
// user's home (the package never touches it); the rest of the root must be as before.
bool isBookkeeping(const QString& file) {
  static const QRegularExpression own(
      QStringLiteral("^/(var/lib/(dpkg|apt|systemd/deb-systemd-user-helper-enabled)|var/cache/"
                     "(apt|debconf|ldconfig|man)|"
                     "var/log|tmp|home|etc/ld\\.so\\.cache$)"));
  return own.match(file).hasMatch();
}

QByteArray fileHash(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex();
}

// The user's files: the settings file and every backup of it, by name, with their contents.
QMap<QString, QByteArray> userFiles(const RootSystem& root) {
  QMap<QString, QByteArray> files;
  const QDir config(root.path(QStringLiteral("/home/player/.config/halvane")));
  files[QStringLiteral("settings")] =
      fileHash(config.filePath(QStringLiteral("com.halvane.keyboard.plist")));
  for (const QString& backup :
       QDir(config.filePath(QStringLiteral("backups"))).entryList(QDir::Files))
    files[backup] = fileHash(config.filePath(QStringLiteral("backups/") + backup));
  return files;
}

class CleanRoot : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const QStringList debs =
        QDir(kPackages).entryList({QStringLiteral("halvane_%1_*.deb").arg(kVersion)});
    if (debs.size() != 1) {
      skip_ =
          new QString(QStringLiteral("no package in %1: scripts/package builds it").arg(kPackages));
      return;
    }
    deb_ = new QString(kPackages + u'/' + debs.first());
    QString error;
    root_ = RootSystem::make(kRelease, &error).release();
    if (!root_) {
      skip_ = new QString(error);
      return;
    }
    // The tests' own tools come first, so that the purge is compared with a root that has
    // them: a private session bus to run the programs on, and man (no dependency of the
    // package; where it is installed, the package's pages must work).
    install_ = new RootSystem::Result(root_->run(QStringLiteral(
        "apt-get update -qq && apt-get install -y -q --no-install-recommends dbus-daemon man-db")));
    if (install_->status != 0) return;
    before_ = new QStringList(root_->files());
    QFile::copy(*deb_, root_->path(QStringLiteral("/tmp/halvane.deb")));
    // The package's dependencies alone: recommended packages bring systemd, which apt never
    // removes again, so the purge could not be judged.
    *install_ = root_->run(
        QStringLiteral("apt-get install -y -q --no-install-recommends /tmp/halvane.deb"));
  }
  static void TearDownTestSuite() {
    delete root_;
    delete skip_;
    delete deb_;
    delete before_;
    delete install_;
  }
  void SetUp() override {
    if (skip_) GTEST_SKIP() << qPrintable(*skip_);
    ASSERT_EQ(install_->status, 0) << qPrintable(install_->output);
  }

  static RootSystem& root() { return *root_; }

  // Starts the helper as the user on a private session bus, lets a virtual keyboard press L1,
  // then asks the helper for its profile; the output ends with the trace's key events.
  static RootSystem::Result pressL1() {
    return root().runAsUser(QStringLiteral(
        "rm -f trace.jsonl; dbus-run-session -- sh -c '"
        "HALVANE_TRACE=$HOME/trace.jsonl halvane-helper > helper.log 2>&1 & helper=$!; "
        "printf \"wait-connected 20000\\npress L1\\nrelease\\nwait 1000\\nquit\\n\" | "
        "halvane-vkbd; "
        "vkbd=$?; halvanectl profile; ctl=$?; kill $helper; wait $helper; "
        "echo \"vkbd $vkbd ctl $ctl uid $(id -u)\"'; grep keyboardEvent trace.jsonl"));
  }

  static inline RootSystem* root_ = nullptr;
  static inline QString* skip_ = nullptr;
  static inline QString* deb_ = nullptr;
  static inline QStringList* before_ = nullptr;
  static inline RootSystem::Result* install_ = nullptr;
};

TEST_F(CleanRoot, EveryFileIsWhereTheLayoutSays) {
  const char* files[] = {
      "/usr/bin/halvane-helper",
      "/usr/bin/halvane-preferences",
      "/usr/bin/halvanectl",
      "/usr/bin/halvane-vkbd",
      "/usr/lib/halvane/HalvaneHelper.app/Contents/MacOS/HalvaneHelper",
      "/usr/lib/halvane/HalvaneHelper.app/Contents/Resources/defaults.plist",
      "/usr/lib/halvane/HalvaneHelper.app/Contents/Resources/Halvane",
      "/usr/lib/halvane/HalvanePrefPanel.prefPane/Contents/MacOS/HalvanePrefPanel.so",
      "/usr/lib/halvane/HalvanePrefPanel.prefPane/Contents/Resources/HVKeyCodes.plist",
      "/usr/lib/halvane/HalvanePrefPanel.prefPane/Contents/Resources/translations/halvane_ar.qm",
      "/usr/lib/halvane/HalvaneHelper.app/Contents/Resources/translations/halvane_de.qm",
      "/usr/share/halvane/translations/halvane_pt_BR.qm",
      "/usr/lib/udev/rules.d/70-halvane.rules",
      "/usr/lib/udev/hwdb.d/70-halvane.hwdb",
      "/usr/lib/systemd/user/halvane-helper.service",
      "/usr/share/applications/com.halvane.keyboard.desktop",
      "/usr/share/icons/hicolor/scalable/apps/halvane-preferences.svg",
      "/usr/share/metainfo/com.halvane.keyboard.metainfo.xml",
      "/usr/share/gnome-shell/extensions/halvane-keyboard@halvane.com/metadata.json",
      "/usr/share/gnome-shell/extensions/halvane-keyboard@halvane.com/extension.js",
      "/usr/share/halvane/kwin/halvane-keyboard.js",
      "/usr/share/man/man1/halvanectl.1.gz",
      "/usr/share/man/man1/halvane-helper.1.gz",
      "/usr/share/man/man1/halvane-preferences.1.gz",
      "/usr/share/man/man1/halvane-vkbd.1.gz",
      "/usr/share/bash-completion/completions/halvanectl",
      "/usr/share/zsh/vendor-completions/_halvanectl",
      "/usr/share/fish/vendor_completions.d/halvanectl.fish",
  };
  for (const char* file : files)
    EXPECT_TRUE(QFileInfo::exists(root().path(QString::fromLatin1(file)))) << file;
  // Enabled for every user: the helper starts at the next graphical login. (The link names the
  // unit by its path inside the root.)
  const QFileInfo enabled(root().path(
      QStringLiteral("/etc/systemd/user/graphical-session.target.wants/halvane-helper.service")));
  EXPECT_TRUE(enabled.isSymLink());
  // deb-systemd-helper names it by /lib, which is /usr/lib on a merged system.
  EXPECT_TRUE(
      enabled.symLinkTarget().endsWith(QStringLiteral("lib/systemd/user/halvane-helper.service")))
      << qPrintable(enabled.symLinkTarget());
  const RootSystem::Result unit = root().run(QStringLiteral(
      "grep -x 'ExecStart=/usr/bin/halvane-helper' /usr/lib/systemd/user/halvane-helper.service"));
  EXPECT_EQ(unit.status, 0) << qPrintable(unit.output);
}

TEST_F(CleanRoot, EveryProgramPrintsTheVersion) {
  const RootSystem::Result versions =
      root().runAsUser(QStringLiteral("for p in halvanectl halvane-helper halvane-preferences "
                                      "halvane-vkbd; do $p --version; done"));
  EXPECT_EQ(
      versions.output,
      QStringLiteral("halvanectl %1\nhalvane-helper %1\nhalvane-preferences %1\nhalvane-vkbd %1\n")
          .arg(kVersion));
}

TEST_F(CleanRoot, TheHelperTypesAMacroForAnOrdinaryUser) {
  // The defaults, with L1 of the first profile typing H (key code 4).
  PlistValue tree = readPlistFile(root().path(
      QStringLiteral("/usr/lib/halvane/HalvaneHelper.app/Contents/Resources/defaults.plist")));
  ASSERT_TRUE(tree.isDictionary());
  PlistValue key = tree[QStringLiteral("Profiles")].at(0)[QStringLiteral("MacroKeys")].at(0);
  key.set(QStringLiteral("ActionType"), QStringLiteral("ExecuteMacro"));
  key[QStringLiteral("KeyCombo")].set(QStringLiteral("keyCode0"), 4);
  key[QStringLiteral("KeyCombo")].set(QStringLiteral("modifiers0"), 0);
  tree[QStringLiteral("Profiles")].at(0).set(QStringLiteral("Name"), QStringLiteral("Typing"));
  ASSERT_TRUE(QDir().mkpath(root().path(QStringLiteral("/home/player/.config/halvane"))));
  ASSERT_TRUE(writePlistFileAtomically(root().path(kSettings), tree));
  ASSERT_EQ(root().run(QStringLiteral("chown -R 1000:1000 /home/player")).status, 0);

  const RootSystem::Result pressed = pressL1();
  EXPECT_TRUE(pressed.output.contains(QStringLiteral("1 - Typing\n")))
      << qPrintable(pressed.output);
  EXPECT_TRUE(pressed.output.contains(QStringLiteral("vkbd 0 ctl 0 uid 1000\n")))
      << qPrintable(pressed.output);
  EXPECT_TRUE(pressed.output.contains(
      QStringLiteral("{\"op\":\"keyboardEvent\",\"keyCode\":4,\"down\":true")))
      << qPrintable(pressed.output);
  EXPECT_TRUE(pressed.output.contains(
      QStringLiteral("{\"op\":\"keyboardEvent\",\"keyCode\":4,\"down\":false")))
      << qPrintable(pressed.output);
}

TEST_F(CleanRoot, DoctorNamesWhatThisSystemLacks) {
  const RootSystem::Result doctor =
      root().runAsUser(QStringLiteral("dbus-run-session -- halvanectl doctor"));
  // Found problems (1), not unable to run (2): a chroot has no keyboard, no udev and no desktop.
  EXPECT_EQ(doctor.status, 1) << qPrintable(doctor.output);
  EXPECT_GE(doctor.output.count(u'\n'), 5) << qPrintable(doctor.output);
  EXPECT_TRUE(doctor.output.contains(QStringLiteral("uinput"))) << qPrintable(doctor.output);
}

TEST_F(CleanRoot, ManShowsThePagesWhereManDbIsInstalled) {
  const RootSystem::Result page =
      root().runAsUser(QStringLiteral("MANPAGER=cat man halvanectl 2>&1"));
  EXPECT_EQ(page.status, 0) << qPrintable(page.output);
  EXPECT_TRUE(
      page.output.contains(QStringLiteral("command-line client of the Halvane keyboard helper")))
      << qPrintable(page.output);
}

TEST_F(CleanRoot, AnUpgradeKeepsTheUsersSettingsAndBackups) {
  // The same package with a higher version, as the next release would be.
  const RootSystem::Result repack = root().run(
      QStringLiteral("rm -rf /tmp/next && dpkg-deb -R /tmp/halvane.deb /tmp/next && "
                     "sed -i 's/^Version: .*/Version: %1+next1/' /tmp/next/DEBIAN/control && "
                     "dpkg-deb -b /tmp/next /tmp/halvane-next.deb >/dev/null")
          .arg(kVersion));
  ASSERT_EQ(repack.status, 0) << qPrintable(repack.output);
  // Backups made by halvanectl itself, so the user has some.
  const RootSystem::Result backups = root().runAsUser(
      QStringLiteral("halvanectl export 1 /tmp/p.plist && halvanectl import 2 /tmp/p.plist && "
                     "halvanectl import 3 /tmp/p.plist && halvanectl backups"));
  ASSERT_EQ(backups.status, 0) << qPrintable(backups.output);
  const QMap<QString, QByteArray> before = userFiles(root());
  EXPECT_GE(before.size(), 3) << qPrintable(backups.output);

  const RootSystem::Result upgrade = root().run(QStringLiteral(
      "apt-get install -y -q /tmp/halvane-next.deb && dpkg-query -W -f='${Version}' halvane"));
  ASSERT_EQ(upgrade.status, 0) << qPrintable(upgrade.output);
  EXPECT_TRUE(upgrade.output.endsWith(kVersion + QStringLiteral("+next1")))
      << qPrintable(upgrade.output);
  EXPECT_EQ(userFiles(root()), before);
  // The upgraded helper starts and works; what it writes at quitting is its own business.
  const RootSystem::Result pressed = pressL1();
  EXPECT_TRUE(pressed.output.contains(QStringLiteral("vkbd 0 ctl 0 uid 1000\n")))
      << qPrintable(pressed.output);
}

// Every path that an installed package owns, as dpkg lists them.
QSet<QString> ownedByInstalledPackages(const RootSystem& root) {
  QSet<QString> owned;
  const QDir info(root.path(QStringLiteral("/var/lib/dpkg/info")));
  for (const QString& list : info.entryList({QStringLiteral("*.list")})) {
    QFile file(info.filePath(list));
    if (!file.open(QIODevice::ReadOnly)) continue;
    for (const QByteArray& line : file.readAll().split('\n')) owned.insert(QString::fromUtf8(line));
  }
  return owned;
}

TEST_F(CleanRoot, APurgeLeavesNothingOfThePackage) {
  const RootSystem::Result files = root().run(QStringLiteral("dpkg-query -L halvane"));
  ASSERT_EQ(files.status, 0) << qPrintable(files.output);
  const RootSystem::Result purge =
      root().run(QStringLiteral("apt-get purge -y -q --autoremove halvane"));
  ASSERT_EQ(purge.status, 0) << qPrintable(purge.output);
  // Nothing new is left but what packages still installed own: apt keeps a dependency that
  // another package recommends (libidn2 for the C library on Debian 13), which is apt's choice.
  const QSet<QString> owned = ownedByInstalledPackages(root());
  QStringList left;
  for (const QString& file : root().files())
    if (!isBookkeeping(file) && !before_->contains(file) && !owned.contains(file)) left << file;
  EXPECT_EQ(left, QStringList()) << qPrintable(left.join(u'\n'));
  // And of the package's own files, only the folders that were there before.
  QStringList kept;
  for (const QString& file : files.output.split(u'\n', Qt::SkipEmptyParts))
    if (file != QStringLiteral("/.") && QFileInfo::exists(root().path(file)) &&
        !before_->contains(file))
      kept << file;
  EXPECT_EQ(kept, QStringList()) << qPrintable(kept.join(u'\n'));
  // And the user's own files are still there.
  EXPECT_TRUE(QFileInfo::exists(root().path(kSettings)));
}

}  // namespace
}  // namespace halvane::test
