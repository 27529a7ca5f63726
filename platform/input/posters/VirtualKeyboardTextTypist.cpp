#include "platform/input/posters/VirtualKeyboardTextTypist.h"

#include "platform/input/keyboardlayout/XkbCharacterKeys.h"
#include "platform/input/keyboardlayout/XkbKeymapWithCharacters.h"
#include "platform/input/posters/WaylandVirtualKeyboardEventPoster.h"

#include <xkbcommon/xkbcommon.h>

namespace halvane {

VirtualKeyboardTextTypist::VirtualKeyboardTextTypist(
    KeyboardEventPoster& keys, WaylandVirtualKeyboardEventPoster& keyboard,
    std::unique_ptr<KeyboardLayoutServices> layouts)
    : KeymapTextTypist(keys, std::move(layouts)), keyboard_(keyboard) {}

VirtualKeyboardTextTypist::~VirtualKeyboardTextTypist() {
  endText();
}

bool VirtualKeyboardTextTypist::postKeyDirectly(int evdevKey, bool down) {
  return keyboard_.postEvdevKey(evdevKey, down);
}

bool VirtualKeyboardTextTypist::typesOutsideLayout(char32_t character) const {
  return keysymForCharacter(character) != XKB_KEY_NoSymbol;
}

bool VirtualKeyboardTextTypist::typeOutsideLayout(char32_t character) {
  const XkbCharacterKeys* layout = layoutKeys();
  if (!layout) return false;
  if (!addedKeys_.count(character)) {
    std::vector<char32_t> wanted = added_;
    wanted.push_back(character);
    const std::optional<KeymapWithCharacters> keymap =
        keymapWithCharacters(layout->keymap(), wanted);
    if (!keymap || !keyboard_.useKeymap(keymap->text, layout->group())) return false;
    added_ = std::move(wanted);
    addedKeys_ = keymap->evdevKeys;
  }
  const int key = addedKeys_.at(character);
  const bool pressed = keyboard_.postEvdevKey(key, true);
  return keyboard_.postEvdevKey(key, false) && pressed;
}

void VirtualKeyboardTextTypist::releaseUserModifiers() {
  const XkbCharacterKeys* layout = layoutKeys();
  if (!layout) return;
  layoutText_ = keymapText(layout->keymap());
  if (layoutText_.isEmpty()) return;
  group_ = layout->group();
  keyboard_.useKeymap(layoutText_, group_);
}

void VirtualKeyboardTextTypist::putBack() {
  if (!added_.empty()) keyboard_.useKeymap(layoutText_, group_);
  layoutText_ = QByteArray();  // some 60 KiB, wanted again only by the next text
  added_.clear();
  addedKeys_.clear();
}

}  // namespace halvane
