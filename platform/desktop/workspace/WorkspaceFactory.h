#pragma once

#include "platform/desktop/workspace/Workspace.h"

#include <memory>

namespace halvane {

// The workspace of the user's desktop session.
std::unique_ptr<Workspace> createWorkspace();

}  // namespace halvane
