// The real helper and halvanectl where a session goes wrong around them: a second helper started
// in the same session, standard error into a pipe nobody reads, a switch to a profile the file
// does not hold, a reload of a file that cannot be read.
#include "shared/control/ControlChannel.h"
#include "shared/settings/SettingsStore.h"
#include "tests/support/HelperHarness.h"

#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusReply>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

#include <csignal>

#include <fcntl.h>
#include <unistd.h>

namespace halvane::test {
namespace {

struct Ctl {
  int status = -1;
  QString out, err;
};

class SessionFaults : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(bus_.address().isEmpty()); }

  // The defaults with L1 typing A, trimmed to profiles profiles.
  void writeSettings(int profiles = 10) {
    PlistValue tree = settings::read(defaultsPath());
    ASSERT_TRUE(tree.isDictionary());
    PlistValue kept = PlistValue::array();
    for (int p = 0; p < profiles; ++p) kept.append(tree[QStringLiteral("Profiles")].at(p));
    tree.set(QStringLiteral("Profiles"), kept);
    tree.set(QStringLiteral("CurrentProfile"), 0);
    PlistValue l1 = kept.at(0)[QStringLiteral("MacroKeys")].at(0);
    l1.set(QStringLiteral("ActionType"), QStringLiteral("ExecuteMacro"));
    PlistValue combo = l1[QStringLiteral("KeyCombo")];
    for (int step = 0; step < 8; ++step) {
      combo.set(QStringLiteral("keyCode%1").arg(step), step == 0 ? 0 : -1);
      combo.set(QStringLiteral("modifiers%1").arg(step), step == 0 ? 0 : -1);
      combo.set(QStringLiteral("delay%1").arg(step), 0);
    }
    ASSERT_TRUE(settings::write(tree, helper_.settingsPath()));
  }

  bool startHelper() {
    if (!helper_.start()) return false;
    return waitUntil([this] { return serverUp(); }, 10s);
  }

  bool serverUp() {
    const QDBusReply<bool> up = bus_.connection().interface()->isServiceRegistered(
        QString::fromLatin1(control::kServiceName));
    return up.isValid() && up.value();
  }

  QDBusInterface server() {
    return QDBusInterface(QString::fromLatin1(control::kServiceName),
                          QString::fromLatin1(control::kServerPath),
                          QString::fromLatin1(control::kServerInterface), bus_.connection());
  }

  // halvanectl in the helper's session.
  Ctl halvanectl(const QStringList& args) {
    QProcess process;
    QProcessEnvironment env = bus_.environment();
    env.insert(QStringLiteral("HALVANE_SETTINGS"), helper_.settingsPath());
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(HALVANECTL), args);
    Ctl ctl;
    if (!process.waitForFinished(10000)) return ctl;
    ctl.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    ctl.out = QString::fromUtf8(process.readAllStandardOutput());
    ctl.err = QString::fromUtf8(process.readAllStandardError());
    return ctl;
  }

  size_t keyEvents(const HelperProcess& helper, int keyCode) const {
    size_t n = 0;
    for (const QJsonObject& l : helper.trace())
      if (l["op"].toString() == QLatin1String("keyboardEvent") && l["keyCode"].toInt() == keyCode &&
          l["down"].toBool())
        ++n;
    return n;
  }

  PrivateBus bus_;
  HelperProcess helper_{bus_.address()};
};

// A login item and a user unit, or a user starting it twice: the second helper leaves at once,
// opening no keyboard and writing nothing, so a macro plays once and the first helper's profile
// is what stays stored.
TEST_F(SessionFaults, ASecondHelperInTheSessionLeavesTheKeyboardToTheFirst) {
  writeSettings();
  VirtualInterface keys(helper_.keyboardFolder(), QStringLiteral("1209-4856-0001-0006-one.sock"));
  ASSERT_TRUE(startHelper());
  ASSERT_TRUE(keys.acceptConnection(10s));
  const QByteArray fileBefore = [&] {
    QFile f(helper_.settingsPath());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }();

  // The same session: same runtime folder, home, bus and settings; a trace of its own.
  HelperProcess second(bus_.address());
  second.setEnvironment(QStringLiteral("HOME"), helper_.home());
  second.setEnvironment(QStringLiteral("XDG_RUNTIME_DIR"), helper_.runtimeDir());
  second.setEnvironment(QStringLiteral("XDG_CONFIG_HOME"),
                        helper_.home() + QStringLiteral("/.config"));
  ASSERT_TRUE(second.start());
  ASSERT_TRUE(second.waitForExit(1000ms)) << "the second helper is still running";
  EXPECT_EQ(second.exitCode(), 0);
  const QString said = QString::fromUtf8(second.standardError());
  EXPECT_TRUE(said.contains(QStringLiteral("already running in this session"))) << qPrintable(said);
  EXPECT_TRUE(said.contains(QStringLiteral("pid %1").arg(helper_.pid()))) << qPrintable(said);
  EXPECT_TRUE(second.trace().empty()) << "the second helper acted";

  const size_t before = keyEvents(helper_, 0);
  ASSERT_TRUE(keys.send(QByteArray::fromHex("0000f10000000000")));
  ASSERT_TRUE(keys.send(QByteArray::fromHex("0000000000000000")));
  ASSERT_TRUE(helper_.waitForTrace([](const QJsonObject& l) {
    return l["op"].toString() == QLatin1String("keyboardEvent") && l["keyCode"].toInt() == 0 &&
           !l["down"].toBool();
  }));
  EXPECT_EQ(keyEvents(helper_, 0) - before, 1u);
  ASSERT_TRUE(server().call(QStringLiteral("setCurrentProfile"), 2).type() !=
              QDBusMessage::ErrorMessage);

  QFile after(helper_.settingsPath());
  ASSERT_TRUE(after.open(QIODevice::ReadOnly));
  EXPECT_EQ(after.readAll(), fileBefore) << "the second helper wrote the settings file";
  EXPECT_EQ(helper_.terminate(), 0);
  EXPECT_EQ(settings::read(helper_.settingsPath())[QStringLiteral("CurrentProfile")].intValue(), 2);

  // Once the first has gone, a helper starts normally again.
  ASSERT_TRUE(second.start());
  EXPECT_TRUE(waitUntil([this] { return serverUp(); }, 10s));
  EXPECT_EQ(second.terminate(), 0);
}

// A closed terminal or a finished log reader: the helper's log lines go into a broken pipe.
TEST_F(SessionFaults, AHelperWhoseLogReaderHasGoneKeepsRunning) {
  writeSettings();
  int fds[2];
  ASSERT_EQ(::pipe2(fds, O_CLOEXEC), 0);
  ::close(fds[0]);  // nobody will read
  QProcess process;
  // In the child only: its standard error becomes the pipe's write end.
  process.setChildProcessModifier([out = fds[1]] { ::dup2(out, STDERR_FILENO); });
  QProcessEnvironment env = bus_.environment();
  env.insert(QStringLiteral("HOME"), helper_.home());
  env.insert(QStringLiteral("XDG_RUNTIME_DIR"), helper_.runtimeDir());
  env.insert(QStringLiteral("XDG_CONFIG_HOME"), helper_.home() + QStringLiteral("/.config"));
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  env.remove(QStringLiteral("DISPLAY"));
  env.remove(QStringLiteral("WAYLAND_DISPLAY"));
  process.setProcessEnvironment(env);
  process.start(helperExecutable(), {});
  const bool started = process.waitForStarted(5000);
  ::close(fds[1]);
  ASSERT_TRUE(started);

  // Start-up alone logs several lines; a reload logs more.
  ASSERT_TRUE(waitUntil([this] { return serverUp(); }, 10s))
      << "the helper died at its first log line";
  EXPECT_TRUE(server().call(QStringLiteral("reloadPrefs")).type() != QDBusMessage::ErrorMessage);
  EXPECT_EQ(process.state(), QProcess::Running);
  ::kill(pid_t(process.processId()), SIGTERM);
  ASSERT_TRUE(process.waitForFinished(5000));
  EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(process.exitCode(), 0);
}

// halvanectl tells what really happened, not what it asked for.
TEST_F(SessionFaults, HalvanectlSaysWhenTheHelperDidNotDoWhatItAsked) {
  writeSettings(3);
  ASSERT_TRUE(startHelper());

  const Ctl missing = halvanectl({QStringLiteral("profile"), QStringLiteral("7")});
  EXPECT_EQ(missing.status, 1);
  EXPECT_TRUE(missing.out.isEmpty()) << qPrintable(missing.out);
  EXPECT_TRUE(missing.err.contains(QStringLiteral("stayed on profile 1")) &&
              missing.err.contains(QStringLiteral("holds only 3 profiles")))
      << qPrintable(missing.err);

  const Ctl present = halvanectl({QStringLiteral("profile"), QStringLiteral("3")});
  EXPECT_EQ(present.status, 0) << qPrintable(present.err);
  EXPECT_TRUE(present.out.startsWith(QStringLiteral("3 - "))) << qPrintable(present.out);

  // A file that no longer reads: the helper sets it aside and says so; reload passes that on.
  {
    QFile broken(helper_.settingsPath());
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write("<?xml version=\"1.0\"?><plist><dict><key>Profiles</key>");
  }
  const Ctl reload = halvanectl({QStringLiteral("reload")});
  EXPECT_EQ(reload.status, 1);
  EXPECT_TRUE(reload.err.contains(QStringLiteral("could not be read"))) << qPrintable(reload.err);
  // Read cleanly again (the defaults replaced it): nothing more to say.
  EXPECT_EQ(halvanectl({QStringLiteral("reload")}).status, 0);
  EXPECT_EQ(helper_.terminate(), 0);
}

// Escape sequences in a stored name reach the terminal as text, never as commands.
TEST_F(SessionFaults, NamesFromTheFileCannotDriveTheTerminal) {
  PlistValue tree = settings::read(defaultsPath());
  ASSERT_TRUE(tree.isDictionary());
  tree[QStringLiteral("Profiles")].at(0).set(
      QStringLiteral("Name"), QStringLiteral("\x1b]0;pwned\x07Red\x1b[2J\u202Eevil"));
  tree.set(QStringLiteral("CurrentProfile"), 0);
  ASSERT_TRUE(settings::write(tree, helper_.settingsPath()));
  ASSERT_TRUE(startHelper());
  const Ctl shown = halvanectl({QStringLiteral("profile")});
  EXPECT_EQ(shown.status, 0);
  EXPECT_EQ(shown.out, QStringLiteral("1 - \\e]0;pwned\\x07Red\\e[2J\\u{202e}evil\n"));
  EXPECT_EQ(helper_.terminate(), 0);
}

}  // namespace
}  // namespace halvane::test
