#pragma once

#include "platform/desktop/probe/SessionProbe.h"

namespace halvane {

// The session of `environment` as every factory sees it: its variables, what its desktop answers
// on `bus` and its compositor, and whether /dev/uinput can be used. main() calls it once.
SessionProbe readSession(const QProcessEnvironment& environment,
                         const QDBusConnection& bus = QDBusConnection::sessionBus());

}  // namespace halvane
