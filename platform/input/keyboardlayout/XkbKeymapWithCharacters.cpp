#include "platform/input/keyboardlayout/XkbKeymapWithCharacters.h"

#include "platform/input/keyboardlayout/XkbCharacterKeys.h"
#include "platform/input/keycodes/MacKeyCodes.h"

#include <xkbcommon/xkbcommon.h>

#include <algorithm>
#include <cstdlib>

namespace halvane {
namespace {

// Inserts lines right after the opening brace of the named section.
bool insertIntoSection(QByteArray& text, const char* section, const QByteArray& lines) {
  const qsizetype start = text.indexOf(section);
  if (start < 0) return false;
  const qsizetype brace = text.indexOf('{', start);
  const qsizetype lineEnd = brace < 0 ? -1 : text.indexOf('\n', brace);
  if (lineEnd < 0) return false;
  text.insert(lineEnd + 1, lines);
  return true;
}

}  // namespace

QByteArray keymapText(xkb_keymap* keymap) {
  char* text = keymap ? xkb_keymap_get_as_string(keymap, XKB_KEYMAP_FORMAT_TEXT_V1) : nullptr;
  const QByteArray result(text ? text : "");
  std::free(text);
  return result;
}

std::optional<KeymapWithCharacters> keymapWithCharacters(xkb_keymap* keymap,
                                                         const std::vector<char32_t>& characters) {
  KeymapWithCharacters result{keymapText(keymap), {}};
  if (result.text.isEmpty()) return std::nullopt;
  QByteArray names, symbols;
  // From the top down: the low codes are the keys of real keyboards.
  xkb_keycode_t code = std::min<xkb_keycode_t>(xkb_keymap_max_keycode(keymap), 255);
  const xkb_keycode_t lowest = std::max<xkb_keycode_t>(xkb_keymap_min_keycode(keymap), 9);
  for (char32_t character : characters) {
    const xkb_keysym_t keysym = keysymForCharacter(character);
    if (keysym == XKB_KEY_NoSymbol) return std::nullopt;
    while (code >= lowest && xkb_keymap_num_layouts_for_key(keymap, code) > 0) --code;
    if (code < lowest) return std::nullopt;
    QByteArray name(xkb_keymap_key_get_name(keymap, code));
    if (name.isEmpty()) {
      name = "HV" + QByteArray::number(code);
      names += "\t<" + name + "> = " + QByteArray::number(code) + ";\n";
    }
    char keysymName[64];
    xkb_keysym_get_name(keysym, keysymName, sizeof keysymName);
    symbols += "\tkey <" + name + "> { [ " + QByteArray(keysymName) + " ] };\n";
    result.evdevKeys[character] = int(code) - kX11KeyCodeOffset;
    --code;
  }
  if ((!names.isEmpty() && !insertIntoSection(result.text, "xkb_keycodes", names)) ||
      !insertIntoSection(result.text, "xkb_symbols", symbols))
    return std::nullopt;
  return result;
}

}  // namespace halvane
