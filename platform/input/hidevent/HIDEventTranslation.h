#pragma once

#include "platform/input/hidevent/EventRecord.h"
#include "platform/input/hidevent/HIDEventSystem.h"
#include "platform/input/uinput/InputEventSink.h"
#include "platform/input/uinput/UinputDevice.h"

#include <vector>

namespace halvane {

// One posted record as the frames of Linux input events that do the same; nothing for records
// without a Linux counterpart. A frame ends with a SYN_REPORT when emitted.
std::vector<std::vector<InputEvent>> translateHIDEvent(quint32 eventType, const NXEventData& record,
                                                       quint32 flags, quint32 options);

// Every key, button and axis that translateHIDEvent can produce.
UinputDevice::Capabilities hidEventCapabilities();

}  // namespace halvane
