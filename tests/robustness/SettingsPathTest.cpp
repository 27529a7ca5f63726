// Settings paths a user or a dotfile manager may leave behind: a link to /dev/zero, a FIFO, a
// folder, a link into another folder. The real helper and the real pane start on them at once,
// neither read without end nor block, and never rename or write through anything that is not a
// regular file; a link to a regular file is still a link after either program wrote it.
#include "shared/control/ControlChannel.h"
#include "shared/plist/PlistFile.h"
#include "shared/settings/SettingsStore.h"
#include "tests/support/HelperHarness.h"

#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusReply>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace halvane::test {
namespace {

const QString kPaneBundle = QStringLiteral(HALVANE_BUNDLE_DIR "/HalvanePrefPanel.prefPane");
const QString kPaneApplyLoop = QStringLiteral(HALVANE_PANE_APPLY_LOOP);

// One odd thing at the settings path: how to make it, and what the programs say about it.
struct OddPath {
  const char* name;
  std::function<bool(const QString& path)> make;
  const char* reason;
};

const std::vector<OddPath>& oddPaths() {
  static const std::vector<OddPath> paths = {
      {"a link to /dev/zero",
       [](const QString& p) { return QFile::link(QStringLiteral("/dev/zero"), p); },
       "a character device, not a regular file"},
      {"a FIFO",
       [](const QString& p) { return ::mkfifo(QFile::encodeName(p).constData(), 0600) == 0; },
       "a FIFO, not a regular file"},
      {"a folder", [](const QString& p) { return QDir().mkdir(p); },
       "a folder, not a regular file"},
  };
  return paths;
}

// The kind of thing at path, links not followed: what must not change.
mode_t kindAt(const QString& path) {
  struct stat st {};
  return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? (st.st_mode & S_IFMT) : 0;
}

class RobustnessSettingsPath : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(bus_.address().isEmpty()) << "dbus-daemon could not be started";
  }

  bool serverRegistered() {
    return bus_.connection()
        .interface()
        ->isServiceRegistered(QString::fromLatin1(control::kServiceName))
        .value();
  }

  // Starts the helper and waits until it serves the bus; it has nothing large to read.
  ::testing::AssertionResult startHelper(HelperProcess& helper) {
    if (!helper.start()) return ::testing::AssertionFailure() << "the helper did not start";
    if (!waitUntil([&] { return serverRegistered(); }, 10s))
      return ::testing::AssertionFailure() << "the helper never offered its server; output: "
                                           << helper.standardOutput().toStdString();
    return ::testing::AssertionSuccess();
  }

  // Runs the pane as halvane-preferences hosts it, clicking Apply once, with home's settings.
  ::testing::AssertionResult applyInPane(const QString& home, QByteArray* output) {
    QTemporaryDir runtime;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus_.address());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.remove(QStringLiteral("HALVANE_SETTINGS"));
    QProcess pane;
    pane.setProcessEnvironment(environment);
    pane.start(kPaneApplyLoop, {kPaneBundle, QStringLiteral("1")});
    const bool ended = pane.waitForFinished(20000);
    *output = pane.readAllStandardOutput() + pane.readAllStandardError();
    if (!ended) {
      pane.kill();
      pane.waitForFinished();
      return ::testing::AssertionFailure()
             << "the pane did not finish; output: " << output->toStdString();
    }
    if (pane.exitCode() != 0 || !output->contains("done"))
      return ::testing::AssertionFailure() << "the pane failed: " << output->toStdString();
    return ::testing::AssertionSuccess();
  }

  PrivateBus bus_;
};

// Whether the helper logged a line holding text (its log reaches the trace as "log" lines).
bool logged(const HelperProcess& helper, const QString& text) {
  for (const QJsonObject& line : helper.trace())
    if (line[QStringLiteral("op")].toString() == QLatin1String("log") &&
        line[QStringLiteral("message")].toString().contains(text))
      return true;
  return false;
}

QString logOf(const HelperProcess& helper) {
  QStringList lines;
  for (const QJsonObject& line : helper.trace())
    if (line[QStringLiteral("op")].toString() == QLatin1String("log"))
      lines << line[QStringLiteral("message")].toString();
  return lines.join(u'\n');
}

TEST_F(RobustnessSettingsPath, NoSpecialFileHangsAProgramOrIsReplaced) {
  for (const OddPath& odd : oddPaths()) {
    SCOPED_TRACE(odd.name);
    HelperProcess helper(bus_.address());
    const QString path = helper.settingsPath();
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
    ASSERT_TRUE(odd.make(path));
    const mode_t kind = kindAt(path);

    ASSERT_TRUE(startHelper(helper));
    EXPECT_TRUE(logged(
        helper,
        QStringLiteral("is %1; using the default settings without saving them").arg(odd.reason)))
        << qPrintable(logOf(helper));
    EXPECT_EQ(helper.terminate(), std::optional<int>(0));
    // Quitting is refused its write, and says why.
    EXPECT_TRUE(logged(
        helper,
        QStringLiteral("Could not store the current profile in %1: %2").arg(path, odd.reason)))
        << qPrintable(logOf(helper));

    QByteArray paneOutput;
    EXPECT_TRUE(applyInPane(helper.home(), &paneOutput));
    EXPECT_EQ(kindAt(path), kind) << "the path is still what the user made";
    EXPECT_EQ(QDir(QFileInfo(path).absolutePath())
                  .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
              QStringList{QFileInfo(path).fileName()})
        << "nothing was set aside, created or backed up beside it";
    if (odd.name == std::string("a link to /dev/zero")) {
      EXPECT_EQ(QFileInfo(path).symLinkTarget(), "/dev/zero");
    }
  }
}

TEST_F(RobustnessSettingsPath, ALinkedSettingsFileStaysALinkAfterTheHelperAndThePaneWroteIt) {
  HelperProcess helper(bus_.address());
  const QString path = helper.settingsPath();
  QTemporaryDir dotfiles;
  const QString target = dotfiles.filePath(QStringLiteral("halvane.plist"));
  PlistValue tree = settings::read(defaultsPath());
  tree.set(QStringLiteral("CurrentProfile"), 3);
  tree.set(QStringLiteral("ShowChangesOnScreen"), false);
  ASSERT_TRUE(settings::write(tree, target));
  ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
  ASSERT_TRUE(QFile::link(target, path));

  ASSERT_TRUE(startHelper(helper));
  QDBusInterface server(QString::fromLatin1(control::kServiceName),
                        QString::fromLatin1(control::kServerPath),
                        QString::fromLatin1(control::kServerInterface), bus_.connection());
  const QDBusReply<int> current = server.call(QStringLiteral("getCurrentProfile"));
  EXPECT_EQ(current.value(), 3) << "the linked file was read";
  ASSERT_NE(server.call(QStringLiteral("setCurrentProfile"), 6).type(), QDBusMessage::ErrorMessage);
  ASSERT_TRUE(waitUntil([&] {
    return QDBusReply<int>(server.call(QStringLiteral("getCurrentProfile"))).value() == 6;
  }));
  EXPECT_EQ(helper.terminate(), std::optional<int>(0));
  EXPECT_EQ(QFileInfo(path).symLinkTarget(), target)
      << "still a link after the helper stored its profile";
  EXPECT_EQ(settings::read(target)[QStringLiteral("CurrentProfile")].intValue(), 6);

  QByteArray paneOutput;
  ASSERT_TRUE(applyInPane(helper.home(), &paneOutput));
  EXPECT_EQ(QFileInfo(path).symLinkTarget(), target) << "still a link after the pane's Apply";
  EXPECT_TRUE(settings::read(target)[QStringLiteral("ShowChangesOnScreen")].toBool())
      << "Apply wrote the target";
  EXPECT_EQ(QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files | QDir::System),
            QStringList{QFileInfo(path).fileName()})
      << "no file was put beside the link";
}

}  // namespace
}  // namespace halvane::test
