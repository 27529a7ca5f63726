#pragma once

#include "platform/frontapp/FrontApplicationWatcher.h"

#include <memory>

namespace halvane {

class SystemLog;

// The front application watcher of this session (X11), with one log line; without an X display
// a watcher that never reports a switch, and the line says so. Create it once the application
// object exists: the X11 watcher listens on the main loop.
std::unique_ptr<FrontApplicationWatcher> createFrontApplicationWatcher(SystemLog& log);

}  // namespace halvane
