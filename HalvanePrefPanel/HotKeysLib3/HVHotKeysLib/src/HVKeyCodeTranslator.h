#pragma once

#include "platform/input/keyboardlayout/KeyboardLayoutServices.h"

#include <QString>

#include <memory>

namespace halvane {

// Turns a virtual key code into the character the user's keyboard layout prints on that key.
// One translator serves one layout; the class keeps the one for the current layout.
class HVKeyCodeTranslator {
 public:
  // The translator of the layout in use now: the cached one while the layout stays the same,
  // a new one (replacing it) once the layout changed. Nothing when no layout can be named or it
  // gives no translation.
  static std::shared_ptr<HVKeyCodeTranslator> currentTranslator();
  // A translator for the layout; nothing when the layout's data is unusable.
  static std::shared_ptr<HVKeyCodeTranslator> withKeyboardLayout(
      std::shared_ptr<const KeyboardLayout> layout);
  // The layout services currentTranslator asks (not owned); nullptr restores the system's.
  // Drops the cached translator.
  static void setKeyboardLayoutServices(KeyboardLayoutServices* services);

  // The character of the key with no modifier held, a pending dead key taken into account; the
  // empty text when the key prints nothing or has no counterpart on this system's keyboards.
  QString translateKeyCode(qint16 keyCode);

  const std::shared_ptr<const KeyboardLayout>& keyboardLayout() const { return keyboardLayout_; }
  QString description() const;

 private:
  HVKeyCodeTranslator(std::shared_ptr<const KeyboardLayout> layout,
                      std::unique_ptr<KeyTranslation> translation);

  std::shared_ptr<const KeyboardLayout> keyboardLayout_;
  std::unique_ptr<KeyTranslation> translation_;  // holds the dead-key state between calls
};

}  // namespace halvane
