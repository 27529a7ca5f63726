#include "platform/desktop/openpanel/FileDialogOpenPanel.h"

#include "platform/desktop/openpanel/ApplicationChooser.h"

#include <QFileDialog>

namespace halvane {

QStringList FileDialogOpenPanel::runModalForTypes(const QStringList& fileTypes,
                                                  bool allowsMultipleSelection, QWidget* parent) {
  if (fileTypes.contains(QStringLiteral("app"))) {
    const DesktopEntryIndex index(roots_);
    ApplicationChooser chooser(index, pickApplicationFile, parent);
    if (chooser.exec() != QDialog::Accepted || chooser.chosenPath().isEmpty()) return {};
    return {chooser.chosenPath()};
  }
  QFileDialog dialog(parent);
  dialog.setFileMode(allowsMultipleSelection ? QFileDialog::ExistingFiles
                                             : QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  if (!fileTypes.isEmpty()) {
    QStringList patterns;
    for (const QString& type : fileTypes) patterns.append(QStringLiteral("*.") + type);
    dialog.setNameFilter(patterns.join(u' '));
  }
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.selectedFiles();
}

}  // namespace halvane
