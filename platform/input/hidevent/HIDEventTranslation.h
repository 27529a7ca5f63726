#pragma once

#include "platform/input/hidevent/HIDEventSystem.h"
#include "platform/input/uinput/InputEventSink.h"
#include "platform/input/uinput/UinputDevice.h"

#include <vector>

namespace halvane {

// Event types, subtypes and options of the HID event records, as the Mac numbers them.
namespace hidevent {
inline constexpr quint32 kLeftMouseDown = 1, kLeftMouseUp = 2, kRightMouseDown = 3,
                         kRightMouseUp = 4, kMouseMoved = 5, kLeftMouseDragged = 6,
                         kRightMouseDragged = 7, kKeyDown = 10, kKeyUp = 11, kFlagsChanged = 12,
                         kSystemDefined = 14, kScrollWheelMoved = 22, kOtherMouseDown = 25,
                         kOtherMouseUp = 26, kOtherMouseDragged = 27;
inline constexpr quint16 kSubtypeAuxMouseButtons = 7, kSubtypeAuxControlButtons = 8,
                         kSubtypeEjectKey = 10;
inline constexpr quint32 kSetRelativeCursorPosition = 4;
}  // namespace hidevent

// One posted record as the frames of Linux input events that do the same; nothing for records
// without a Linux counterpart. A frame ends with a SYN_REPORT when emitted.
std::vector<std::vector<InputEvent>> translateHIDEvent(quint32 eventType, const NXEventData& record,
                                                       quint32 flags, quint32 options);

// Every key, button and axis that translateHIDEvent can produce.
UinputDevice::Capabilities hidEventCapabilities();

}  // namespace halvane
