#pragma once

#include <Qt>

#include <optional>

class QKeyEvent;

namespace halvane {

// A key press as an Apple keyboard event describes it.
struct MacKeyEvent {
  int keyCode = 0;        // virtual key code (MacKeyCodes.h)
  int modifierFlags = 0;  // KeyEventFlag bits (MacModifiers.h)
};

// The key press of a Qt event: the key code from its native scan code (the X11 or xkb key code
// under xcb and Wayland), the flags from its modifiers (Super is Command, Alt is Option, Ctrl is
// Control). Nothing for a key that only changes modifiers, as those send no key press on an
// Apple system, and nothing for a key no Apple key code stands for.
std::optional<MacKeyEvent> macKeyEventFromQt(const QKeyEvent& event);

// The flags of a key press: the held modifiers, the keypad flag, and the function-key flag that
// function, arrow and navigation keys carry.
int macModifierFlags(Qt::KeyboardModifiers modifiers, int macKeyCode);

}  // namespace halvane
