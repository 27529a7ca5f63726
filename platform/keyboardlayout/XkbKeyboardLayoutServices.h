#pragma once

#include "platform/keyboardlayout/KeyboardLayoutServices.h"

#include <QString>

struct xkb_context;
struct xkb_compose_table;

namespace halvane {

class XkbKeyboardLayout;

// Rules, model, layout, variant and options of an xkb keymap; empty parts take the defaults.
struct XkbLayoutNames {
  QString rules;
  QString model;
  QString layout;
  QString variant;
  QString options;
};

// Keyboard layouts through libxkbcommon.
class XkbKeyboardLayoutServices : public KeyboardLayoutServices {
 public:
  // Follows the X server's keyboard when a display is reachable: a new layout object whenever
  // the server's keymap or its active group changed since the last call. Without a display,
  // one fixed layout from the XKB_DEFAULT_* environment, else "us".
  static std::unique_ptr<XkbKeyboardLayoutServices> forSystem();
  // One fixed layout compiled from these names alone (the environment is not consulted).
  static std::unique_ptr<XkbKeyboardLayoutServices> forNames(const XkbLayoutNames& names);

  ~XkbKeyboardLayoutServices() override;
  XkbKeyboardLayoutServices(const XkbKeyboardLayoutServices&) = delete;
  XkbKeyboardLayoutServices& operator=(const XkbKeyboardLayoutServices&) = delete;

  std::shared_ptr<const KeyboardLayout> currentLayout() override;

  // Whether layouts come from an X server.
  bool followsXServer() const { return x11_ != nullptr; }

 private:
  class X11Keyboard;
  explicit XkbKeyboardLayoutServices(xkb_context* context);
  void useFixedLayout(const XkbLayoutNames* names);
  std::shared_ptr<const KeyboardLayout> currentX11Layout();

  xkb_context* context_;
  xkb_compose_table* compose_ = nullptr;
  std::unique_ptr<X11Keyboard> x11_;
  std::shared_ptr<const XkbKeyboardLayout> layout_;
};

}  // namespace halvane
