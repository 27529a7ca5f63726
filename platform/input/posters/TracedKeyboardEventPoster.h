#pragma once

#include "platform/input/posters/KeyboardEventPoster.h"
#include "platform/system/trace/Trace.h"

namespace halvane {

class TracedKeyboardEventPoster : public KeyboardEventPoster {
 public:
  TracedKeyboardEventPoster(KeyboardEventPoster& inner, Trace& trace)
      : inner_(inner), trace_(trace) {}
  // Each line is only made when the trace writes it: these stand between a macro key's report
  // and its first key.
  void setLocalEventsSuppressionInterval(double seconds) override {
    if (trace_.enabled()) trace_.write(TraceEvent("suppressionInterval").add("seconds", seconds));
    inner_.setLocalEventsSuppressionInterval(seconds);
  }
  void enableEventStateCombining(bool enabled) override {
    if (trace_.enabled()) trace_.write(TraceEvent("eventStateCombining").add("enabled", enabled));
    inner_.enableEventStateCombining(enabled);
  }
  bool postKeyboardEvent(quint16 virtualKeyCode, bool keyDown) override {
    if (trace_.enabled())
      trace_.write(
          TraceEvent("keyboardEvent").add("keyCode", int(virtualKeyCode)).add("down", keyDown));
    return inner_.postKeyboardEvent(virtualKeyCode, keyDown);
  }

 private:
  KeyboardEventPoster& inner_;
  Trace& trace_;
};

}  // namespace halvane
