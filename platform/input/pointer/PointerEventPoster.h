#pragma once

#include "shared/settings/MacroStepKinds.h"

namespace halvane {

// Posts synthetic mouse buttons and wheel notches into the desktop's input stream, as a
// macro's mouse steps ask. The pointer stays where the user left it: only buttons and the wheel.
class PointerEventPoster {
 public:
  virtual ~PointerEventPoster() = default;
  // Presses (down) or lets go of a button; false when the backend could not deliver it.
  virtual bool postButton(settings::MouseButton button, bool down) = 0;
  // Turns the wheel by notches (1 or more) in direction; false when it could not be delivered.
  virtual bool postWheel(settings::WheelDirection direction, int notches) = 0;
};

}  // namespace halvane
