#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace halvane {

// A modal chooser of existing files. The file type "app" stands for applications: .desktop
// files and executables.
class OpenPanel {
 public:
  virtual ~OpenPanel() = default;
  // The chosen files, in the order chosen; empty when the user cancelled.
  virtual QStringList runModalForTypes(const QStringList& fileTypes, bool allowsMultipleSelection,
                                       QWidget* parent) = 0;
};

}  // namespace halvane
