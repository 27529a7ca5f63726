// Keys posted through XTest, as an X client with the focus receives them.
#include "platform/input/keycodes/MacKeyCodes.h"
#include "platform/input/posters/XTestKeyboardEventPoster.h"
#include "tests/support/XClient.h"

#include <linux/input-event-codes.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace halvane::test {
namespace {

constexpr std::uint8_t x11(int evdev) {
  return std::uint8_t(evdev + kX11KeyCodeOffset);
}

class XTestPoster : public ::testing::Test {
 protected:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
      GTEST_SKIP() << "no X display: run through scripts/with-session";
    client = XClient::connect();
    ASSERT_TRUE(client) << "cannot connect to X display " << qgetenv("DISPLAY").toStdString();
    client->focus(client->createWindow());
    QString why;
    poster = XTestKeyboardEventPoster::connect(&why);
    ASSERT_TRUE(poster) << why.toStdString();
  }

  // Posts (virtual key, down) pairs and reads back as many key events as expected.
  std::vector<XClient::Key> play(const std::vector<std::pair<int, bool>>& events, size_t expected) {
    for (auto [key, down] : events) poster->postKeyboardEvent(quint16(key), down);
    std::vector<XClient::Key> got;
    while (got.size() < expected) {
      const std::optional<XClient::Key> key = client->nextKey(3000);
      if (!key) break;
      got.push_back(*key);
    }
    return got;
  }

  std::unique_ptr<XClient> client;
  std::unique_ptr<XTestKeyboardEventPoster> poster;
};

void expectKeys(const std::vector<XClient::Key>& got, const std::vector<XClient::Key>& want) {
  ASSERT_EQ(got.size(), want.size());
  for (size_t i = 0; i < want.size(); ++i) {
    EXPECT_EQ(got[i].press, want[i].press) << "event " << i;
    EXPECT_EQ(got[i].keycode, want[i].keycode) << "event " << i;
    EXPECT_EQ(got[i].state, want[i].state) << "event " << i;
  }
}

TEST_F(XTestPoster, AMacroArrivesInOrderWithItsModifiersHeld) {
  const std::uint16_t shift = client->modifierMaskOf(x11(KEY_LEFTSHIFT));
  const std::uint16_t super = client->modifierMaskOf(x11(KEY_LEFTMETA));
  ASSERT_NE(shift, 0);
  ASSERT_NE(super, 0);
  ASSERT_NE(super, shift);
  // Command-Shift-A as a macro step plays it; 0x34 has no key and must leave no trace.
  const auto got = play({{kVK_Shift, true},
                         {kVK_Command, true},
                         {0x34, true},
                         {kVK_ANSI_A, true},
                         {kVK_ANSI_A, false},
                         {0x34, false},
                         {kVK_Command, false},
                         {kVK_Shift, false}},
                        6);
  // An event's state is the modifiers held before it.
  expectKeys(got, {{true, x11(KEY_LEFTSHIFT), 0},
                   {true, x11(KEY_LEFTMETA), shift},
                   {true, x11(KEY_A), std::uint16_t(shift | super)},
                   {false, x11(KEY_A), std::uint16_t(shift | super)},
                   {false, x11(KEY_LEFTMETA), std::uint16_t(shift | super)},
                   {false, x11(KEY_LEFTSHIFT), shift}});
}

TEST_F(XTestPoster, OptionIsAltAndControlIsCtrl) {
  const std::uint16_t alt = client->modifierMaskOf(x11(KEY_LEFTALT));
  const std::uint16_t ctrl = client->modifierMaskOf(x11(KEY_LEFTCTRL));
  ASSERT_NE(alt, 0);
  ASSERT_NE(ctrl, 0);
  const auto got = play({{kVK_Control, true},
                         {kVK_Option, true},
                         {kVK_ANSI_Z, true},
                         {kVK_ANSI_Z, false},
                         {kVK_Option, false},
                         {kVK_Control, false}},
                        6);
  expectKeys(got, {{true, x11(KEY_LEFTCTRL), 0},
                   {true, x11(KEY_LEFTALT), ctrl},
                   {true, x11(KEY_Z), std::uint16_t(ctrl | alt)},
                   {false, x11(KEY_Z), std::uint16_t(ctrl | alt)},
                   {false, x11(KEY_LEFTALT), std::uint16_t(ctrl | alt)},
                   {false, x11(KEY_LEFTCTRL), ctrl}});
}

TEST_F(XTestPoster, KeysStillHeldAreReleasedWhenThePosterGoes) {
  const auto pressed = play({{kVK_Shift, true}, {kVK_ANSI_S, true}}, 2);
  ASSERT_EQ(pressed.size(), 2u);
  poster.reset();
  std::vector<std::uint8_t> released;
  while (const std::optional<XClient::Key> key =
             client->nextKey(released.size() < 2 ? 3000 : 200)) {
    EXPECT_FALSE(key->press);
    released.push_back(key->keycode);
  }
  std::sort(released.begin(), released.end());
  EXPECT_EQ(released, (std::vector<std::uint8_t>{x11(KEY_S), x11(KEY_LEFTSHIFT)}));  // sorted
}

TEST(XTestPosterConnect, AnUnreachableDisplayGivesNoPosterAndSaysWhy) {
  QString why;
  EXPECT_FALSE(XTestKeyboardEventPoster::connect(&why, ":987"));
  EXPECT_TRUE(why.contains(QStringLiteral(":987"))) << why.toStdString();
}

}  // namespace
}  // namespace halvane::test
