#pragma once

#include "platform/desktop/probe/SessionProbe.h"

#include <QString>

#include <memory>

namespace halvane {

// Turns keys into the characters a layout prints, one key after another. Dead keys leave state
// behind that the next key sees, so one translation serves one caller.
class KeyTranslation {
 public:
  virtual ~KeyTranslation() = default;
  // The printable character the evdev key gives with no modifier held (keypad keys give their
  // digits); empty when the key prints nothing (Return, arrows, modifiers...).
  virtual QString translate(int evdevKeyCode) = 0;
};

// One keyboard layout. Two calls that name the same layout hand back the same object, so
// callers compare layouts by identity.
class KeyboardLayout {
 public:
  virtual ~KeyboardLayout() = default;
  // The name a user knows the layout by ("English (US)", "German").
  virtual QString localizedName() const = 0;
  // A fresh translation with no dead key pending; nothing when the layout's data is unusable.
  virtual std::unique_ptr<KeyTranslation> newTranslation() const = 0;
};

// The system's keyboard layouts.
class KeyboardLayoutServices {
 public:
  virtual ~KeyboardLayoutServices() = default;
  // The layout in use now; nothing when none can be named.
  virtual std::shared_ptr<const KeyboardLayout> currentLayout() = 0;
};

// The backend for the session `session` describes: the Wayland seat's keymap, the X server's
// layout when a display is reachable, else the XKB_DEFAULT_* environment, else "us".
std::unique_ptr<KeyboardLayoutServices> createSystemKeyboardLayoutServices(
    const SessionProbe& session);

}  // namespace halvane
