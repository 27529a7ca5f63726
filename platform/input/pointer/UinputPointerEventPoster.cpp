#include "platform/input/pointer/UinputPointerEventPoster.h"

#include "platform/system/log/SystemLog.h"

#include <linux/input-event-codes.h>

namespace halvane {

namespace {

// What one notch of a wheel is on the high-resolution axes.
constexpr int kHighResolutionNotch = 120;

}  // namespace

UinputPointerEventPoster::UinputPointerEventPoster(std::unique_ptr<InputEventSink> sink,
                                                   SystemLog& log)
    : sink_(std::move(sink)), log_(log) {}

UinputPointerEventPoster::~UinputPointerEventPoster() {
  const std::set<int> held = held_;
  for (int button : held) send({{EV_KEY, std::uint16_t(button), 0}});
}

UinputDevice::Capabilities UinputPointerEventPoster::capabilities() {
  return {{BTN_LEFT, BTN_RIGHT, BTN_MIDDLE, BTN_SIDE, BTN_EXTRA},
          {REL_X, REL_Y, REL_HWHEEL, REL_WHEEL, REL_WHEEL_HI_RES, REL_HWHEEL_HI_RES}};
}

int UinputPointerEventPoster::evdevButton(settings::MouseButton button) {
  switch (button) {
    case settings::MouseButton::Left:
      return BTN_LEFT;
    case settings::MouseButton::Right:
      return BTN_RIGHT;
    case settings::MouseButton::Middle:
      return BTN_MIDDLE;
    case settings::MouseButton::Back:
      return BTN_SIDE;
    case settings::MouseButton::Forward:
      return BTN_EXTRA;
  }
  return BTN_LEFT;
}

bool UinputPointerEventPoster::postButton(settings::MouseButton button, bool down) {
  const int code = evdevButton(button);
  if (!send({{EV_KEY, std::uint16_t(code), down ? 1 : 0}})) return false;
  if (down)
    held_.insert(code);
  else
    held_.erase(code);
  return true;
}

bool UinputPointerEventPoster::postWheel(settings::WheelDirection direction, int notches) {
  using settings::WheelDirection;
  const bool vertical = direction == WheelDirection::Up || direction == WheelDirection::Down;
  // The kernel counts up and right as positive.
  const int sign = direction == WheelDirection::Up || direction == WheelDirection::Right ? 1 : -1;
  const int value = sign * notches;
  return send({{EV_REL, std::uint16_t(vertical ? REL_WHEEL : REL_HWHEEL), value},
               {EV_REL, std::uint16_t(vertical ? REL_WHEEL_HI_RES : REL_HWHEEL_HI_RES),
                value * kHighResolutionNotch}});
}

bool UinputPointerEventPoster::send(const std::vector<InputEvent>& frame) {
  const bool written = sink_->emitFrame(frame);
  // The log hears when the device starts refusing events and when it takes them again.
  if (written != writing_) {
    writing_ = written;
    log_.log(written ? QStringLiteral("uinput virtual pointer: events are written again")
                     : QStringLiteral("uinput virtual pointer: an event could not be written; "
                                      "mouse steps are lost until the device takes them again"));
  }
  return written;
}

}  // namespace halvane
