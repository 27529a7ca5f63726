#include "tests/HalvanePrefPanel/HotKeysLib3/KeyComboTestSupport.h"
#include "tests/support/X11TestSupport.h"

#include "platform/input/keycodes/MacKeyCodes.h"

#include <gtest/gtest.h>

#include <linux/input-event-codes.h>

namespace halvane {
namespace {

class XkbX11Layout : public test::X11Test {
 protected:
  // The session of this test's X display (scripts/with-session's).
  static SessionProbe xSession() {
    SessionProbe probe;
    probe.x11Display = qEnvironmentVariable("DISPLAY");
    return probe;
  }
  static QString translate(const std::shared_ptr<const KeyboardLayout>& layout, int evdev) {
    return layout->newTranslation()->translate(evdev);
  }
};

TEST_F(XkbX11Layout, FollowsTheServersKeymap) {
  auto services = XkbKeyboardLayoutServices::forSystem(xSession());
  ASSERT_TRUE(services->followsXServer());
  const auto us = services->currentLayout();
  ASSERT_TRUE(us);
  EXPECT_EQ(us->localizedName(), "English (US)");
  EXPECT_EQ(translate(us, KEY_A), "a");
  EXPECT_EQ(services->currentLayout(), us);

  ASSERT_TRUE(test::setLayout(QStringLiteral("fr")));
  const auto fr = services->currentLayout();
  ASSERT_TRUE(fr);
  EXPECT_NE(fr, us);
  EXPECT_EQ(fr->localizedName(), "French");
  EXPECT_EQ(translate(fr, KEY_A), "q");
  EXPECT_EQ(services->currentLayout(), fr);
}

TEST_F(XkbX11Layout, ActiveGroupIsTheCurrentLayout) {
  ASSERT_TRUE(test::setLayout(QStringLiteral("us,de"), QStringLiteral("grp:caps_toggle")));
  auto services = XkbKeyboardLayoutServices::forSystem(xSession());
  const auto first = services->currentLayout();
  ASSERT_TRUE(first);
  EXPECT_EQ(first->localizedName(), "English (US)");

  server.tap(KEY_CAPSLOCK + kX11KeyCodeOffset);  // now the next-group key
  const auto second = services->currentLayout();
  ASSERT_TRUE(second);
  EXPECT_NE(second, first);
  EXPECT_EQ(second->localizedName(), "German");
  EXPECT_EQ(translate(second, KEY_Y), "z");
  server.tap(KEY_CAPSLOCK + kX11KeyCodeOffset);
  EXPECT_EQ(services->currentLayout()->localizedName(), "English (US)");
}

TEST_F(XkbX11Layout, CurrentTranslatorIsReplacedWhenTheServerSwitches) {
  HVKeyCodeTranslator::setKeyboardLayoutServices(nullptr);  // the system's services
  const auto us = HVKeyCodeTranslator::currentTranslator();
  ASSERT_TRUE(us);
  EXPECT_EQ(us->translateKeyCode(kVK_ANSI_Z), "z");
  EXPECT_EQ(HVKeyCodeTranslator::currentTranslator(), us);

  ASSERT_TRUE(test::setLayout(QStringLiteral("de")));
  const auto de = HVKeyCodeTranslator::currentTranslator();
  ASSERT_TRUE(de);
  EXPECT_NE(de, us);
  EXPECT_EQ(de->translateKeyCode(kVK_ANSI_Z), "y");
  EXPECT_EQ(de->description(), "HVKeyCodeTranslator layout=German (uchr)");
}

}  // namespace
}  // namespace halvane
