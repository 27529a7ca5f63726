#pragma once

#include "platform/input/posters/KeyboardEventPoster.h"

#include <vector>

namespace halvane {

// Records every call in order; key events fail (and are recorded all the same) while failing.
class FakeKeyboardEventPoster : public KeyboardEventPoster {
 public:
  enum class Kind { SuppressionInterval, EventStateCombining, KeyEvent };
  struct Call {
    Kind kind;
    double seconds = 0;   // SuppressionInterval
    bool flag = false;    // EventStateCombining: enabled; KeyEvent: down
    quint16 keyCode = 0;  // KeyEvent
  };

  void setLocalEventsSuppressionInterval(double seconds) override {
    calls.push_back({Kind::SuppressionInterval, seconds});
  }
  void enableEventStateCombining(bool enabled) override {
    calls.push_back({Kind::EventStateCombining, 0, enabled});
  }
  bool postKeyboardEvent(quint16 virtualKeyCode, bool keyDown) override {
    calls.push_back({Kind::KeyEvent, 0, keyDown, virtualKeyCode});
    return !failing;
  }

  std::vector<Call> calls;
  bool failing = false;
};

}  // namespace halvane
