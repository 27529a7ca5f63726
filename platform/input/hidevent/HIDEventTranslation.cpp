#include "platform/input/hidevent/HIDEventTranslation.h"

#include "platform/input/keycodes/MacKeyCodes.h"
#include "shared/settings/MacModifiers.h"

#include <linux/input-event-codes.h>

#include <algorithm>
#include <optional>

namespace halvane {
namespace {

using namespace hidevent;
using Frames = std::vector<std::vector<InputEvent>>;

// The auxiliary key types of system-defined events (index) and their evdev keys; 0 where
// Linux has no such key (the display contrast keys).
constexpr int kAuxKeys[] = {
    KEY_VOLUMEUP,         // 0 sound up
    KEY_VOLUMEDOWN,       // 1 sound down
    KEY_BRIGHTNESSUP,     // 2
    KEY_BRIGHTNESSDOWN,   // 3
    KEY_CAPSLOCK,         // 4
    KEY_HELP,             // 5
    KEY_POWER,            // 6
    KEY_MUTE,             // 7
    KEY_UP,               // 8 up arrow
    KEY_DOWN,             // 9 down arrow
    KEY_NUMLOCK,          // 10
    0,                    // 11 contrast up
    0,                    // 12 contrast down
    KEY_DASHBOARD,        // 13 launch panel
    KEY_EJECTCD,          // 14 eject
    KEY_SWITCHVIDEOMODE,  // 15 video mirroring
    KEY_PLAYPAUSE,        // 16 play
    KEY_NEXTSONG,         // 17 next
    KEY_PREVIOUSSONG,     // 18 previous
    KEY_FASTFORWARD,      // 19 fast
    KEY_REWIND,           // 20 rewind
    KEY_KBDILLUMUP,       // 21 keyboard illumination up
    KEY_KBDILLUMDOWN,     // 22
    KEY_KBDILLUMTOGGLE,   // 23
};

// The modifier flag a modifier key sets while held.
std::optional<quint32> flagOfModifierKey(int macKeyCode) {
  switch (macKeyCode) {
    case kVK_Command:
    case kVK_RightCommand:
      return kEventFlagCommand;
    case kVK_Shift:
    case kVK_RightShift:
      return kEventFlagShift;
    case kVK_Option:
    case kVK_RightOption:
      return kEventFlagOption;
    case kVK_Control:
    case kVK_RightControl:
      return kEventFlagControl;
    case kVK_CapsLock:
      return kEventFlagCapsLock;
    case kVK_Function:
      return kEventFlagFunction;
    default:
      return std::nullopt;
  }
}

InputEvent key(int code, int value) {
  return {EV_KEY, std::uint16_t(code), value};
}

Frames flagsChanged(const NXEventData& record, quint32 flags) {
  const int macKey = get16(record, kKeyCode);
  const std::optional<quint32> flag = flagOfModifierKey(macKey);
  const std::optional<int> evdev = evdevForMacKeyCode(macKey);
  if (!flag || !evdev) return {};
  // Caps Lock's flag is the lock state, which a Linux keyboard changes with a whole press.
  if (macKey == kVK_CapsLock) return {{key(*evdev, 1)}, {key(*evdev, 0)}};
  return {{key(*evdev, (flags & *flag) ? 1 : 0)}};
}

Frames keyEvent(quint32 type, const NXEventData& record) {
  const std::optional<int> evdev = evdevForMacKeyCode(get16(record, kKeyCode));
  if (!evdev) return {};
  if (type == kKeyUp) return {{key(*evdev, 0)}};
  return {{key(*evdev, get16(record, kKeyRepeat) ? 2 : 1)}};
}

Frames systemDefined(const NXEventData& record) {
  // The eject pre-event and the button-state pre-event announce what the main event does.
  if (get16(record, kCompoundSubType) != kSubtypeAuxControlButtons) return {};
  const std::uint32_t data1 = get32(record, kCompoundData1);
  const std::uint32_t keyType = (data1 >> 16) & 0xFF;
  const std::uint32_t state = (data1 >> 8) & 0xFF;
  const bool repeat = data1 & 1;
  if (keyType >= std::size(kAuxKeys) || kAuxKeys[keyType] == 0) return {};
  if (state == kAuxKeyDown) return {{key(kAuxKeys[keyType], repeat ? 2 : 1)}};
  if (state == kAuxKeyUp) return {{key(kAuxKeys[keyType], 0)}};
  return {};
}

Frames mouseMoved(const NXEventData& record, quint32 options) {
  // Absolute positions would need the screen layout; the helper only ever moves relatively.
  if (!(options & kSetRelativeCursorPosition)) return {};
  const auto dx = std::int32_t(get32(record, kMouseMoveDx));
  const auto dy = std::int32_t(get32(record, kMouseMoveDy));
  std::vector<InputEvent> frame;
  if (dx) frame.push_back({EV_REL, REL_X, dx});
  if (dy) frame.push_back({EV_REL, REL_Y, dy});  // both grow downwards
  if (frame.empty()) return {};
  return {frame};
}

Frames scrollWheel(const NXEventData& record) {
  const auto vertical = std::int16_t(get16(record, kScrollDeltaAxis1));
  const auto horizontal = std::int16_t(get16(record, kScrollDeltaAxis2));
  std::vector<InputEvent> frame;
  if (vertical) frame.push_back({EV_REL, REL_WHEEL, vertical});  // positive: up, on both
  // On the Mac a positive second axis scrolls left; Linux counts right as positive.
  if (horizontal) frame.push_back({EV_REL, REL_HWHEEL, -horizontal});
  if (frame.empty()) return {};
  return {frame};
}

}  // namespace

Frames translateHIDEvent(quint32 eventType, const NXEventData& record, quint32 flags,
                         quint32 options) {
  switch (eventType) {
    case kLeftMouseDown:
      return {{key(BTN_LEFT, 1)}};
    case kLeftMouseUp:
      return {{key(BTN_LEFT, 0)}};
    case kRightMouseDown:
      return {{key(BTN_RIGHT, 1)}};
    case kRightMouseUp:
      return {{key(BTN_RIGHT, 0)}};
    case kOtherMouseDown:
      return {{key(BTN_MIDDLE, 1)}};
    case kOtherMouseUp:
      return {{key(BTN_MIDDLE, 0)}};
    case kMouseMoved:
    case kLeftMouseDragged:
    case kRightMouseDragged:
    case kOtherMouseDragged:
      return mouseMoved(record, options);
    case kKeyDown:
    case kKeyUp:
      return keyEvent(eventType, record);
    case kFlagsChanged:
      return flagsChanged(record, flags);
    case kSystemDefined:
      return systemDefined(record);
    case kScrollWheelMoved:
      return scrollWheel(record);
    default:
      return {};
  }
}

UinputDevice::Capabilities hidEventCapabilities() {
  UinputDevice::Capabilities caps;
  for (int mac = 0; mac < 128; ++mac)
    if (const std::optional<int> evdev = evdevForMacKeyCode(mac)) caps.keys.push_back(*evdev);
  for (int aux : kAuxKeys)
    if (aux) caps.keys.push_back(aux);
  caps.keys.insert(caps.keys.end(), {BTN_LEFT, BTN_RIGHT, BTN_MIDDLE});
  std::sort(caps.keys.begin(), caps.keys.end());
  caps.keys.erase(std::unique(caps.keys.begin(), caps.keys.end()), caps.keys.end());
  caps.relative = {REL_X, REL_Y, REL_WHEEL, REL_HWHEEL};
  return caps;
}

}  // namespace halvane
