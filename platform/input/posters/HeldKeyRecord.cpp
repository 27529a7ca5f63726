#include "platform/input/posters/HeldKeyRecord.h"

#include <algorithm>

namespace halvane {

void HeldKeyRecord::setLocalEventsSuppressionInterval(double seconds) {
  inner_.setLocalEventsSuppressionInterval(seconds);
}

void HeldKeyRecord::enableEventStateCombining(bool enabled) {
  inner_.enableEventStateCombining(enabled);
}

bool HeldKeyRecord::postKeyboardEvent(quint16 virtualKeyCode, bool keyDown) {
  if (!inner_.postKeyboardEvent(virtualKeyCode, keyDown)) return false;
  // A repeated key-down is one held key; a key-up of a key not held is passed on all the same.
  const auto it = std::find(held_.begin(), held_.end(), virtualKeyCode);
  if (keyDown && it == held_.end()) held_.push_back(virtualKeyCode);
  if (!keyDown && it != held_.end()) held_.erase(it);
  return true;
}

void HeldKeyRecord::releaseAll() {
  std::vector<quint16> stillHeld;
  for (auto key = held_.rbegin(); key != held_.rend(); ++key)
    if (!inner_.postKeyboardEvent(*key, false)) stillHeld.insert(stillHeld.begin(), *key);
  held_ = std::move(stillHeld);
}

}  // namespace halvane
