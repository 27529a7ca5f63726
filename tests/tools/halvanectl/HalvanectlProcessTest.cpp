// The halvanectl program as a user runs it: a process of its own, with a temporary home, on a
// private session bus where this test serves a fake helper.
#include "platform/desktop/notification/DBusDistributedNotificationCenter.h"
#include "platform/system/control/DBusServerObject.h"
#include "platform/system/control/FakeKeyboardServer.h"
#include "platform/system/log/FakeSystemLog.h"
#include "shared/control/ControlChannel.h"
#include "shared/control/DiagnosticsServer.h"
#include "shared/settings/SettingsBackups.h"
#include "tests/shared/settings/TransferTestSupport.h"
#include "tests/support/PrivateBus.h"

#include <QDir>
#include <QRegularExpression>
#include <QTranslator>

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <functional>

namespace halvane {
namespace {

using test::PrivateBus;
using test::waitUntil;
using namespace std::chrono_literals;

struct Outcome {
  int status = -1;
  QString out, err;
};

class HalvanectlProcessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(bus.address().isEmpty()) << "dbus-daemon did not start";
    ASSERT_TRUE(home.isValid());
    connection = bus.connect(QStringLiteral("test"));
    ASSERT_TRUE(connection.isConnected());
    ASSERT_TRUE(settings::write(test::customisedSettings(), settingsPath()));
  }

  // The environment halvanectl runs with: this test's bus and home.
  QProcessEnvironment environment() const {
    QProcessEnvironment env = bus.environment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.remove(QStringLiteral("XDG_CONFIG_HOME"));
    env.remove(QStringLiteral("HALVANE_SETTINGS"));
    return env;
  }
  QString settingsPath() const { return settings::settingsPath(environment()); }

  void startHelper() {
    serverObject = std::make_unique<DBusServerObject>(log, connection);
    ASSERT_TRUE(serverObject->registerServer(server));
  }

  void start(QProcess& process, const QStringList& args) {
    process.setProcessEnvironment(environment());
    if (childSetup) process.setChildProcessModifier(childSetup);
    process.start(QStringLiteral(HALVANECTL), args);
    ASSERT_TRUE(process.waitForStarted(5000));
  }

  // Runs halvanectl to its end, serving the fake helper meanwhile.
  Outcome run(const QStringList& args) {
    QProcess process;
    start(process, args);
    Outcome outcome;
    if (!waitUntil([&] { return process.state() == QProcess::NotRunning; }, 10s)) {
      process.kill();
      process.waitForFinished(5000);
      ADD_FAILURE() << "halvanectl did not end";
      return outcome;
    }
    outcome.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    outcome.out = QString::fromUtf8(process.readAllStandardOutput());
    outcome.err = QString::fromUtf8(process.readAllStandardError());
    return outcome;
  }

  PrivateBus bus;
  QTemporaryDir home;
  std::function<void()> childSetup;  // run in halvanectl's process before it starts
  QDBusConnection connection{QString()};
  FakeSystemLog log;
  FakeKeyboardServer server;
  std::unique_ptr<DBusServerObject> serverObject;
};

TEST_F(HalvanectlProcessTest, TalksToTheHelperOverTheBus) {
  startHelper();
  server.currentProfile = 3;
  Outcome o = run({"profile"});
  EXPECT_EQ(o.status, 0) << qPrintable(o.err);
  EXPECT_EQ(o.out, "4 - Games\n");

  o = run({"profile", "8"});
  EXPECT_EQ(o.status, 0) << qPrintable(o.err);
  EXPECT_EQ(o.out, "8 - Profile 8\n");
  EXPECT_EQ(server.currentProfile, 7);

  o = run({"reload"});
  EXPECT_EQ(o.status, 0) << qPrintable(o.err);
  // The switch is confirmed by asking where the helper is afterwards.
  EXPECT_EQ(server.calls, (QStringList{"getCurrentProfile", "setCurrentProfile 7",
                                       "getCurrentProfile", "reloadPrefs"}));

  // import goes to the file, then to the helper.
  const QString file = home.filePath(QStringLiteral("games.plist"));
  ASSERT_EQ(run({"export", "4", file}).status, 0);
  server.calls.clear();
  o = run({"import", "9", file});
  EXPECT_EQ(o.status, 0) << qPrintable(o.err);
  EXPECT_EQ(server.calls, QStringList{"reloadPrefs"});
  EXPECT_EQ(settings::read(settingsPath())["Profiles"].at(8)["Name"].toString(), "Games");
}

TEST_F(HalvanectlProcessTest, RestoreMakesTheRunningHelperReload) {
  // The file as the helper last read it, then an edit that went wrong.
  const QByteArray good = test::fileBytes(settingsPath());
  PlistValue edited = test::customisedSettings();
  edited["Profiles"].at(3).set(QStringLiteral("Name"), QStringLiteral("oops"));
  ASSERT_TRUE(settings::write(edited, settingsPath()));
  ASSERT_TRUE(QFileInfo(settings::backupFolder(settingsPath())).isDir())
      << "backups beside the settings file's folder";

  startHelper();
  Outcome o = run({"backups"});
  EXPECT_EQ(o.status, 0) << qPrintable(o.err);
  EXPECT_TRUE(o.out.contains(QStringLiteral(" 1  "))) << qPrintable(o.out);
  o = run({"restore", "1"});
  EXPECT_EQ(o.status, 0) << qPrintable(o.err);
  EXPECT_EQ(test::fileBytes(settingsPath()), good);
  EXPECT_EQ(server.calls, QStringList{"reloadPrefs"});
}

TEST_F(HalvanectlProcessTest, FindsTheFileWhereTheEnvironmentSaysAndMovesAFormerOne) {
  // The file at the former place moves to the new one, once, and halvanectl says so.
  const QString former = settings::formerSettingsPath(environment());
  ASSERT_TRUE(QDir().mkpath(QFileInfo(former).absolutePath()));
  ASSERT_TRUE(QFile::rename(settingsPath(), former));
  Outcome o = run({"check"});
  EXPECT_EQ(o.status, 0) << qPrintable(o.err);
  EXPECT_EQ(o.out, settingsPath() + ": no problems\n");
  EXPECT_EQ(o.err,
            "halvanectl: Moved the settings file from " + former + " to " + settingsPath() + "\n");
  EXPECT_FALSE(QFile::exists(former));
  o = run({"check"});
  EXPECT_TRUE(o.err.isEmpty()) << qPrintable(o.err);

  // HALVANE_SETTINGS names a file of the user's own.
  const QString mine = home.filePath(QStringLiteral("mine.plist"));
  ASSERT_TRUE(QFile::copy(settingsPath(), mine));
  QProcess process;
  QProcessEnvironment env = environment();
  env.insert(QStringLiteral("HALVANE_SETTINGS"), mine);
  process.setProcessEnvironment(env);
  process.start(QStringLiteral(HALVANECTL), {"check"});
  ASSERT_TRUE(process.waitForFinished(10000));
  EXPECT_EQ(QString::fromUtf8(process.readAllStandardOutput()), mine + ": no problems\n");
}

// halvanectl speaks the desktop's language: its help and doctor in German on a German desktop,
// English on one whose language has no catalogue.
TEST_F(HalvanectlProcessTest, SpeaksTheDesktopsLanguage) {
  QTranslator german;
  ASSERT_TRUE(german.load(QStringLiteral("halvane_de"), QStringLiteral(HALVANE_CATALOGUES)));
  const QString germanUsage = german.translate("Halvanectl", "Usage: %1");
  const QString germanFix = german.translate("Doctor", "fix:");
  ASSERT_FALSE(germanUsage.isEmpty());
  ASSERT_FALSE(germanFix.isEmpty());

  const auto runIn = [&](const char* lang, const QStringList& args) {
    QProcess process;
    QProcessEnvironment env = environment();
    env.insert(QStringLiteral("LANG"), QString::fromLatin1(lang));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(HALVANECTL), args);
    EXPECT_TRUE(process.waitForFinished(10000)) << lang;
    return QString::fromUtf8(process.readAllStandardOutput());
  };
  const QString program = QStringLiteral("halvanectl COMMAND [ARGUMENTS]");
  const struct {
    const char* lang;
    QString usage;
    QString fix;
  } cases[] = {{"de_DE.UTF-8", germanUsage.arg(program), germanFix},
               {"xx_YY.UTF-8", QStringLiteral("Usage: ") + program, QStringLiteral("fix:")},
               {"C.UTF-8", QStringLiteral("Usage: ") + program, QStringLiteral("fix:")}};
  for (const auto& c : cases) {
    EXPECT_TRUE(runIn(c.lang, {"--help"}).startsWith(c.usage)) << c.lang;
    // No helper runs here, so doctor has a fault to fix.
    EXPECT_TRUE(runIn(c.lang, {"doctor"}).contains(QStringLiteral("    ") + c.fix + u' '))
        << c.lang;
  }
}

TEST_F(HalvanectlProcessTest, WithoutAHelper) {
  for (const QStringList& args : {QStringList{"profile"}, {"profile", "2"}, {"reload"}}) {
    const Outcome o = run(args);
    EXPECT_EQ(o.status, 2) << qPrintable(args.join(u' '));
    EXPECT_EQ(o.err, "halvanectl: the Halvane helper is not running\n");
  }
  // The file commands do not need it; import says so and succeeds.
  const QString file = home.filePath(QStringLiteral("p.plist"));
  EXPECT_EQ(run({"export", "4", file}).status, 0);
  const Outcome o = run({"import", "1", file});
  EXPECT_EQ(o.status, 0) << qPrintable(o.err);
  EXPECT_TRUE(o.out.contains("is not running")) << qPrintable(o.out);
}

TEST_F(HalvanectlProcessTest, ImportIntoAHomeWithoutSettingsUsesTheBuiltInDefaults) {
  const QString file = home.filePath(QStringLiteral("p.plist"));
  ASSERT_EQ(run({"export", "4", file}).status, 0);
  ASSERT_TRUE(QFile::remove(settingsPath()));
  const Outcome o = run({"import", "2", file});
  EXPECT_EQ(o.status, 0) << qPrintable(o.err);
  PlistValue expected = test::defaultsTree();
  expected["Profiles"].replace(1, test::customisedSettings()["Profiles"].at(3));
  EXPECT_EQ(settings::read(settingsPath()), expected);
}

TEST_F(HalvanectlProcessTest, WatchPrintsEachProfileChangeUntilInterrupted) {
  QProcess watch;
  start(watch, {"watch"});
  DBusDistributedNotificationCenter helperSide(connection);
  const QString pane = QString::fromLatin1(control::kPaneNotificationIdentifier);
  const QString changed = QString::fromLatin1(control::kProfileChanged);

  // The watcher listens only once it has subscribed: announce until it has heard one.
  const bool heard = waitUntil(
      [&] {
        if (watch.canReadLine()) return true;
        helperSide.postNotification(changed, pane, control::profileChangedUserInfo(2));
        return false;
      },
      10s);
  ASSERT_TRUE(heard) << qPrintable(QString::fromUtf8(watch.readAllStandardError()));
  helperSide.postNotification(changed, pane, control::profileChangedUserInfo(3));
  helperSide.postNotification(QStringLiteral("Other"), pane, control::profileChangedUserInfo(5));
  helperSide.postNotification(changed, pane, control::profileChangedUserInfo(9));

  QStringList lines;
  waitUntil([&] {
    while (watch.canReadLine()) {
      const QString line = QString::fromUtf8(watch.readLine()).trimmed();
      if (line != QStringLiteral("3 - Profile 3")) lines << line;  // the announcements above
    }
    return lines.size() >= 2;
  });
  EXPECT_EQ(lines, (QStringList{"4 - Games", "10 - Profile 10"}));

  ::kill(pid_t(watch.processId()), SIGINT);
  ASSERT_TRUE(waitUntil([&] { return watch.state() == QProcess::NotRunning; }));
  EXPECT_EQ(watch.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(watch.exitCode(), 0);
}

TEST_F(HalvanectlProcessTest, CheckAndArgumentExitStatuses) {
  Outcome o = run({"check"});
  EXPECT_EQ(o.status, 0) << qPrintable(o.out + o.err);

  PlistValue broken = test::customisedSettings();
  broken["Profiles"].removeAt(0);
  const QString brokenFile = home.filePath(QStringLiteral("broken.plist"));
  ASSERT_TRUE(settings::write(broken, brokenFile));
  o = run({"check", brokenFile});
  EXPECT_EQ(o.status, 1);
  EXPECT_TRUE(o.out.startsWith("error: Profiles: 9 profiles, expected 10\n")) << qPrintable(o.out);

  o = run({"check", home.filePath(QStringLiteral("nothing.plist"))});
  EXPECT_EQ(o.status, 2);
  EXPECT_TRUE(o.err.contains("no such file")) << qPrintable(o.err);

  for (const QStringList& args :
       {QStringList{}, {"frobnicate"}, {"profile", "11"}, {"export", "1"}, {"import", "x", "f"}}) {
    o = run(args);
    EXPECT_EQ(o.status, 2) << qPrintable(args.join(u' '));
    EXPECT_TRUE(o.err.startsWith("halvanectl: ")) << qPrintable(o.err);
    EXPECT_TRUE(o.out.isEmpty());
  }

  o = run({"--help"});
  EXPECT_EQ(o.status, 0);
  EXPECT_TRUE(o.out.startsWith("Usage: halvanectl COMMAND")) << qPrintable(o.out);
}

// Whatever the settings path is, every command that reads it answers at once and says why it
// cannot: no wait on a FIFO, no endless read of /dev/zero, nothing written through.
TEST_F(HalvanectlProcessTest, SpecialSettingsPathsAreRefusedAtOnceWithTheirReason) {
  const QString path = settingsPath();
  const QString exported = home.filePath(QStringLiteral("p.plist"));
  ASSERT_TRUE(run({"export", "2", exported}).status == 0);
  const struct {
    const char* name;
    std::function<bool()> make;
    QString reason;
  } cases[] = {
      {"a link to /dev/zero", [&] { return QFile::link(QStringLiteral("/dev/zero"), path); },
       "a character device, not a regular file"},
      {"a FIFO", [&] { return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0; },
       "a FIFO, not a regular file"},
      {"a folder", [&] { return QDir().mkdir(path); }, "a folder, not a regular file"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QFile::remove(path);
    QDir().rmdir(path);
    ASSERT_TRUE(c.make());
    Outcome o = run({"check"});
    EXPECT_EQ(o.status, 2);
    EXPECT_EQ(o.err, "halvanectl: cannot read " + path + ": " + c.reason + "\n");
    o = run({"import", "1", exported});
    EXPECT_EQ(o.status, 2);
    EXPECT_EQ(o.err, "halvanectl: cannot read the settings file " + path + ": " + c.reason +
                         "; nothing was changed\n");
    o = run({"export", "1", home.filePath(QStringLiteral("out.plist"))});
    EXPECT_EQ(o.status, 2);
    EXPECT_TRUE(o.err.contains(c.reason)) << qPrintable(o.err);
    o = run({"doctor"});
    EXPECT_TRUE(o.out.contains("cannot be read (" + c.reason + ")")) << qPrintable(o.out);
  }
  QFile::remove(path);
  QDir().rmdir(path);
}

// A disk that fills up during an export: the system's reason, not the words of the cancelled
// write. A file size limit stands in for the full disk; both fail the same write call.
TEST_F(HalvanectlProcessTest, AFailedExportSaysTheSystemsReason) {
  childSetup = [] {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{512, 512};
    ::setrlimit(RLIMIT_FSIZE, &limit);
  };
  const QString file = home.filePath(QStringLiteral("out.plist"));
  const Outcome o = run({"export", "1", file});
  EXPECT_EQ(o.status, 2);
  EXPECT_EQ(o.err, "halvanectl: cannot write " + file + ": " +
                       QString::fromLocal8Bit(strerror(EFBIG)) + "\n");
  EXPECT_FALSE(QFileInfo::exists(file));
}

// doctor over the bus: the helper's Backends answer reaches the report. The rest of the report
// describes this machine, so only the helper's lines are compared.
TEST_F(HalvanectlProcessTest, DoctorReadsTheHelpersBackends) {
  struct Diagnostics : DiagnosticsServer {
    Report frontApplication() override { return {}; }
    Report backends() override {
      return {
          {"keyEvents", "XTest on X display :7"},
          {"hidEvents", "traced only, /dev/uinput is missing"},
          {"frontApplication", "x11, _NET_ACTIVE_WINDOW; not gnome-shell: not a Wayland session"},
          {"overlay", "always-on-top X11 window"},
          {"pointer", "XTest on X display :7"},
          {"text", "xtest, characters outside the layout through spare key codes"},
          {"version", "1.0.0"}};
    }
    Report settingsLoad() override { return {}; }
    void setFrontApplicationChangedHandler(std::function<void(const Report&)>) override {}
  } diagnostics;
  DBusServerObject helper(log, connection);  // ends before diagnostics
  helper.setDiagnostics(&diagnostics);
  ASSERT_TRUE(helper.registerServer(server));

  const Outcome o = run({"doctor"});
  EXPECT_EQ(o.status, 1) << "HID events only traced keep media keys from working\n"
                         << qPrintable(o.out);
  for (const char* line :
       {"\n✔ Helper: running, version 1.0.0\n", "\n✔ Synthetic keys: XTest on X display :7\n",
        "\n✘ HID events: traced only, /dev/uinput is missing\n    fix: make /dev/uinput writable",
        "\n✔ Front application: x11, _NET_ACTIVE_WINDOW; not gnome-shell: not a Wayland session\n",
        "\n✔ Overlay: always-on-top X11 window\n",
        "\n✔ Mouse buttons and wheel: XTest on X display :7\n",
        "\n✔ Text steps: xtest, characters outside the layout through spare key codes\n"})
    EXPECT_TRUE(o.out.contains(QString::fromUtf8(line))) << line << "\n" << qPrintable(o.out);
}

// What scripts/run prints before it starts the helper: on GNOME under Wayland without our
// extension, the copy of the extension this build made; elsewhere nothing.
TEST_F(HalvanectlProcessTest, DesktopHintNamesTheBuildsExtension) {
  auto hint = [&](const char* desktop) {
    QProcess process;
    QProcessEnvironment env = environment();
    env.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
    env.insert(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("wayland-9"));
    env.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QString::fromLatin1(desktop));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("XDG_DATA_DIRS"), home.filePath(QStringLiteral("none")));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(HALVANECTL), {"doctor", "--desktop-hint"});
    EXPECT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitCode(), 0);
    return QString::fromUtf8(process.readAllStandardOutput());
  };
  const QString gnome = hint("GNOME");
  static const QRegularExpression copy(QStringLiteral("cp -r (\\S+) (\\S+)/\n"));
  const QRegularExpressionMatch m = copy.match(gnome);
  ASSERT_TRUE(m.hasMatch()) << qPrintable(gnome);
  EXPECT_TRUE(
      m.captured(1).startsWith(QStringLiteral(HALVANE_BINARY_DIR "/share/gnome-shell-extension-")));
  EXPECT_TRUE(QFileInfo::exists(m.captured(1) + QStringLiteral("/extension.js")))
      << qPrintable(m.captured(1));
  EXPECT_EQ(m.captured(2), QStringLiteral("~/data/gnome-shell/extensions"));
  EXPECT_TRUE(
      gnome.contains(QStringLiteral("gnome-extensions enable halvane-keyboard@halvane.com\n")));
  EXPECT_EQ(hint("sway"), QString());
}

}  // namespace
}  // namespace halvane
