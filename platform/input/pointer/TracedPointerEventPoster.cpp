#include "platform/input/pointer/TracedPointerEventPoster.h"

#include "shared/settings/MacroStep.h"

namespace halvane {

bool TracedPointerEventPoster::postButton(settings::MouseButton button, bool down) {
  if (trace_.enabled())
    trace_.write(TraceEvent("pointerButton")
                     .add("button", settings::mouseButtonNames().at(int(button)))
                     .add("down", down));
  return inner_.postButton(button, down);
}

bool TracedPointerEventPoster::postWheel(settings::WheelDirection direction, int notches) {
  if (trace_.enabled())
    trace_.write(TraceEvent("wheel")
                     .add("direction", settings::wheelDirectionNames().at(int(direction)))
                     .add("notches", notches));
  return inner_.postWheel(direction, notches);
}

}  // namespace halvane
