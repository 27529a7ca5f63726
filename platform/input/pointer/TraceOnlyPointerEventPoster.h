#pragma once

#include "platform/input/pointer/PointerEventPoster.h"

namespace halvane {

// Posts nothing: where no backend can reach the pointer, the trace decorator around it still
// records every button and notch, so a macro's mouse steps stay visible.
class TraceOnlyPointerEventPoster : public PointerEventPoster {
 public:
  bool postButton(settings::MouseButton, bool) override { return true; }
  bool postWheel(settings::WheelDirection, int) override { return true; }
};

}  // namespace halvane
