// Key texts on a Wayland session without XWayland: the layout comes from the seat's keymap.
// Headless sway as in HeadlessSway.h (no XWayland, WLR_LIBINPUT_NO_DEVICES=1), then
//   swaymsg input '*' xkb_layout <layout>
// Such a sway has no input devices, so its seat announces no keyboard and hands out no keymap:
// the test plugs in a keyboard through sway's virtual-keyboard protocol so that the seat has
// one. The virtual keyboard brings a US keymap of its own; the layout set afterwards replaces
// it, as sway's input configuration does for any keyboard, so the German keymap the helper
// sees can only have come from the compositor.
#include "HVKeyCodeTranslator.h"
#include "HVKeyCombo.h"

#include "platform/desktop/wayland/WaylandConnection.h"
#include "platform/input/keyboardlayout/XkbKeyboardLayoutServices.h"
#include "platform/system/log/FakeSystemLog.h"
#include "shared/plist/PlistFile.h"
#include "tests/support/HeadlessSway.h"
#include "tests/support/VirtualInput.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace halvane {
namespace {

using namespace std::chrono_literals;
using Source = XkbKeyboardLayoutServices::Source;

class SeatKeymapTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!sway_.failure().isEmpty()) GTEST_SKIP() << sway_.failure().toStdString();
    typist_ = connect();
    helper_ = connect();
    ASSERT_TRUE(typist_ && helper_);
    HVKeyCombo::setKeyCodesDictionaryLoader([] {
      return readPlistFile(
          QStringLiteral(HALVANE_SOURCE_DIR "/HalvanePrefPanel/resources/HVKeyCodes.plist"));
    });
  }
  void TearDown() override {
    HVKeyCodeTranslator::setKeyboardLayoutServices(nullptr);
    HVKeyCombo::setKeyCodesDictionaryLoader({});
  }

  // The helper's session: sway's seat on its own connection and, where asked, sway's socket. Only
  // the seat may name the layout: no X server to fall back on.
  SessionProbe session(bool withSwaySocket = false) {
    SessionProbe probe;
    probe.waylandDisplay = sway_.waylandDisplay();
    probe.wayland = helper_;
    if (withSwaySocket) probe.swaySocket = sway_.swaySocket();
    return probe;
  }

  std::shared_ptr<WaylandConnection> connect() {
    return WaylandConnection::connect(sway_.waylandDisplay(), 2000ms);
  }

  bool setLayout(const char* layout) {
    return sway_.message({QStringLiteral("input"), QStringLiteral("*"),
                          QStringLiteral("xkb_layout"), QString::fromLatin1(layout)});
  }

  QString keyText(KeyboardLayoutServices& services, int macKeyCode) {
    HVKeyCodeTranslator::setKeyboardLayoutServices(&services);
    return HVKeyCombo::stringForKeyCode(qint16(macKeyCode));
  }

  test::HeadlessSway sway_;
  std::shared_ptr<WaylandConnection> typist_, helper_;
  FakeSystemLog log_;
};

constexpr int kKeyY = 16;  // the key a US keyboard labels Y, a German one Z

// The configured layout reaches the helper's connection, and a later change follows.
TEST_F(SeatKeymapTest, KeyTextsFollowTheSeatsLayout) {
  auto keyboard = test::VirtualKeyboard::create(typist_);
  ASSERT_TRUE(keyboard) << "sway refused a virtual keyboard";
  ASSERT_TRUE(setLayout("de"));

  auto services = XkbKeyboardLayoutServices::forSystem(session(), &log_);
  EXPECT_EQ(services->source(), Source::WaylandSeat);
  ASSERT_TRUE(services->currentLayout());
  EXPECT_EQ(services->currentLayout()->localizedName(), "German");
  EXPECT_EQ(keyText(*services, kKeyY), "Z");
  EXPECT_TRUE(
      log_.lines.contains(QStringLiteral("Keyboard layout: the Wayland seat's keymap (German)")))
      << log_.lines.join(u'\n').toStdString();

  struct Case {
    const char* layout;
    const char* name;
    const char* text;
  };
  for (const Case& c :
       {Case{"us", "English (US)", "Y"}, Case{"fr", "French", "Y"}, Case{"de", "German", "Z"}}) {
    ASSERT_TRUE(setLayout(c.layout));
    // The new keymap comes as an event, read by the connection on the event loop.
    test::waitUntil(
        [&] {
          const auto layout = services->currentLayout();
          return layout && layout->localizedName() == c.name;
        },
        2000ms);
    ASSERT_TRUE(services->currentLayout()) << c.layout;
    EXPECT_EQ(services->currentLayout()->localizedName(), c.name);
    EXPECT_EQ(keyText(*services, kKeyY), c.text) << c.layout;
  }
}

// With two layouts, a switch shows although the helper's connection has no focus (so the
// compositor sends it no group): sway tells its active layout over its IPC socket.
TEST_F(SeatKeymapTest, LayoutSwitchesFollowSway) {
  auto keyboard = test::VirtualKeyboard::create(typist_);
  ASSERT_TRUE(keyboard);
  ASSERT_TRUE(setLayout("\"us,de\""));  // quoted: sway separates commands by commas
  auto services = XkbKeyboardLayoutServices::forSystem(session(true), &log_);
  struct Case {
    const char* switchTo;
    const char* name;
    const char* text;
  };
  for (const Case& c :
       {Case{"0", "English (US)", "Y"}, Case{"1", "German", "Z"}, Case{"0", "English (US)", "Y"}}) {
    ASSERT_TRUE(
        sway_.message({QStringLiteral("input"), QStringLiteral("*"),
                       QStringLiteral("xkb_switch_layout"), QString::fromLatin1(c.switchTo)}));
    ASSERT_TRUE(services->currentLayout());
    EXPECT_EQ(services->currentLayout()->localizedName(), c.name) << c.switchTo;
    EXPECT_EQ(keyText(*services, kKeyY), c.text) << c.switchTo;
  }
}

// Without a keyboard on the seat, the environment names the layout, and the log says why.
TEST_F(SeatKeymapTest, WithoutASeatKeyboardTheEnvironment) {
  setenv("XKB_DEFAULT_LAYOUT", "de", 1);
  auto services = XkbKeyboardLayoutServices::forSystem(session(), &log_);
  unsetenv("XKB_DEFAULT_LAYOUT");
  EXPECT_EQ(services->source(), Source::Environment);
  EXPECT_EQ(keyText(*services, kKeyY), "Z");
  EXPECT_TRUE(log_.lines.contains(QStringLiteral(
      "Keyboard layout: de from the environment (no keyboard on the Wayland seat; no X server)")))
      << log_.lines.join(u'\n').toStdString();

  // A keyboard plugged in later takes over.
  ASSERT_TRUE(setLayout("us"));
  auto keyboard = test::VirtualKeyboard::create(typist_);
  ASSERT_TRUE(keyboard);
  EXPECT_TRUE(test::waitUntil([&] { return services->source() == Source::WaylandSeat; }, 2000ms));
  EXPECT_EQ(keyText(*services, kKeyY), "Y");
}

}  // namespace
}  // namespace halvane
