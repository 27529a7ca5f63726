#pragma once

#include "platform/input/posters/KeyboardEventPoster.h"
#include "platform/system/trace/Trace.h"

namespace halvane {

class TracedKeyboardEventPoster : public KeyboardEventPoster {
 public:
  TracedKeyboardEventPoster(KeyboardEventPoster& inner, Trace& trace)
      : inner_(inner), trace_(trace) {}
  void setLocalEventsSuppressionInterval(double seconds) override {
    trace_.write(TraceEvent("suppressionInterval").add("seconds", seconds));
    inner_.setLocalEventsSuppressionInterval(seconds);
  }
  void enableEventStateCombining(bool enabled) override {
    trace_.write(TraceEvent("eventStateCombining").add("enabled", enabled));
    inner_.enableEventStateCombining(enabled);
  }
  bool postKeyboardEvent(quint16 virtualKeyCode, bool keyDown) override {
    trace_.write(
        TraceEvent("keyboardEvent").add("keyCode", int(virtualKeyCode)).add("down", keyDown));
    return inner_.postKeyboardEvent(virtualKeyCode, keyDown);
  }

 private:
  KeyboardEventPoster& inner_;
  Trace& trace_;
};

}  // namespace halvane
