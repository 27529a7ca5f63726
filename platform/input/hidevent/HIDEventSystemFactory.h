#pragma once

#include "platform/input/hidevent/HIDEventBackendChoice.h"
#include "platform/input/hidevent/HIDEventSystem.h"

#include <memory>

namespace halvane {

// The HID event service `choice` names (a uinput device made when it is opened, or one that
// only takes the events for the trace).
std::unique_ptr<HIDEventSystem> createHIDEventSystem(const HIDEventBackendChoice& choice);

}  // namespace halvane
