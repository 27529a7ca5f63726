#pragma once

#include <QByteArray>

#include <map>
#include <optional>
#include <vector>

struct xkb_keymap;

namespace halvane {

// The keymap as the Wayland protocol and xkbcommon read it back (text format 1); empty without a
// keymap.
QByteArray keymapText(xkb_keymap* keymap);

// A keymap's text with characters it lacks added, each on a key code of its own that the keymap
// leaves without symbols (at most 255, the highest an X client behind XWayland can read), and the
// evdev key that types each.
struct KeymapWithCharacters {
  QByteArray text;
  std::map<char32_t, int> evdevKeys;
};

// Nothing when a character has no keysym or the keymap has no key codes left for them all.
std::optional<KeymapWithCharacters> keymapWithCharacters(xkb_keymap* keymap,
                                                         const std::vector<char32_t>& characters);

}  // namespace halvane
