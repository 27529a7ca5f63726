#pragma once

#include "platform/desktop/probe/SessionProbe.h"

namespace halvane {

// The session the pane's hot keys and key texts follow, read once per process: by the pane's
// entry point when it starts, else on first use.
const SessionProbe& paneSession();

}  // namespace halvane
