#pragma once

#include "platform/desktop/frontapp/FrontApplicationWatcher.h"

#include <memory>

namespace halvane {

class SystemLog;

// The front application watcher of this session: its active-window source (one log line, see
// createActiveWindowSource) resolved against the installed desktop entries, which it keeps up to
// date. Without a source, a watcher that never reports a switch. With HALVANE_DEBUG set, each
// application switch is logged. Create it once the application object exists.
std::unique_ptr<FrontApplicationWatcher> createFrontApplicationWatcher(SystemLog& log);

}  // namespace halvane
