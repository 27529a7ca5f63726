#pragma once

#include <QtGlobal>

namespace halvane {

// Posts synthetic key events into the desktop's input stream. Key codes are macOS virtual key
// codes everywhere in the product; backends translate them at the edge.
class KeyboardEventPoster {
 public:
  virtual ~KeyboardEventPoster() = default;
  // How long local hardware events are held back after a synthetic one.
  virtual void setLocalEventsSuppressionInterval(double seconds) = 0;
  // Whether synthetic events combine with the physical keyboard's modifier state.
  virtual void enableEventStateCombining(bool enabled) = 0;
  // False when the backend could not deliver the event (it then had no effect). A key code the
  // backend has no key for is skipped, which is no failure.
  virtual bool postKeyboardEvent(quint16 virtualKeyCode, bool keyDown) = 0;
};

}  // namespace halvane
