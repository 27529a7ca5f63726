#include "platform/input/posters/HeldKeyRecord.h"

namespace halvane {

void HeldKeyRecord::setLocalEventsSuppressionInterval(double seconds) {
  inner_.setLocalEventsSuppressionInterval(seconds);
}

void HeldKeyRecord::enableEventStateCombining(bool enabled) {
  inner_.enableEventStateCombining(enabled);
}

bool HeldKeyRecord::postKeyboardEvent(quint16 virtualKeyCode, bool keyDown) {
  if (!inner_.postKeyboardEvent(virtualKeyCode, keyDown)) return false;
  // A key-up of a key not held is passed on all the same.
  held_.delivered(virtualKeyCode, keyDown);
  return true;
}

void HeldKeyRecord::releaseAll() {
  held_.releaseAll([this](quint16 key) { return inner_.postKeyboardEvent(key, false); });
}

}  // namespace halvane
