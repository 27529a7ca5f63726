// Which backends the factories choose when there is no display, and the one line they log.
#include "platform/desktop/frontapp/FrontApplicationWatcherFactory.h"
#include "platform/input/hidevent/HIDEventSystemFactory.h"
#include "platform/input/posters/KeyboardEventPosterFactory.h"
#include "platform/input/uinput/UinputDevice.h"
#include "platform/system/log/FakeSystemLog.h"

#include <gtest/gtest.h>

namespace halvane::test {
namespace {

// Takes the session's display away for one test.
class NoDisplay : public ::testing::Test {
 protected:
  void SetUp() override {
    display_ = qgetenv("DISPLAY");
    wayland_ = qgetenv("WAYLAND_DISPLAY");
    qunsetenv("DISPLAY");
    qunsetenv("WAYLAND_DISPLAY");
  }
  void TearDown() override {
    if (!display_.isEmpty()) qputenv("DISPLAY", display_);
    if (!wayland_.isEmpty()) qputenv("WAYLAND_DISPLAY", wayland_);
  }
  FakeSystemLog log;

 private:
  QByteArray display_, wayland_;
};

TEST_F(NoDisplay, KeyboardEventsFallToUinputOrToTheTraceAlone) {
  std::unique_ptr<KeyboardEventPoster> poster = createKeyboardEventPoster(log);
  ASSERT_TRUE(poster);
  ASSERT_EQ(log.lines.size(), 1);
  const QString line = log.lines.first();
  EXPECT_TRUE(line.contains(QStringLiteral("no XTest: no X display"))) << line.toStdString();
  const QString uinputProblem = UinputDevice::unusableReason();
  if (uinputProblem.isEmpty()) {
    EXPECT_TRUE(line.contains(QStringLiteral("uinput virtual keyboard"))) << line.toStdString();
  } else {
    EXPECT_TRUE(line.contains(QStringLiteral("only traced"))) << line.toStdString();
    EXPECT_TRUE(line.contains(uinputProblem)) << line.toStdString();
  }
  // A key that cannot go anywhere is still accepted.
  poster->postKeyboardEvent(0, true);
  poster->postKeyboardEvent(0, false);
}

TEST_F(NoDisplay, HIDEventsGoToUinputOrAreOnlyTraced) {
  std::unique_ptr<HIDEventSystem> events = createHIDEventSystem(log);
  ASSERT_EQ(log.lines.size(), 1);
  const QString line = log.lines.first();
  const QString uinputProblem = UinputDevice::unusableReason();
  if (uinputProblem.isEmpty()) {
    EXPECT_TRUE(line.contains(QStringLiteral(": uinput"))) << line.toStdString();
  } else {
    EXPECT_TRUE(line.contains(QStringLiteral("traced only"))) << line.toStdString();
    EXPECT_TRUE(line.contains(uinputProblem)) << line.toStdString();
  }
  // Either way the service opens and takes the eject key's events.
  const HIDEventSystem::OpenResult opened = events->open();
  ASSERT_EQ(opened.stage, HIDEventSystem::OpenResult::Stage::Opened);
  EXPECT_NE(opened.connection, 0u);
  NXEventData eject{};
  eject[2] = 8;
  eject[5] = 0x0A;
  eject[6] = 14;
  EXPECT_EQ(events->post(opened.connection, 14, {}, eject, 2, 0, 0), 0);
}

TEST_F(NoDisplay, TheFrontApplicationIsNeverKnown) {
  std::unique_ptr<FrontApplicationWatcher> watcher = createFrontApplicationWatcher(log);
  ASSERT_EQ(log.lines.size(), 1);
  EXPECT_TRUE(log.lines.first().contains(QStringLiteral("DISPLAY is not set")));
  bool called = false;
  watcher->setFrontSwitchedHandler([&] { called = true; });
  EXPECT_EQ(watcher->frontApplication().window, std::nullopt);
  EXPECT_EQ(watcher->frontApplication().names(), QStringList());
  EXPECT_FALSE(called);
}

}  // namespace
}  // namespace halvane::test
