#pragma once

#include "platform/desktop/appidentity/DesktopEntryIndex.h"
#include "platform/desktop/openpanel/OpenPanel.h"

namespace halvane {

// The open panel of the desktop. The type "app" is the application chooser over the installed
// applications of these XDG folders (read each time it opens, so what was installed since shows);
// every other type is a Qt file dialog.
class FileDialogOpenPanel : public OpenPanel {
 public:
  explicit FileDialogOpenPanel(XdgRoots roots = XdgRoots::fromEnvironment())
      : roots_(std::move(roots)) {}
  QStringList runModalForTypes(const QStringList& fileTypes, bool allowsMultipleSelection,
                               QWidget* parent) override;

 private:
  XdgRoots roots_;
};

}  // namespace halvane
