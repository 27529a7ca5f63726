#include "platform/input/keyboardlayout/XkbCharacterKeys.h"

#include "platform/input/keycodes/MacKeyCodes.h"

#include <xkbcommon/xkbcommon.h>

#include <algorithm>
#include <bit>
#include <map>
#include <tuple>

namespace halvane {
namespace {

bool isKeypadKeysym(xkb_keysym_t keysym) {
  return keysym >= XKB_KEY_KP_Space && keysym <= XKB_KEY_KP_9;
}

// The keys that set a modifier text needs while held, by the modifier mask each sets. Only
// keys whose first level is a shift of some kind: locks and Control or Alt never count.
std::map<xkb_mod_mask_t, int> shiftKeys(xkb_keymap* keymap, unsigned group) {
  std::map<xkb_mod_mask_t, int> keys;
  const xkb_keycode_t min = xkb_keymap_min_keycode(keymap), max = xkb_keymap_max_keycode(keymap);
  for (xkb_keycode_t code = min; code <= max && code >= min; ++code) {
    const xkb_keysym_t* syms = nullptr;
    if (xkb_keymap_key_get_syms_by_level(keymap, code, 0, 0, &syms) != 1) continue;
    switch (syms[0]) {
      case XKB_KEY_Shift_L:
      case XKB_KEY_Shift_R:
      case XKB_KEY_ISO_Level3_Shift:
      case XKB_KEY_ISO_Level5_Shift:
        break;
      default:
        continue;
    }
    xkb_state* state = xkb_state_new(keymap);
    if (!state) continue;
    xkb_state_update_mask(state, 0, 0, 0, 0, 0, group);
    xkb_state_update_key(state, code, XKB_KEY_DOWN);
    const xkb_mod_mask_t mask = xkb_state_serialize_mods(state, XKB_STATE_MODS_DEPRESSED);
    xkb_state_unref(state);
    if (std::popcount(mask) != 1) continue;
    const int evdev = int(code) - kX11KeyCodeOffset;
    // A key with a Mac key code is preferred: it goes through the traced keys.
    const auto known = keys.find(mask);
    if (known == keys.end() ||
        (!macKeyCodeForEvdev(known->second) && macKeyCodeForEvdev(evdev).has_value()))
      keys[mask] = evdev;
  }
  return keys;
}

}  // namespace

std::uint32_t keysymForCharacter(char32_t character) {
  switch (character) {
    case U'\b':
    case U'\t':
    case U'\n':
    case U'\r':
    case U'\x1B':
    case U'\x7F':
      return xkb_utf32_to_keysym(character);
    default:
      break;
  }
  const bool control = character < 0x20 || (character >= 0x7F && character < 0xA0);
  const bool surrogate = character >= 0xD800 && character <= 0xDFFF;
  if (control || surrogate || character > 0x10FFFF) return XKB_KEY_NoSymbol;
  return xkb_utf32_to_keysym(character);
}

XkbCharacterKeys::XkbCharacterKeys(xkb_keymap* keymap, unsigned group)
    : keymap_(xkb_keymap_ref(keymap)), group_(group) {
  const std::map<xkb_mod_mask_t, int> shifts = shiftKeys(keymap, group);
  // (no Mac key code, keypad, level, modifier count, key code): smaller is better. Keys with a
  // Mac key code first: every backend can post those, and the trace shows them.
  using Rank = std::tuple<bool, bool, unsigned, int, xkb_keycode_t>;
  std::unordered_map<char32_t, Rank> ranks;
  const xkb_keycode_t min = xkb_keymap_min_keycode(keymap), max = xkb_keymap_max_keycode(keymap);
  // X11 key codes end at 255: a key above is beyond X clients (XWayland's too).
  for (xkb_keycode_t code = min; code <= std::min<xkb_keycode_t>(max, 255); ++code) {
    const unsigned groups = xkb_keymap_num_layouts_for_key(keymap, code);
    if (groups == 0) continue;
    // A key with fewer groups wraps, as xkbcommon does by default.
    const unsigned layout = group < groups ? group : group % groups;
    const unsigned levels = xkb_keymap_num_levels_for_key(keymap, code, layout);
    for (unsigned level = 0; level < levels; ++level) {
      const xkb_keysym_t* syms = nullptr;
      if (xkb_keymap_key_get_syms_by_level(keymap, code, layout, level, &syms) != 1) continue;
      const char32_t character = xkb_keysym_to_utf32(syms[0]);
      if (character == 0) continue;  // dead keys and functions
      xkb_mod_mask_t masks[16];
      const size_t count =
          xkb_keymap_key_get_mods_for_level(keymap, code, layout, level, masks, std::size(masks));
      for (size_t i = 0; i < count; ++i) {
        std::vector<int> modifierKeys;
        bool reachable = true;
        for (xkb_mod_mask_t rest = masks[i]; rest && reachable; rest &= rest - 1) {
          const auto shift = shifts.find(rest & -rest);
          reachable = shift != shifts.end();
          if (reachable) modifierKeys.push_back(shift->second);
        }
        if (!reachable) continue;
        const int evdev = int(code) - kX11KeyCodeOffset;
        const Rank rank{!macKeyCodeForEvdev(evdev).has_value(), isKeypadKeysym(syms[0]), level,
                        std::popcount(masks[i]), code};
        const auto known = ranks.find(character);
        if (known != ranks.end() && known->second <= rank) continue;
        ranks[character] = rank;
        keys_[character] = CharacterKey{evdev, std::move(modifierKeys)};
      }
    }
  }
}

XkbCharacterKeys::~XkbCharacterKeys() {
  xkb_keymap_unref(keymap_);
}

std::optional<CharacterKey> XkbCharacterKeys::keyFor(char32_t character) const {
  // Return types a carriage return; a text's lines end with line feeds.
  const auto found = keys_.find(character == U'\n' ? U'\r' : character);
  if (found == keys_.end()) return std::nullopt;
  return found->second;
}

}  // namespace halvane
