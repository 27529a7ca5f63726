#pragma once

#include "platform/desktop/probe/SessionProbe.h"
#include "platform/system/backends/TypedChoice.h"

namespace halvane {

enum class HIDEventBackend { Uinput, TraceOnly };

QString hidEventBackendName(HIDEventBackend backend);

using HIDEventBackendChoice = TypedChoice<HIDEventBackend>;

// uinput when /dev/uinput can be used, else the events are only traced. Pure.
HIDEventBackendChoice chooseHIDEventBackend(const SessionProbe& probe);

}  // namespace halvane
