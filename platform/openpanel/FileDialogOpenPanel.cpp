#include "platform/openpanel/FileDialogOpenPanel.h"

#include "platform/openpanel/ApplicationFile.h"

#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QSortFilterProxyModel>

namespace halvane {
namespace {

// Hides every file that is not an application; folders stay so the user can walk into them.
class ApplicationFilter : public QSortFilterProxyModel {
 public:
  using QSortFilterProxyModel::QSortFilterProxyModel;

 protected:
  bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (!files) return true;
    const QModelIndex index = files->index(row, 0, parent);
    return files->isDir(index) || isApplicationFile(files->filePath(index));
  }
};

// The system's folder holds what is installed; the user's own folder is often empty.
QString applicationsFolder() {
  const QString system = QStringLiteral("/usr/share/applications");
  return QDir(system).exists() ? system : QDir::homePath();
}

}  // namespace

QStringList FileDialogOpenPanel::runModalForTypes(const QStringList& fileTypes,
                                                  bool allowsMultipleSelection, QWidget* parent) {
  QFileDialog dialog(parent);
  dialog.setFileMode(allowsMultipleSelection ? QFileDialog::ExistingFiles
                                             : QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  if (fileTypes.contains(QStringLiteral("app"))) {
    // The filter model needs Qt's own dialog; a native one would ignore it.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setProxyModel(new ApplicationFilter(&dialog));
    dialog.setDirectory(applicationsFolder());
    dialog.setWindowTitle(QObject::tr("Choose an Application"));
  } else if (!fileTypes.isEmpty()) {
    QStringList patterns;
    for (const QString& type : fileTypes) patterns.append(QStringLiteral("*.") + type);
    dialog.setNameFilter(patterns.join(u' '));
  }
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.selectedFiles();
}

}  // namespace halvane
