#pragma once

#include "platform/input/keyboardlayout/KeyboardLayoutServices.h"

#include <QString>

#include <optional>

struct xkb_context;
struct xkb_compose_table;
struct xkb_keymap;

namespace halvane {

class SystemLog;
class WaylandConnection;
class WaylandSeatKeymap;
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
  // Where the current layout comes from, best first.
  enum class Source {
    WaylandSeat,  // the keymap the compositor gives our wl_keyboard
    XServer,      // the X server's core keyboard (XWayland on a Wayland session)
    Environment,  // XKB_DEFAULT_*, else "us"
  };

  // Follows the Wayland seat's keyboard while it has one, else the X server's when a display is
  // reachable: a new layout object whenever the keymap or its active group changed since the
  // last call. The seat's active group is sway's own (asked over SWAYSOCK) where sway runs,
  // else the last one the compositor sent. Without either, one fixed layout from the XKB_DEFAULT_*
  // environment, else "us". `session` names the compositor connection to ask, sway's socket and
  // the X display. `log`, when given, hears which source serves, and each change.
  static std::unique_ptr<XkbKeyboardLayoutServices> forSystem(const SessionProbe& session,
                                                              SystemLog* log = nullptr);
  // One fixed layout compiled from these names alone (the environment is not consulted).
  static std::unique_ptr<XkbKeyboardLayoutServices> forNames(const XkbLayoutNames& names);

  ~XkbKeyboardLayoutServices() override;
  XkbKeyboardLayoutServices(const XkbKeyboardLayoutServices&) = delete;
  XkbKeyboardLayoutServices& operator=(const XkbKeyboardLayoutServices&) = delete;

  std::shared_ptr<const KeyboardLayout> currentLayout() override;

  // Whether layouts come from an X server when the Wayland seat has no keyboard.
  bool followsXServer() const { return x11_ != nullptr; }
  // The source of the layout currentLayout() hands out now.
  Source source() const;

 private:
  class X11Keyboard;
  explicit XkbKeyboardLayoutServices(xkb_context* context);
  void useFixedLayout(const XkbLayoutNames* names);
  std::shared_ptr<const KeyboardLayout> layoutOf(xkb_keymap* keymap, unsigned group);
  void logSource(Source source);

  xkb_context* context_;
  xkb_compose_table* compose_ = nullptr;
  std::unique_ptr<WaylandSeatKeymap> seat_;
  QString swaySocket_;
  std::unique_ptr<X11Keyboard> x11_;
  std::shared_ptr<const XkbKeyboardLayout> fixed_;
  std::shared_ptr<const XkbKeyboardLayout> layout_;
  SystemLog* log_ = nullptr;
  std::optional<Source> logged_;
  QString noSeat_;
};

}  // namespace halvane
