#pragma once

#include "platform/desktop/overlay/OverlaySurface.h"

#include <memory>

namespace halvane {

class SystemLog;

// The surface for the helper's overlay in this session, named in one log line; nothing when the
// Qt window is the overlay itself.
std::unique_ptr<OverlaySurface> createOverlaySurface(SystemLog& log);

}  // namespace halvane
