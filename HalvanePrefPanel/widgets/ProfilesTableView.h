#pragma once

#include "HalvanePrefPanel/widgets/ProfilesTableModel.h"

#include <QTableView>

namespace halvane {

class OpenPanel;

// The table of profiles: its own model over the settings tree's Profiles array, in-place edits
// of the records, a double-click that assigns an application to the selected profile, the
// helper's current profile in blue and a light-blue fill under the pointer. The columns come
// from the interface file: identifiers (record keys), titles and which identifiers are editable.
class ProfilesTableView : public QTableView {
  Q_OBJECT
  Q_PROPERTY(QStringList columnIdentifiers READ columnIdentifiers WRITE setColumnIdentifiers)
  Q_PROPERTY(QStringList columnTitles READ columnTitles WRITE setColumnTitles)
  Q_PROPERTY(QStringList editableColumns READ editableColumns WRITE setEditableColumns)

 public:
  explicit ProfilesTableView(QWidget* parent = nullptr);

  QStringList columnIdentifiers() const { return identifiers_; }
  void setColumnIdentifiers(const QStringList& identifiers);
  QStringList columnTitles() const { return titles_; }
  void setColumnTitles(const QStringList& titles);
  QStringList editableColumns() const { return editable_; }
  void setEditableColumns(const QStringList& identifiers);

  ProfilesTableModel* profilesModel() const { return model_; }
  const PlistValue& items() const { return model_->items(); }
  // Holds the array itself; nothing happens when it is already held.
  void setItems(const PlistValue& items);
  void addRow(const PlistValue& record) { model_->addRow(record); }
  void removeRow(int row) { model_->removeRow(row); }
  void reloadData() { model_->reloadData(); }
  // The selected row, or -1.
  int selectedRow() const;
  void selectRow(int row);
  // The selected record's value under key; None when no row is selected.
  PlistValue selectedRowItemforColumnIdentifier(const QString& key) const;

  void setOpenPanel(OpenPanel* openPanel) { openPanel_ = openPanel; }
  // Asks for an application and binds it to the selected profile.
  void handleDoubleClick();

  int mouseOverIndex() const { return fMouseOverIndex; }
  // The row under a point of the viewport becomes the highlighted one.
  void updateHighlighting(const QPoint& viewportPos);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  // Enter does what a double-click does: renames, or assigns an application.
  void keyPressEvent(QKeyEvent* event) override;
  bool viewportEvent(QEvent* event) override;

 private:
  void drawBackgroundInClipRect(QPainter& painter, const QRect& clip);
  void tellScreenReaders(const QModelIndex& topLeft, const QModelIndex& bottomRight);
  void updateColumns();

  ProfilesTableModel* model_;
  OpenPanel* openPanel_ = nullptr;
  QStringList identifiers_, titles_, editable_;
  int fMouseOverIndex = -1;
};

}  // namespace halvane
