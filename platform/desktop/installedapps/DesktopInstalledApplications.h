#pragma once

#include "platform/desktop/appidentity/DesktopEntryIndex.h"
#include "platform/desktop/installedapps/InstalledApplications.h"

namespace halvane {

// Looks in the XDG applications folders (the user's first, Flatpak's exports where
// XDG_DATA_DIRS names them) and on the PATH, as they are when the object is made.
class DesktopInstalledApplications : public InstalledApplications {
 public:
  explicit DesktopInstalledApplications(XdgRoots roots = XdgRoots::fromEnvironment());
  std::optional<InstalledApplication> find(const QStringList& desktopIds,
                                           const QString& executable) override;

 private:
  DesktopEntryIndex index_;
};

}  // namespace halvane
