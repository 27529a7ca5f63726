#include "platform/input/posters/UinputKeyboardEventPoster.h"

#include "platform/input/keycodes/MacKeyCodes.h"
#include "platform/system/log/SystemLog.h"

#include <linux/input-event-codes.h>

#include <algorithm>

namespace halvane {

UinputKeyboardEventPoster::UinputKeyboardEventPoster(std::unique_ptr<InputEventSink> sink,
                                                     SystemLog& log)
    : sink_(std::move(sink)), log_(log) {}

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

bool UinputKeyboardEventPoster::postKeyboardEvent(quint16 virtualKeyCode, bool keyDown) {
  const std::optional<int> evdev = evdevForMacKeyCode(virtualKeyCode);
  return !evdev || emitKey(*evdev, keyDown);
}

bool UinputKeyboardEventPoster::emitKey(int evdevKey, bool down) {
  const bool written = sink_->emitFrame({{EV_KEY, std::uint16_t(evdevKey), down ? 1 : 0}});
  noteWrite(written);
  if (!written) return false;
  if (down)
    held_.insert(evdevKey);
  else
    held_.erase(evdevKey);
  return true;
}

void UinputKeyboardEventPoster::noteWrite(bool written) {
  if (written == writing_) return;
  writing_ = written;
  log_.log(written ? QStringLiteral("uinput virtual keyboard: keys are written again")
                   : QStringLiteral("uinput virtual keyboard: a key could not be written; keys "
                                    "are lost until the device takes them again"));
}

}  // namespace halvane
