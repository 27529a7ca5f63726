#pragma once

#include "platform/frontapp/FrontApplicationWatcher.h"

#include <memory>

namespace halvane {

class SystemLog;

// The front application watcher of this session (X11), with one log line; without an X display
// a watcher that never reports a switch, and the line says so.
std::unique_ptr<FrontApplicationWatcher> createFrontApplicationWatcher(SystemLog& log);

}  // namespace halvane
