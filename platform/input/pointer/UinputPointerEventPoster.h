#pragma once

#include "platform/input/pointer/PointerEventPoster.h"
#include "platform/input/uinput/InputEventSink.h"
#include "platform/input/uinput/UinputDevice.h"

#include <memory>
#include <set>

namespace halvane {

class SystemLog;

// Posts buttons and wheel notches as a virtual mouse made through uinput: they reach every
// application, X11 or Wayland, like a real mouse's. The wheel also sends the high-resolution
// axes (120 per notch) that libinput and newer applications read.
class UinputPointerEventPoster : public PointerEventPoster {
 public:
  // The events go to sink, which the poster keeps for its whole life (the device is made once).
  UinputPointerEventPoster(std::unique_ptr<InputEventSink> sink, SystemLog& log);
  // Lets go of the buttons still down.
  ~UinputPointerEventPoster() override;

  // The five buttons and both wheels; the device also claims the X and Y axes (never moved),
  // since udev and libinput take a device for a mouse only when it has them.
  static UinputDevice::Capabilities capabilities();
  // The kernel's code of a button (BTN_LEFT...).
  static int evdevButton(settings::MouseButton button);

  bool postButton(settings::MouseButton button, bool down) override;
  bool postWheel(settings::WheelDirection direction, int notches) override;

 private:
  bool send(const std::vector<InputEvent>& frame);

  std::unique_ptr<InputEventSink> sink_;
  SystemLog& log_;
  std::set<int> held_;
  bool writing_ = true;  // whether the last write went through
};

}  // namespace halvane
