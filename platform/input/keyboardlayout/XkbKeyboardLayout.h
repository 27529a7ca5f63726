#pragma once

#include "platform/input/keyboardlayout/KeyboardLayoutServices.h"

struct xkb_keymap;
struct xkb_compose_table;

namespace halvane {

// One group (layout) of an xkbcommon keymap.
class XkbKeyboardLayout : public KeyboardLayout {
 public:
  // Holds its own references to the keymap and to the compose table; without a compose table
  // dead keys still show their accent but never combine with the next key.
  XkbKeyboardLayout(xkb_keymap* keymap, unsigned group, xkb_compose_table* compose);
  ~XkbKeyboardLayout() override;
  XkbKeyboardLayout(const XkbKeyboardLayout&) = delete;
  XkbKeyboardLayout& operator=(const XkbKeyboardLayout&) = delete;

  QString localizedName() const override;
  std::unique_ptr<KeyTranslation> newTranslation() const override;

  xkb_keymap* keymap() const { return keymap_; }
  unsigned group() const { return group_; }

 private:
  xkb_keymap* keymap_;
  unsigned group_;
  xkb_compose_table* compose_;
};

}  // namespace halvane
