// The test plays the window manager: it sets _NET_ACTIVE_WINDOW on the root window to windows
// that name (or do not name) their process, and reads what the watcher reports.
#include "platform/frontapp/XcbFrontApplicationWatcher.h"
#include "tests/desktop/XClient.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <xcb/xcb.h>

#include <unistd.h>

#include <gtest/gtest.h>

namespace halvane::test {
namespace {

class FrontApplication : public ::testing::Test {
 protected:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("DISPLAY")) GTEST_SKIP() << "no X display: run through scripts/with-session";
    wm = XClient::connect();
    ASSERT_TRUE(wm) << "cannot connect to X display " << qgetenv("DISPLAY").toStdString();
    activate(XCB_WINDOW_NONE);
    QString why;
    watcher = XcbFrontApplicationWatcher::connect(&why);
    ASSERT_TRUE(watcher) << why.toStdString();
    watcher->setFrontSwitchedHandler([this] { ++switches; });
  }

  std::uint32_t windowOf(std::optional<std::uint32_t> pid, QByteArray machine = {}) {
    const std::uint32_t window = wm->createWindow();
    if (pid) wm->setCardinal(window, "_NET_WM_PID", XCB_ATOM_CARDINAL, *pid);
    if (!machine.isEmpty()) wm->setString(window, "WM_CLIENT_MACHINE", machine);
    return window;
  }
  void activate(std::uint32_t window) {
    wm->setCardinal(wm->root(), "_NET_ACTIVE_WINDOW", XCB_ATOM_WINDOW, window);
  }
  // Activates the window and waits until the watcher has reported the switch count given.
  bool activateAndWait(std::uint32_t window, int expectedSwitches) {
    activate(window);
    return QTest::qWaitFor([&] { return switches >= expectedSwitches; }, 3000) &&
           switches == expectedSwitches;
  }

  std::unique_ptr<XClient> wm;
  std::unique_ptr<XcbFrontApplicationWatcher> watcher;
  int switches = 0;
};

QString ownExecutable() { return QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath(); }

TEST_F(FrontApplication, ReportsEachNewProcessInFrontWithItsExecutable) {
  const std::uint32_t self = std::uint32_t(getpid());
  const std::uint32_t mine = windowOf(self);
  const std::uint32_t mineToo = windowOf(self);
  const std::uint32_t anonymous = windowOf(std::nullopt);
  const std::uint32_t remote = windowOf(self, "elsewhere.invalid");

  QProcess sleeper;
  sleeper.start(QStringLiteral("sleep"), {QStringLiteral("60")});
  ASSERT_TRUE(sleeper.waitForStarted());
  const std::uint32_t other = windowOf(std::uint32_t(sleeper.processId()));
  const QString sleepPath = QFileInfo(QStandardPaths::findExecutable(QStringLiteral("sleep"))).canonicalFilePath();

  ASSERT_TRUE(activateAndWait(mine, 1));
  EXPECT_EQ(watcher->frontApplicationPath(), ownExecutable());
  // Another window of the same process is no switch: the next one is counted alone.
  activate(mineToo);
  ASSERT_TRUE(activateAndWait(anonymous, 2));
  EXPECT_EQ(watcher->frontApplicationPath(), std::nullopt);
  ASSERT_TRUE(activateAndWait(other, 3));
  EXPECT_EQ(watcher->frontApplicationPath(), sleepPath);
  // A process id from another machine names no local program.
  ASSERT_TRUE(activateAndWait(remote, 4));
  EXPECT_EQ(watcher->frontApplicationPath(), std::nullopt);
  ASSERT_TRUE(activateAndWait(XCB_WINDOW_NONE, 5));
  EXPECT_EQ(watcher->frontApplicationPath(), std::nullopt);

  // A process that has gone leaves nothing to name.
  sleeper.kill();
  sleeper.waitForFinished();
  ASSERT_TRUE(activateAndWait(other, 6));
  EXPECT_EQ(watcher->frontApplicationPath(), std::nullopt);
}

TEST_F(FrontApplication, TheProcessInFrontAtStartIsNoSwitchAndTheLocalMachineIsLocal) {
  char host[256] = {};
  ASSERT_EQ(gethostname(host, sizeof(host) - 1), 0);
  const std::uint32_t self = std::uint32_t(getpid());
  const std::uint32_t local = windowOf(self, QByteArray(host) + ".some.domain");
  const std::uint32_t anonymous = windowOf(std::nullopt);
  ASSERT_TRUE(activateAndWait(local, 1));
  EXPECT_EQ(watcher->frontApplicationPath(), ownExecutable());

  // A watcher started now takes the current front as known: activating it again says nothing.
  XcbFrontApplicationWatcher::connect(nullptr).swap(watcher);
  switches = 0;
  watcher->setFrontSwitchedHandler([this] { ++switches; });
  activate(local);
  ASSERT_TRUE(activateAndWait(anonymous, 1));
}

TEST(ExecutablePathOfProcess, IsTheRealPathOrNothing) {
  EXPECT_EQ(executablePathOfProcess(getpid()), ownExecutable());
  EXPECT_EQ(executablePathOfProcess(0), std::nullopt);
  EXPECT_EQ(executablePathOfProcess(-1), std::nullopt);
  QProcess gone;
  gone.start(QStringLiteral("sleep"), {QStringLiteral("60")});
  ASSERT_TRUE(gone.waitForStarted());
  const qint64 pid = gone.processId();
  gone.kill();
  ASSERT_TRUE(gone.waitForFinished());
  EXPECT_EQ(executablePathOfProcess(pid), std::nullopt);
}

}  // namespace
}  // namespace halvane::test
