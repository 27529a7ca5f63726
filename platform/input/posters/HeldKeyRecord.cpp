#include "platform/input/posters/HeldKeyRecord.h"

#include <algorithm>

namespace halvane {

void HeldKeyRecord::setLocalEventsSuppressionInterval(double seconds) {
  inner_.setLocalEventsSuppressionInterval(seconds);
}

void HeldKeyRecord::enableEventStateCombining(bool enabled) {
  inner_.enableEventStateCombining(enabled);
}

void HeldKeyRecord::postKeyboardEvent(quint16 virtualKeyCode, bool keyDown) {
  // A repeated key-down is one held key; a key-up of a key not held is passed on all the same.
  const auto it = std::find(held_.begin(), held_.end(), virtualKeyCode);
  if (keyDown && it == held_.end()) held_.push_back(virtualKeyCode);
  if (!keyDown && it != held_.end()) held_.erase(it);
  inner_.postKeyboardEvent(virtualKeyCode, keyDown);
}

void HeldKeyRecord::releaseAll() {
  while (!held_.empty()) {
    const quint16 key = held_.back();
    held_.pop_back();
    inner_.postKeyboardEvent(key, false);
  }
}

}  // namespace halvane
