#include "platform/input/posters/UinputKeyboardEventPoster.h"

#include "platform/input/keycodes/MacKeyCodes.h"

#include <linux/input-event-codes.h>

#include <algorithm>

namespace halvane {

UinputKeyboardEventPoster::UinputKeyboardEventPoster(std::unique_ptr<InputEventSink> sink)
    : sink_(std::move(sink)) {}

UinputKeyboardEventPoster::~UinputKeyboardEventPoster() {
  const std::set<int> held = held_;
  for (int key : held) emitKey(key, false);
}

UinputDevice::Capabilities UinputKeyboardEventPoster::capabilities() {
  UinputDevice::Capabilities caps;
  for (int mac = 0; mac < 128; ++mac)
    if (const std::optional<int> evdev = evdevForMacKeyCode(mac)) caps.keys.push_back(*evdev);
  std::sort(caps.keys.begin(), caps.keys.end());
  caps.keys.erase(std::unique(caps.keys.begin(), caps.keys.end()), caps.keys.end());
  return caps;
}

void UinputKeyboardEventPoster::postKeyboardEvent(quint16 virtualKeyCode, bool keyDown) {
  if (const std::optional<int> evdev = evdevForMacKeyCode(virtualKeyCode)) emitKey(*evdev, keyDown);
}

void UinputKeyboardEventPoster::emitKey(int evdevKey, bool down) {
  sink_->emitFrame({{EV_KEY, std::uint16_t(evdevKey), down ? 1 : 0}});
  if (down)
    held_.insert(evdevKey);
  else
    held_.erase(evdevKey);
}

}  // namespace halvane
