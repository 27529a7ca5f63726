#pragma once

#include "platform/desktop/frontapp/ActiveWindowSource.h"
#include "platform/desktop/frontapp/BackendChoice.h"
#include "platform/desktop/frontapp/FrontSourceServices.h"

#include <memory>

namespace halvane {

// The active-window source `choice` names for the session `probe` describes; nothing when the
// choice is none or its backend cannot be set up after all, which is then logged and told as
// the service's outcome. Create it once the application object exists: sources listen on the
// main loop.
std::unique_ptr<ActiveWindowSource> createActiveWindowSource(const FrontBackendChoice& choice,
                                                             const SessionProbe& probe,
                                                             const FrontSourceServices& services);

}  // namespace halvane
