#pragma once

#include "platform/input/posters/KeyboardEventPoster.h"
#include "platform/input/uinput/InputEventSink.h"
#include "platform/input/uinput/UinputDevice.h"

#include <memory>
#include <set>

namespace halvane {

class SystemLog;

// Posts key events as a virtual keyboard made through uinput: they reach every application,
// X11 or Wayland, like the keys of a real keyboard. A key the device refuses is not held; the
// log hears when the device starts refusing keys and when it takes them again, not of each key.
class UinputKeyboardEventPoster : public KeyboardEventPoster {
 public:
  // The events go to sink, which the poster keeps for its whole life (the device is made once).
  UinputKeyboardEventPoster(std::unique_ptr<InputEventSink> sink, SystemLog& log);
  // Releases the keys still held.
  ~UinputKeyboardEventPoster() override;

  // Every key the table of virtual key codes can produce.
  static UinputDevice::Capabilities capabilities();

  // The kernel neither suppresses local events nor combines a virtual device's keys with
  // another device's state, so these have nothing to do; the platform trace records them.
  void setLocalEventsSuppressionInterval(double) override {}
  void enableEventStateCombining(bool) override {}
  // A key code without an evdev key is skipped.
  bool postKeyboardEvent(quint16 virtualKeyCode, bool keyDown) override;

 private:
  bool emitKey(int evdevKey, bool down);
  void noteWrite(bool written);

  std::unique_ptr<InputEventSink> sink_;
  SystemLog& log_;
  std::set<int> held_;
  bool writing_ = true;  // whether the last write went through
};

}  // namespace halvane
