#include "platform/input/pointer/HeldButtonRecord.h"

namespace halvane {

bool HeldButtonRecord::postButton(settings::MouseButton button, bool down) {
  if (!inner_.postButton(button, down)) return false;
  held_.delivered(button, down);
  return true;
}

bool HeldButtonRecord::postWheel(settings::WheelDirection direction, int notches) {
  return inner_.postWheel(direction, notches);
}

void HeldButtonRecord::releaseAll() {
  held_.releaseAll(
      [this](settings::MouseButton button) { return inner_.postButton(button, false); });
}

}  // namespace halvane
