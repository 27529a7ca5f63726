// The keymap a virtual keyboard is handed for characters its layout lacks: it still compiles,
// types the layout's own characters with the same keys, and each added character on its key
// without modifiers.
#include "platform/input/keyboardlayout/XkbCharacterKeys.h"
#include "platform/input/keyboardlayout/XkbKeymapWithCharacters.h"

#include <QList>
#include <QString>

#include <gtest/gtest.h>

#include <linux/input-event-codes.h>
#include <xkbcommon/xkbcommon.h>

#include <string>

namespace halvane {
namespace {

struct Context {
  Context() : context(xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES)) {}
  ~Context() { xkb_context_unref(context); }
  xkb_keymap* keymapOf(const char* layout) const {
    const xkb_rule_names names{nullptr, nullptr, layout, nullptr, nullptr};
    return xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
  }
  xkb_context* context;
};

TEST(KeymapWithCharacters, AddsEachCharacterOnASpareKey) {
  struct Case {
    const char* layout;
    const char* added;  // UTF-8
    char32_t own;       // a character of the layout
    int ownKey;
  };
  const Case cases[] = {
      {"us", "ä€✓", U'a', KEY_A},
      {"de", "ï✓日", U'z', KEY_Y},
      {"ru", "qé", U'ж', KEY_SEMICOLON},
  };
  const Context context;
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.layout) + ": " + c.added);
    xkb_keymap* base = context.keymapOf(c.layout);
    ASSERT_TRUE(base);
    std::vector<char32_t> added;
    for (char32_t character : QString::fromUtf8(c.added).toUcs4()) added.push_back(character);
    const std::optional<KeymapWithCharacters> extended = keymapWithCharacters(base, added);
    ASSERT_TRUE(extended);
    xkb_keymap* compiled =
        xkb_keymap_new_from_string(context.context, extended->text.constData(),
                                   XKB_KEYMAP_FORMAT_TEXT_V1, XKB_KEYMAP_COMPILE_NO_FLAGS);
    ASSERT_TRUE(compiled);
    {
      const XkbCharacterKeys before(base, 0), after(compiled, 0);
      for (char32_t character : added) {
        EXPECT_FALSE(before.keyFor(character));
        ASSERT_TRUE(extended->evdevKeys.count(character));
        const int key = extended->evdevKeys.at(character);
        EXPECT_LE(key + 8, 255);  // within what XWayland's clients can read
        EXPECT_EQ(after.keyFor(character), (CharacterKey{key, {}}));
      }
      EXPECT_EQ(after.keyFor(c.own), (CharacterKey{c.ownKey, {}}));
      EXPECT_EQ(after.keyFor(c.own), before.keyFor(c.own));
    }
    xkb_keymap_unref(compiled);
    xkb_keymap_unref(base);
  }
}

TEST(KeymapWithCharacters, NothingForACharacterWithoutKeysym) {
  const Context context;
  xkb_keymap* base = context.keymapOf("us");
  ASSERT_TRUE(base);
  EXPECT_FALSE(keymapWithCharacters(base, {U'\x01'}));
  xkb_keymap_unref(base);
}

}  // namespace
}  // namespace halvane
