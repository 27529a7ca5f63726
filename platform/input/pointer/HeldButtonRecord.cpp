#include "platform/input/pointer/HeldButtonRecord.h"

#include <algorithm>

namespace halvane {

bool HeldButtonRecord::postButton(settings::MouseButton button, bool down) {
  if (!inner_.postButton(button, down)) return false;
  const auto it = std::find(held_.begin(), held_.end(), button);
  if (down && it == held_.end()) held_.push_back(button);
  if (!down && it != held_.end()) held_.erase(it);
  return true;
}

bool HeldButtonRecord::postWheel(settings::WheelDirection direction, int notches) {
  return inner_.postWheel(direction, notches);
}

void HeldButtonRecord::releaseAll() {
  std::vector<settings::MouseButton> stillHeld;
  for (auto button = held_.rbegin(); button != held_.rend(); ++button)
    if (!inner_.postButton(*button, false)) stillHeld.insert(stillHeld.begin(), *button);
  held_ = std::move(stillHeld);
}

}  // namespace halvane
