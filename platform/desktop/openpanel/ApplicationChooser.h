#pragma once

#include <QDialog>
#include <QString>

#include <functional>

class QLineEdit;
class QListView;
class QSortFilterProxyModel;

namespace halvane {

class DesktopEntryIndex;

// The modal chooser of an application: the installed applications (icon and name, sorted by
// name, narrowed by what is typed into the search field) and an "Other…" button for any
// .desktop file or executable. The entries are the index's, so what can be chosen here is what
// the front-application watcher recognises; entries with NoDisplay=true are left out.
class ApplicationChooser : public QDialog {
  Q_OBJECT

 public:
  // Asks for any application file; an empty answer is a cancel and leaves the chooser open.
  using FilePicker = std::function<QString(QWidget* parent)>;

  // The index must outlive the chooser.
  ApplicationChooser(const DesktopEntryIndex& index, FilePicker pickFile,
                     QWidget* parent = nullptr);

  // The chosen entry's file or the file picked through "Other…"; empty until one is accepted.
  QString chosenPath() const { return chosen_; }

 protected:
  // The arrow and page keys typed into the search field move through the list.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void narrow(const QString& text);
  void chooseCurrent();
  void chooseOther();

  FilePicker pickFile_;
  QLineEdit* search_;
  QListView* list_;
  QSortFilterProxyModel* filter_;
  QString chosen_;
};

// The Qt file dialog showing folders, .desktop files and executables, starting in the system's
// applications folder; the chosen file, or empty when cancelled.
QString pickApplicationFile(QWidget* parent);

}  // namespace halvane
