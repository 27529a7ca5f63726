#pragma once

#include "platform/openpanel/OpenPanel.h"

namespace halvane {

// The open panel as a Qt file dialog. For the type "app" it lists folders, .desktop files and
// executables, starting in the system's applications folder.
class FileDialogOpenPanel : public OpenPanel {
 public:
  QStringList runModalForTypes(const QStringList& fileTypes, bool allowsMultipleSelection,
                               QWidget* parent) override;
};

}  // namespace halvane
