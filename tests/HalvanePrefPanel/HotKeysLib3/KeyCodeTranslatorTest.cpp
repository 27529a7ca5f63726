#include "tests/HalvanePrefPanel/HotKeysLib3/KeyComboTestSupport.h"

#include "platform/input/keyboardlayout/FakeKeyboardLayoutServices.h"
#include "platform/input/keycodes/MacKeyCodes.h"

#include <gtest/gtest.h>

#include <linux/input-event-codes.h>

#include <cstdlib>

namespace halvane {
namespace {

using test::ScopedLayoutServices;
using test::xkbLayout;

// The characters of a layout's keys, in the order of the mac key codes given.
QString typed(HVKeyCodeTranslator& translator, std::initializer_list<int> macKeyCodes) {
  QString text;
  for (int code : macKeyCodes) text += translator.translateKeyCode(qint16(code));
  return text;
}

std::shared_ptr<HVKeyCodeTranslator> translatorFor(const char* layout) {
  auto services = xkbLayout(layout);
  return HVKeyCodeTranslator::withKeyboardLayout(services->currentLayout());
}

TEST(KeyCodeTranslatorXkb, UsLayoutMatchesTheKeyCodeTable) {
  const auto us = translatorFor("us");
  ASSERT_TRUE(us);
  EXPECT_EQ(typed(*us, {kVK_ANSI_Q, kVK_ANSI_W, kVK_ANSI_E, kVK_ANSI_R, kVK_ANSI_T, kVK_ANSI_Y,
                        kVK_ANSI_U, kVK_ANSI_I, kVK_ANSI_O, kVK_ANSI_P, kVK_ANSI_LeftBracket,
                        kVK_ANSI_RightBracket, kVK_ANSI_Backslash}),
            "qwertyuiop[]\\");
  EXPECT_EQ(typed(*us, {kVK_ANSI_A, kVK_ANSI_S, kVK_ANSI_D, kVK_ANSI_F, kVK_ANSI_G, kVK_ANSI_H,
                        kVK_ANSI_J, kVK_ANSI_K, kVK_ANSI_L, kVK_ANSI_Semicolon, kVK_ANSI_Quote}),
            "asdfghjkl;'");
  EXPECT_EQ(typed(*us, {kVK_ANSI_Z, kVK_ANSI_X, kVK_ANSI_C, kVK_ANSI_V, kVK_ANSI_B, kVK_ANSI_N,
                        kVK_ANSI_M, kVK_ANSI_Comma, kVK_ANSI_Period, kVK_ANSI_Slash}),
            "zxcvbnm,./");
  EXPECT_EQ(typed(*us, {kVK_ANSI_Grave, kVK_ANSI_1, kVK_ANSI_2, kVK_ANSI_3, kVK_ANSI_4, kVK_ANSI_5,
                        kVK_ANSI_6, kVK_ANSI_7, kVK_ANSI_8, kVK_ANSI_9, kVK_ANSI_0, kVK_ANSI_Minus,
                        kVK_ANSI_Equal}),
            "`1234567890-=");
  // The keypad types digits, as an Apple keypad always does.
  EXPECT_EQ(typed(*us, {kVK_ANSI_Keypad0, kVK_ANSI_Keypad1, kVK_ANSI_Keypad2, kVK_ANSI_Keypad3,
                        kVK_ANSI_Keypad4, kVK_ANSI_Keypad5, kVK_ANSI_Keypad6, kVK_ANSI_Keypad7,
                        kVK_ANSI_Keypad8, kVK_ANSI_Keypad9, kVK_ANSI_KeypadDecimal,
                        kVK_ANSI_KeypadMultiply, kVK_ANSI_KeypadPlus, kVK_ANSI_KeypadMinus,
                        kVK_ANSI_KeypadDivide}),
            "0123456789.*+-/");
}

TEST(KeyCodeTranslatorXkb, KeysThatPrintNothingGiveTheEmptyText) {
  const auto us = translatorFor("us");
  ASSERT_TRUE(us);
  for (int code : std::initializer_list<int>{kVK_Return, kVK_Tab, kVK_Escape, kVK_Delete,
                                             kVK_ForwardDelete, kVK_LeftArrow, kVK_F1, kVK_Command,
                                             kVK_Shift, kVK_VolumeUp, 0x34, 200, -1}) {
    EXPECT_EQ(us->translateKeyCode(qint16(code)), QString()) << "mac " << code;
  }
}

TEST(KeyCodeTranslatorXkb, NationalLayoutsMoveLetters) {
  const auto fr = translatorFor("fr");
  const auto de = translatorFor("de");
  ASSERT_TRUE(fr && de);
  EXPECT_EQ(typed(*fr, {kVK_ANSI_A, kVK_ANSI_Q, kVK_ANSI_W, kVK_ANSI_Z, kVK_ANSI_M, kVK_ANSI_1}),
            "qazw,&");
  EXPECT_EQ(typed(*de, {kVK_ANSI_A, kVK_ANSI_Y, kVK_ANSI_Z, kVK_ANSI_Minus, kVK_ANSI_Semicolon}),
            "azyßö");
}

TEST(KeyCodeTranslatorXkb, DeadKeyShowsItsAccentAndCombinesWithTheNextKey) {
  const auto de = translatorFor("de");
  ASSERT_TRUE(de);
  EXPECT_EQ(de->translateKeyCode(kVK_ANSI_Grave), "^");
  EXPECT_EQ(de->translateKeyCode(kVK_ANSI_E), QStringLiteral("ê"));
  EXPECT_EQ(de->translateKeyCode(kVK_ANSI_E), "e");  // the pending accent was used up

  EXPECT_EQ(de->translateKeyCode(kVK_ANSI_Equal), QStringLiteral("´"));
  EXPECT_EQ(de->translateKeyCode(kVK_ANSI_Q), "q");  // no combination: the key's own letter
  EXPECT_EQ(de->translateKeyCode(kVK_ANSI_Q), "q");

  // Each translator keeps its own state.
  EXPECT_EQ(de->translateKeyCode(kVK_ANSI_Grave), "^");
  EXPECT_EQ(translatorFor("de")->translateKeyCode(kVK_ANSI_E), "e");
}

TEST(KeyCodeTranslatorXkb, DescriptionNamesTheLayout) {
  EXPECT_EQ(translatorFor("de")->description(), "HVKeyCodeTranslator layout=German (uchr)");
  EXPECT_EQ(translatorFor("us")->description(), "HVKeyCodeTranslator layout=English (US) (uchr)");
}

TEST(KeyCodeTranslatorXkb, UnknownLayoutNamesNoLayout) {
  auto services = xkbLayout("no-such-layout");
  EXPECT_EQ(services->currentLayout(), nullptr);
  EXPECT_EQ(HVKeyCodeTranslator::withKeyboardLayout(nullptr), nullptr);
}

// Without an X server (a session with no display) the layout comes from the environment, and
// "us" without that.
class KeyCodeTranslatorSystem : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : kVariables) {
      const char* value = std::getenv(name);
      saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
      unsetenv(name);
    }
  }
  void TearDown() override {
    for (const auto& [name, value] : saved_) {
      if (value)
        setenv(name, value->c_str(), 1);
      else
        unsetenv(name);
    }
  }
  static constexpr const char* kVariables[] = {"XKB_DEFAULT_RULES", "XKB_DEFAULT_MODEL",
                                               "XKB_DEFAULT_LAYOUT", "XKB_DEFAULT_VARIANT",
                                               "XKB_DEFAULT_OPTIONS"};
  std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

TEST_F(KeyCodeTranslatorSystem, EnvironmentLayoutElseUs) {
  auto plain = XkbKeyboardLayoutServices::forSystem(SessionProbe());
  EXPECT_FALSE(plain->followsXServer());
  ASSERT_TRUE(plain->currentLayout());
  EXPECT_EQ(plain->currentLayout()->localizedName(), "English (US)");

  setenv("XKB_DEFAULT_LAYOUT", "fr", 1);
  auto french = XkbKeyboardLayoutServices::forSystem(SessionProbe());
  ASSERT_TRUE(french->currentLayout());
  EXPECT_EQ(french->currentLayout()->localizedName(), "French");
  EXPECT_EQ(french->currentLayout(), french->currentLayout());
}

class TranslatorCache : public ::testing::Test {
 protected:
  TranslatorCache() {
    layouts.addLayout(QStringLiteral("us"), {{KEY_A, QStringLiteral("a")}});
    layouts.addLayout(QStringLiteral("fr"), {{KEY_A, QStringLiteral("q")}});
    layouts.addLayout(QStringLiteral("broken"), {}, /*usable=*/false);
    layouts.setCurrentLayout(QStringLiteral("us"));
  }
  FakeKeyboardLayoutServices layouts;
  ScopedLayoutServices use{layouts};
};

TEST_F(TranslatorCache, SameLayoutSameTranslator) {
  const auto first = HVKeyCodeTranslator::currentTranslator();
  ASSERT_TRUE(first);
  EXPECT_EQ(HVKeyCodeTranslator::currentTranslator(), first);
  EXPECT_EQ(first->keyboardLayout(), layouts.layout(QStringLiteral("us")));
  EXPECT_EQ(first->translateKeyCode(kVK_ANSI_A), "a");
}

TEST_F(TranslatorCache, LayoutChangeReplacesAndReleasesTheTranslator) {
  std::weak_ptr<HVKeyCodeTranslator> old = HVKeyCodeTranslator::currentTranslator();
  ASSERT_FALSE(old.expired());
  layouts.setCurrentLayout(QStringLiteral("fr"));
  const auto french = HVKeyCodeTranslator::currentTranslator();
  ASSERT_TRUE(french);
  EXPECT_TRUE(old.expired());
  EXPECT_EQ(french->translateKeyCode(kVK_ANSI_A), "q");
}

TEST_F(TranslatorCache, NoCurrentLayoutLeavesTheCacheAlone) {
  const auto us = HVKeyCodeTranslator::currentTranslator();
  layouts.setCurrentLayout(QString());
  EXPECT_EQ(HVKeyCodeTranslator::currentTranslator(), nullptr);
  layouts.setCurrentLayout(QStringLiteral("us"));
  EXPECT_EQ(HVKeyCodeTranslator::currentTranslator(), us);
}

TEST_F(TranslatorCache, UnusableLayoutCachesNothing) {
  std::weak_ptr<HVKeyCodeTranslator> us = HVKeyCodeTranslator::currentTranslator();
  layouts.setCurrentLayout(QStringLiteral("broken"));
  EXPECT_EQ(HVKeyCodeTranslator::currentTranslator(), nullptr);
  EXPECT_TRUE(us.expired());
  layouts.setCurrentLayout(QStringLiteral("us"));
  const auto fresh = HVKeyCodeTranslator::currentTranslator();
  ASSERT_TRUE(fresh);
  EXPECT_EQ(fresh->translateKeyCode(kVK_ANSI_A), "a");
}

}  // namespace
}  // namespace halvane
