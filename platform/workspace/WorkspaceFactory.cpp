#include "platform/workspace/WorkspaceFactory.h"

#include "platform/workspace/DesktopWorkspace.h"

namespace halvane {

std::unique_ptr<Workspace> createWorkspace() { return std::make_unique<DesktopWorkspace>(); }

}  // namespace halvane
