// The real helper on an X display (Xvfb): macros typed into the focused window, profiles that
// follow the application in front. The test plays the window manager.
#include "BusRecorder.h"
#include "shared/control/ControlChannel.h"
#include "shared/settings/SettingsStore.h"
#include "tests/support/HelperHarness.h"
#include "tests/support/XClient.h"

#include <QDBusInterface>
#include <QFileInfo>
#include <QProcess>

#include <xcb/xcb.h>

#include <gtest/gtest.h>

namespace halvane::test {
namespace {

class HelperOnDesktop : public ::testing::Test {
 protected:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
      GTEST_SKIP() << "no X display: run through scripts/with-session";
    wm_ = XClient::connect();
    ASSERT_TRUE(wm_);
    wm_->setCardinal(wm_->root(), "_NET_ACTIVE_WINDOW", XCB_ATOM_WINDOW, XCB_WINDOW_NONE);
    wm_->sync();
    settings_ = settings::read(defaultsPath());
    helper_.setEnvironment(QStringLiteral("DISPLAY"), qEnvironmentVariable("DISPLAY"));
    helper_.setEnvironment(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  }

  void TearDown() override {
    for (QProcess* p : children_) {
      p->kill();
      p->waitForFinished(2000);
      delete p;
    }
  }

  // A running program of its own executable, for a window to name as its process.
  qint64 startProgram(const QString& program, const QStringList& args) {
    auto* p = new QProcess;
    p->start(program, args);
    p->waitForStarted(5000);
    children_.push_back(p);
    return p->processId();
  }

  std::uint32_t windowOf(std::optional<qint64> pid) {
    const std::uint32_t w = wm_->createWindow();
    if (pid) wm_->setCardinal(w, "_NET_WM_PID", XCB_ATOM_CARDINAL, std::uint32_t(*pid));
    return w;
  }

  void bringToFront(std::uint32_t window) {
    wm_->setCardinal(wm_->root(), "_NET_ACTIVE_WINDOW", XCB_ATOM_WINDOW, window);
    wm_->sync();
  }

  bool waitForNotifications(int n) {
    return waitUntil([&] { return recorder_.count("notification") >= n; });
  }

  void start() {
    ASSERT_TRUE(settings::write(settings_, helper_.settingsPath()));
    ASSERT_TRUE(helper_.start());
    ASSERT_TRUE(waitUntil([&] { return recorder_.count("server up") == 1; }));
    ASSERT_TRUE(helper_.waitForTrace([](const QJsonObject& l) {
      return l[QStringLiteral("op")].toString() == QLatin1String("log") &&
             l[QStringLiteral("message")].toString().startsWith(QLatin1String("Front application"));
    }));
    recorder_.events.clear();
  }

  std::unique_ptr<XClient> wm_;
  PrivateBus bus_;
  BusRecorder recorder_{bus_.connection()};
  HelperProcess helper_{bus_.address()};
  PlistValue settings_;
  std::vector<QProcess*> children_;
};

TEST_F(HelperOnDesktop, ProfilesFollowTheApplicationInFront) {
  const QString sleepPath = QFileInfo(QStringLiteral("/bin/sleep")).canonicalFilePath();
  const QString catPath = QFileInfo(QStringLiteral("/bin/cat")).canonicalFilePath();
  settings_["Profiles"].at(3).set("ApplicationPath", sleepPath);
  settings_["Profiles"].at(5).set("ApplicationPath", catPath);
  start();
  const std::uint32_t a =
      windowOf(startProgram(QStringLiteral("/bin/sleep"), {QStringLiteral("60")}));
  const std::uint32_t b = windowOf(startProgram(QStringLiteral("/bin/cat"), {}));
  const std::uint32_t unbound = windowOf(std::nullopt);

  bringToFront(a);
  ASSERT_TRUE(waitForNotifications(1));
  bringToFront(b);  // straight from one bound application to another
  ASSERT_TRUE(waitForNotifications(2));
  bringToFront(unbound);  // back to the profile from before the first
  ASSERT_TRUE(waitForNotifications(3));
  EXPECT_EQ(recorder_.events,
            QStringList({"notification Profile Changed com.halvane.keyboard.pane Index=3",
                         "notification Profile Changed com.halvane.keyboard.pane Index=5",
                         "notification Profile Changed com.halvane.keyboard.pane Index=0"}));

  // A manual switch while a bound application is in front cancels the return.
  bringToFront(a);
  ASSERT_TRUE(waitForNotifications(4));
  QDBusInterface server(QString::fromLatin1(control::kServiceName),
                        QString::fromLatin1(control::kServerPath),
                        QString::fromLatin1(control::kServerInterface), bus_.connection());
  server.call(QStringLiteral("setCurrentProfile"), 2);
  bringToFront(unbound);
  // Once the helper sees the window without a process in front, it has decided about it.
  EXPECT_TRUE(waitUntil([&] {
    const QMap<QString, QString> front = helperFrontApplication(bus_.connection());
    return front.value(QStringLiteral("window")) == QLatin1String("active") &&
           !front.contains(QStringLiteral("pid"));
  }));
  EXPECT_EQ(recorder_.count("notification"), 4);
  EXPECT_EQ(server.call(QStringLiteral("getCurrentProfile")).arguments().value(0).toInt(), 2);
}

TEST_F(HelperOnDesktop, AMacroIsTypedIntoTheFocusedWindow) {
  PlistValue l1 = settings_["Profiles"].at(0)["MacroKeys"].at(0);
  l1.set("ActionType", "ExecuteMacro");
  l1["KeyCombo"].set("keyCode0", 0);  // Shift+A
  l1["KeyCombo"].set("modifiers0", 0x0200);
  VirtualInterface keyboard(helper_.keyboardFolder(), QStringLiteral("1209-4856-0001-0006-x.sock"));
  start();
  ASSERT_TRUE(keyboard.acceptConnection());
  const std::uint32_t window = wm_->createWindow();
  wm_->focus(window);
  wm_->sync();

  ASSERT_TRUE(keyboard.send(QByteArray::fromHex("0000f10000000000")));
  std::vector<XClient::Key> keys;
  while (auto key = wm_->nextKey(3000)) {
    keys.push_back(*key);
    if (keys.size() == 4) break;
  }
  ASSERT_EQ(keys.size(), 4u);
  constexpr std::uint8_t kShift = 50, kA = 38;  // X key codes: evdev + 8
  EXPECT_TRUE(keys[0].press && keys[0].keycode == kShift);
  EXPECT_TRUE(keys[1].press && keys[1].keycode == kA);
  EXPECT_NE(keys[1].state & wm_->modifierMaskOf(kShift), 0) << "A arrives with Shift held";
  EXPECT_TRUE(!keys[2].press && keys[2].keycode == kA);
  EXPECT_TRUE(!keys[3].press && keys[3].keycode == kShift);
}

}  // namespace
}  // namespace halvane::test
