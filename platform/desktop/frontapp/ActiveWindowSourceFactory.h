#pragma once

#include "platform/desktop/frontapp/ActiveWindowSource.h"

#include <memory>

namespace halvane {

class SystemLog;

// The active-window source of this session, named in one log line that starts with "Front
// application:"; nothing when the session offers none, and the line then says why. Create it
// once the application object exists: sources listen on the main loop.
std::unique_ptr<ActiveWindowSource> createActiveWindowSource(SystemLog& log);

}  // namespace halvane
