#pragma once

#include "platform/input/pointer/PointerEventPoster.h"

#include <vector>

namespace halvane {

// Records every call in order; calls fail (and are recorded all the same) while failing.
class FakePointerEventPoster : public PointerEventPoster {
 public:
  struct Call {
    bool wheel = false;
    settings::MouseButton button = settings::MouseButton::Left;  // a button
    bool down = false;
    settings::WheelDirection direction = settings::WheelDirection::Up;  // the wheel
    int notches = 0;
    friend bool operator==(const Call&, const Call&) = default;
  };

  bool postButton(settings::MouseButton button, bool down) override {
    calls.push_back({false, button, down});
    return !failing;
  }
  bool postWheel(settings::WheelDirection direction, int notches) override {
    calls.push_back({true, settings::MouseButton::Left, false, direction, notches});
    return !failing;
  }

  std::vector<Call> calls;
  bool failing = false;
};

}  // namespace halvane
