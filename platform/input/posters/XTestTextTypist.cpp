#include "platform/input/posters/XTestTextTypist.h"

#include "platform/input/keyboardlayout/XkbCharacterKeys.h"
#include "platform/input/keycodes/MacKeyCodes.h"
#include "platform/input/posters/XTestKeyboardEventPoster.h"
#include "platform/input/xtest/XTestConnection.h"

#include <xcb/xcb.h>
#include <xkbcommon/xkbcommon.h>

#include <algorithm>
#include <cstdlib>

namespace halvane {

XTestTextTypist::XTestTextTypist(KeyboardEventPoster& keys, XTestKeyboardEventPoster& server,
                                 std::unique_ptr<KeyboardLayoutServices> layouts)
    : KeymapTextTypist(keys, std::move(layouts)), server_(server) {}

XTestTextTypist::~XTestTextTypist() {
  endText();
}

bool XTestTextTypist::postKeyDirectly(int evdevKey, bool down) {
  const int x11 = evdevKey + kX11KeyCodeOffset;
  if (x11 > 255) return false;
  return server_.postX11KeyCode(quint8(x11), down);
}

bool XTestTextTypist::typesOutsideLayout(char32_t character) const {
  return keysymForCharacter(character) != XKB_KEY_NoSymbol;
}

bool XTestTextTypist::typeOutsideLayout(char32_t character) {
  const xkb_keysym_t keysym = keysymForCharacter(character);
  if (keysym == XKB_KEY_NoSymbol) return false;
  const std::optional<quint8> keyCode = keyCodeFor(keysym);
  if (!keyCode) return false;
  const bool pressed = server_.postX11KeyCode(*keyCode, true);
  return server_.postX11KeyCode(*keyCode, false) && pressed;
}

std::optional<quint8> XTestTextTypist::keyCodeFor(std::uint32_t keysym) {
  for (const Mapped& m : mapped_)
    if (m.keysym == keysym) return m.keyCode;
  xcb_connection_t* connection = server_.connection();
  if (!spareKnown_) {
    spareKnown_ = true;
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const int first = setup->min_keycode, count = setup->max_keycode - first + 1;
    xcb_get_keyboard_mapping_reply_t* reply = xcb_get_keyboard_mapping_reply(
        connection, xcb_get_keyboard_mapping(connection, quint8(first), quint8(count)), nullptr);
    if (reply) {
      const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(reply);
      const int perCode = reply->keysyms_per_keycode;
      // From the top: the low codes are the keys of real keyboards.
      for (int i = count - 1; i >= 0; --i) {
        if (std::all_of(syms + i * perCode, syms + (i + 1) * perCode,
                        [](xcb_keysym_t s) { return s == XCB_NO_SYMBOL; }))
          spare_.push_back(quint8(first + i));
      }
      std::free(reply);
    }
  }
  quint8 keyCode = 0;
  if (mapped_.size() < spare_.size()) {
    keyCode = spare_[mapped_.size()];
  } else if (!mapped_.empty()) {
    // Every spare code holds a character of this text: the oldest gives way, once the server
    // has taken its last key.
    keyCode = mapped_.front().keyCode;
    mapped_.erase(mapped_.begin());
    syncXTest(server_.connection());
  } else {
    return std::nullopt;
  }
  if (!setKeysym(keyCode, keysym)) return std::nullopt;
  mapped_.push_back({keyCode, keysym});
  return keyCode;
}

bool XTestTextTypist::setKeysym(quint8 keyCode, std::uint32_t keysym) {
  xcb_connection_t* connection = server_.connection();
  if (xcb_connection_has_error(connection)) return false;
  const xcb_keysym_t syms[] = {keysym};
  xcb_generic_error_t* error = xcb_request_check(
      connection, xcb_change_keyboard_mapping_checked(connection, 1, keyCode, 1, syms));
  const bool changed = !error;
  std::free(error);
  return changed;
}

void XTestTextTypist::releaseUserModifiers() {
  userModifiers_.clear();
  xcb_connection_t* connection = server_.connection();
  if (xcb_connection_has_error(connection)) return;
  xcb_query_keymap_reply_t* down =
      xcb_query_keymap_reply(connection, xcb_query_keymap(connection), nullptr);
  xcb_get_modifier_mapping_reply_t* modifiers =
      xcb_get_modifier_mapping_reply(connection, xcb_get_modifier_mapping(connection), nullptr);
  if (down && modifiers) {
    const xcb_keycode_t* codes = xcb_get_modifier_mapping_keycodes(modifiers);
    const int perModifier = modifiers->keycodes_per_modifier;
    for (int modifier = 0; modifier < 8; ++modifier) {
      if (modifier == XCB_MAP_INDEX_LOCK) continue;  // a lock, not a held key
      for (int i = 0; i < perModifier; ++i) {
        const xcb_keycode_t code = codes[modifier * perModifier + i];
        if (code && (down->keys[code / 8] & (1 << (code % 8))) &&
            std::find(userModifiers_.begin(), userModifiers_.end(), code) == userModifiers_.end())
          userModifiers_.push_back(code);
      }
    }
  }
  // Caps Lock would turn the case of letters: off for the text, on again after it.
  xcb_query_pointer_reply_t* pointer = xcb_query_pointer_reply(
      connection,
      xcb_query_pointer(connection, xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root),
      nullptr);
  capsLock_.reset();
  if (pointer && modifiers && (pointer->mask & XCB_MOD_MASK_LOCK)) {
    const xcb_keycode_t code = xcb_get_modifier_mapping_keycodes(
        modifiers)[XCB_MAP_INDEX_LOCK * modifiers->keycodes_per_modifier];
    if (code) capsLock_ = code;
  }
  std::free(pointer);
  std::free(down);
  std::free(modifiers);
  for (quint8 code : userModifiers_) server_.postX11KeyCode(code, false);
  if (capsLock_) tapKey(*capsLock_);
}

void XTestTextTypist::tapKey(quint8 keyCode) {
  server_.postX11KeyCode(keyCode, true);
  server_.postX11KeyCode(keyCode, false);
}

void XTestTextTypist::putBack() {
  if (!mapped_.empty()) {
    // The keys typed through the spare codes first reach the server, then the codes are empty
    // again.
    syncXTest(server_.connection());
    for (const Mapped& m : mapped_) setKeysym(m.keyCode, XKB_KEY_NoSymbol);
    mapped_.clear();
  }
  spare_.clear();
  spareKnown_ = false;
  if (capsLock_) tapKey(*capsLock_);
  capsLock_.reset();
  // The user may have let go of them meanwhile; the server cannot tell us, since our release
  // is what it saw last. Their own release comes after ours and lets go of them again.
  for (quint8 code : userModifiers_) server_.postX11KeyCode(code, true);
  userModifiers_.clear();
}

}  // namespace halvane
