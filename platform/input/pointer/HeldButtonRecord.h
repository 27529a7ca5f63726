#pragma once

#include "platform/input/held/HeldInputs.h"
#include "platform/input/pointer/PointerEventPoster.h"

#include <vector>

namespace halvane {

// Stands between the macro player and the pointer poster and remembers which buttons are down,
// in the order pressed, so that a macro's end or a stop half-way (Escape, quitting, suspend, the
// keyboard unplugged) lets go of every one of them. As with keys, only what the poster delivered
// counts: a refused press is not held, a button whose release was refused stays held.
class HeldButtonRecord : public PointerEventPoster {
 public:
  explicit HeldButtonRecord(PointerEventPoster& inner) : inner_(inner) {}

  bool postButton(settings::MouseButton button, bool down) override;
  bool postWheel(settings::WheelDirection direction, int notches) override;

  const std::vector<settings::MouseButton>& heldButtons() const { return held_.held(); }
  // Lets go of each held button, the last pressed first; those whose release fails stay held.
  void releaseAll();

 private:
  PointerEventPoster& inner_;
  HeldInputs<settings::MouseButton> held_;
};

}  // namespace halvane
