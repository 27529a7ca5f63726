#pragma once

#include "platform/input/hidevent/HIDEventSystem.h"

#include <memory>

namespace halvane {

class SystemLog;

// The HID event service of this machine (a uinput device made when it is opened), with one log
// line saying whether /dev/uinput can be used and, when not, why and what to do.
std::unique_ptr<HIDEventSystem> createHIDEventSystem(SystemLog& log);

}  // namespace halvane
