#pragma once

#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

struct xkb_keymap;

namespace halvane {

// The key that types a character, and the modifier keys held while it is pressed (evdev codes,
// in the order they go down).
struct CharacterKey {
  int evdevKey = 0;
  std::vector<int> modifierKeys;
  friend bool operator==(const CharacterKey&, const CharacterKey&) = default;
};

// The keysym that stands for a character on a key of its own; none (0) for control characters
// other than Backspace, Tab, line feed, Return, Escape and Delete, and for what is no character.
std::uint32_t keysymForCharacter(char32_t character);

// One group of an xkbcommon keymap searched in reverse: for a character, the key and modifiers
// that produce it. Every key and level of the group is searched once when made. A level that
// only Shift, AltGr (Level3) or Level5 reach counts, through the keys that set those modifiers;
// dead keys never do, nor levels that need Caps Lock, Num Lock, Control or Alt. Of several keys,
// the one at the lowest level wins, then the one with fewer modifiers, then a key outside the
// keypad (whose keys change with Num Lock), then the lowest key code.
class XkbCharacterKeys {
 public:
  XkbCharacterKeys(xkb_keymap* keymap, unsigned group);
  ~XkbCharacterKeys();
  XkbCharacterKeys(const XkbCharacterKeys&) = delete;
  XkbCharacterKeys& operator=(const XkbCharacterKeys&) = delete;

  // Nothing when the group has no key for it. A line feed is typed as Return.
  std::optional<CharacterKey> keyFor(char32_t character) const;

  xkb_keymap* keymap() const { return keymap_; }
  unsigned group() const { return group_; }

 private:
  xkb_keymap* keymap_;
  unsigned group_;
  std::unordered_map<char32_t, CharacterKey> keys_;
};

}  // namespace halvane
