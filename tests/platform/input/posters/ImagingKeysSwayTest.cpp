// Imaging keys on a Wayland desktop without uinput (this machine has none): the script picks
// the front application's shortcut, and the helper's key poster types it through the
// compositor's virtual keyboard. Headless sway as in HeadlessSway.h; the front application is
// InputProbe, fullscreen and focused, which reports the key combinations it receives.
#include "platform/desktop/wayland/WaylandConnection.h"
#include "platform/input/keycodes/MacKeyCodes.h"
#include "platform/input/posters/KeyboardEventPosterFactory.h"
#include "platform/input/posters/WaylandVirtualKeyboardEventPoster.h"
#include "platform/input/probe/ReadSession.h"
#include "platform/input/uinput/UinputDevice.h"
#include "platform/system/log/FakeSystemLog.h"
#include "platform/system/script/ProcessScriptRunner.h"
#include "tests/support/HeadlessSway.h"

#include <gtest/gtest.h>

namespace halvane {
namespace {

using namespace std::chrono_literals;

class ImagingKeysOnSway : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!sway_.failure().isEmpty()) GTEST_SKIP() << sway_.failure().toStdString();
    probe_.setProcessEnvironment(sway_.clientEnvironment());
    probe_.start(QStringLiteral(INPUT_PROBE), {QStringLiteral("org.example.Images")});
    ASSERT_TRUE(test::waitUntil([&] { return output().contains("shown 1024 768"); }, 10000ms))
        << output_.toStdString();
    connection_ = WaylandConnection::connect(sway_.waylandDisplay(), 2000ms);
    ASSERT_TRUE(connection_);
  }
  void TearDown() override { test::stopProcess(probe_); }

  const QByteArray& output() {
    output_ += probe_.readAllStandardOutput();
    return output_;
  }

  test::HeadlessSway sway_;
  QProcess probe_;
  QByteArray output_;
  std::shared_ptr<WaylandConnection> connection_;
};

TEST_F(ImagingKeysOnSway, TheScriptsShortcutReachesTheWaylandApplication) {
  QString whyNot;
  auto poster = WaylandVirtualKeyboardEventPoster::create(connection_, &whyNot);
  ASSERT_TRUE(poster) << whyNot.toStdString();

  ScriptFrontApplication front;
  ProcessScriptRunner runner(ProcessScriptRunner::kDefaultTimeoutMs, [&] { return front; });
  // As the controller presses a combination: modifiers down, the key, modifiers up.
  runner.setKeyCombinationHandler([&](int key, int modifiers) {
    struct Modifier {
      int mask;
      quint16 key;
    };
    const Modifier held[] = {{0x0200, kVK_Shift}, {0x1000, kVK_Control}};
    for (const Modifier& m : held)
      if (modifiers & m.mask) poster->postKeyboardEvent(m.key, true);
    poster->postKeyboardEvent(quint16(key), true);
    poster->postKeyboardEvent(quint16(key), false);
    for (const Modifier& m : held)
      if (modifiers & m.mask) poster->postKeyboardEvent(m.key, false);
  });

  struct Case {
    const char* desktopId;
    const char* key;
    const char* param;
    const char* received;
  };
  for (const Case& c : {Case{"org.gimp.GIMP", "Home", "", "key Ctrl+Shift+J"},
                        Case{"org.inkscape.Inkscape", "Home", "", "key 5"}}) {
    front.desktopId = QString::fromLatin1(c.desktopId);
    const qsizetype before = output().count(c.received);
    // The bundle's copy, which has the application table beside it.
    runner.run(QStringLiteral(HALVANE_BUNDLE_DIR "/HalvaneHelper.app/Contents/Resources/Halvane"),
               QStringLiteral("handlemediakey"), QString::fromLatin1(c.key),
               QString::fromLatin1(c.param));
    EXPECT_TRUE(test::waitUntil([&] { return output().count(c.received) > before; }, 3000ms))
        << c.desktopId << ": the application received " << output_.toStdString();
  }
}

// Where uinput cannot be used, the helper picks the compositor's virtual keyboard and says so.
TEST_F(ImagingKeysOnSway, ChosenWhereUinputCannotBeUsed) {
  QProcessEnvironment environment;
  environment.insert(QStringLiteral("WAYLAND_DISPLAY"), sway_.waylandDisplay());
  SessionProbe probe = readSession(environment);
  probe.uinputUnusable = QStringLiteral("no permission on /dev/uinput");
  FakeSystemLog log;
  std::unique_ptr<KeyboardEventPoster> chosen = createKeyboardEventPoster(probe, log);
  EXPECT_NE(dynamic_cast<WaylandVirtualKeyboardEventPoster*>(chosen.get()), nullptr);
  ASSERT_FALSE(log.lines.isEmpty());
  EXPECT_TRUE(log.lines.last().startsWith(
      QLatin1String("Synthetic keys: the Wayland compositor's virtual keyboard")))
      << log.lines.last().toStdString();
}

}  // namespace
}  // namespace halvane
