#include "platform/desktop/workspace/WorkspaceFactory.h"

#include "platform/desktop/workspace/DesktopWorkspace.h"

namespace halvane {

std::unique_ptr<Workspace> createWorkspace() {
  return std::make_unique<DesktopWorkspace>();
}

}  // namespace halvane
