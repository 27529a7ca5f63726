#pragma once

#include "platform/desktop/frontapp/BackendChoice.h"
#include "platform/desktop/frontapp/FrontApplicationWatcher.h"
#include "platform/desktop/frontapp/FrontSourceServices.h"

#include <memory>

namespace halvane {

// The front application watcher of this session: the active-window source `choice` names (see
// createActiveWindowSource) resolved against the installed desktop entries, which it keeps up to
// date. Without a source, a watcher that never reports a switch. With HALVANE_DEBUG set, each
// application switch is logged. Create it once the application object exists.
std::unique_ptr<FrontApplicationWatcher> createFrontApplicationWatcher(
    const FrontBackendChoice& choice, const SessionProbe& probe,
    const FrontSourceServices& services);

}  // namespace halvane
