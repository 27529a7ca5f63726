#pragma once

#include "platform/input/pointer/PointerEventPoster.h"
#include "platform/system/trace/Trace.h"

namespace halvane {

// Writes {"op":"pointerButton","button":"Left","down":true} and
// {"op":"wheel","direction":"Down","notches":3}, with the settings file's own words.
class TracedPointerEventPoster : public PointerEventPoster {
 public:
  TracedPointerEventPoster(PointerEventPoster& inner, Trace& trace)
      : inner_(inner), trace_(trace) {}
  bool postButton(settings::MouseButton button, bool down) override;
  bool postWheel(settings::WheelDirection direction, int notches) override;

 private:
  PointerEventPoster& inner_;
  Trace& trace_;
};

}  // namespace halvane
