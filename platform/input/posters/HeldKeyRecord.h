#pragma once

#include "platform/input/held/HeldInputs.h"
#include "platform/input/posters/KeyboardEventPoster.h"

#include <vector>

namespace halvane {

// Stands between the Parts and the poster and remembers which synthetic keys (modifiers
// included) are down, in the order pressed, so that whatever stops the input half-way (a
// cancelled macro, quitting, suspend, the keyboard unplugged) can let go of every one of them.
// Only what the poster delivered counts: a press it refused is not held, and a key whose release
// it refused stays held, to be let go of later.
class HeldKeyRecord : public KeyboardEventPoster {
 public:
  explicit HeldKeyRecord(KeyboardEventPoster& inner) : inner_(inner) {}

  void setLocalEventsSuppressionInterval(double seconds) override;
  void enableEventStateCombining(bool enabled) override;
  bool postKeyboardEvent(quint16 virtualKeyCode, bool keyDown) override;

  const std::vector<quint16>& heldKeys() const { return held_.held(); }
  // Key-up for each held key, the last pressed first (modifiers, pressed before their key, go
  // last). Nothing when none is held; the keys whose release failed stay held.
  void releaseAll();

 private:
  KeyboardEventPoster& inner_;
  HeldInputs<quint16> held_;
};

}  // namespace halvane
