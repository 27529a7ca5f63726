#include "platform/input/keycodes/MacKeyCodes.h"

#include <gtest/gtest.h>

#include <linux/input-event-codes.h>

#include <set>

namespace halvane {
namespace {

TEST(MacKeyCodes, EveryMappedKeyRoundTripsToOneDistinctEvdevKey) {
  std::set<int> evdevCodes;
  int mapped = 0;
  for (int mac = 0; mac < 128; ++mac) {
    const std::optional<int> evdev = evdevForMacKeyCode(mac);
    if (!evdev) continue;
    ++mapped;
    EXPECT_TRUE(evdevCodes.insert(*evdev).second) << "mac " << mac;
    EXPECT_EQ(macKeyCodeForEvdev(*evdev), mac) << "mac " << mac;
  }
  // Letters, digits, punctuation, keypad, F1-F20, navigation, modifiers, volume, JIS keys.
  EXPECT_EQ(mapped, 120);
}

// Keys that print nothing, so the layout tests cannot vouch for them.
TEST(MacKeyCodes, KnownKeysInBothDirections) {
  // clang-format off
  const std::pair<int, int> pairs[] = {
      {kVK_Return, KEY_ENTER},  {kVK_Delete, KEY_BACKSPACE}, {kVK_ForwardDelete, KEY_DELETE},
      {kVK_Help, KEY_INSERT},   {kVK_ISO_Section, KEY_102ND}, {kVK_ANSI_KeypadClear, KEY_NUMLOCK},
      {kVK_ANSI_KeypadEnter, KEY_KPENTER}, {kVK_Command, KEY_LEFTMETA},
      {kVK_RightCommand, KEY_RIGHTMETA},   {kVK_Option, KEY_LEFTALT},
      {kVK_RightOption, KEY_RIGHTALT},     {kVK_RightControl, KEY_RIGHTCTRL},
      {kVK_Function, KEY_FN},   {kVK_F1, KEY_F1},   {kVK_F19, KEY_F19},  {kVK_LeftArrow, KEY_LEFT},
      {kVK_UpArrow, KEY_UP},    {kVK_PageDown, KEY_PAGEDOWN}, {kVK_VolumeUp, KEY_VOLUMEUP},
      {kVK_Mute, KEY_MUTE},
  };
  // clang-format on
  for (const auto& [mac, evdev] : pairs) {
    EXPECT_EQ(evdevForMacKeyCode(mac), evdev) << "mac " << mac;
    EXPECT_EQ(macKeyCodeForEvdev(evdev), mac) << "evdev " << evdev;
  }
}

TEST(MacKeyCodes, PcOnlyKeysReadAsTheAppleKeyInTheirPlace) {
  EXPECT_EQ(macKeyCodeForEvdev(KEY_HELP), kVK_Help);
  EXPECT_EQ(macKeyCodeForEvdev(KEY_SYSRQ), kVK_F13);
  EXPECT_EQ(macKeyCodeForEvdev(KEY_SCROLLLOCK), kVK_F14);
  EXPECT_EQ(macKeyCodeForEvdev(KEY_PAUSE), kVK_F15);
  EXPECT_EQ(evdevForMacKeyCode(kVK_F13), KEY_F13);  // the Apple key keeps its own code
}

TEST(MacKeyCodes, CodesWithoutKeysGiveNothing) {
  for (int mac : {-1, 0x34, 0x42, 0x44, 0x46, 0x4D, 0x6C, 0x70, 0x7F, 128, 0xFFFF}) {
    EXPECT_FALSE(evdevForMacKeyCode(mac)) << "mac " << mac;
  }
  for (int evdev : {-1, KEY_RESERVED, KEY_POWER, KEY_FN + 1, 100000}) {
    EXPECT_FALSE(macKeyCodeForEvdev(evdev)) << "evdev " << evdev;
  }
}

TEST(MacKeyCodes, ModifierKeys) {
  for (int mac : {kVK_Command, kVK_RightCommand, kVK_Shift, kVK_RightShift, kVK_Option,
                  kVK_RightOption, kVK_Control, kVK_RightControl, kVK_CapsLock, kVK_Function}) {
    EXPECT_TRUE(isMacModifierKeyCode(mac)) << mac;
  }
  for (int mac : {kVK_Escape, kVK_F17, kVK_ANSI_A, kVK_Space}) {
    EXPECT_FALSE(isMacModifierKeyCode(mac)) << mac;
  }
}

}  // namespace
}  // namespace halvane
