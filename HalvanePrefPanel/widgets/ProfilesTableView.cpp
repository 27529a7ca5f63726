#include "HalvanePrefPanel/widgets/ProfilesTableView.h"

#include "HalvanePrefPanel/controller/HalvanePref.h"
#include "HalvanePrefPanel/controller/PaneGlobals.h"
#include "HalvanePrefPanel/widgets/PaneColors.h"
#include "platform/desktop/openpanel/ApplicationFile.h"
#include "platform/desktop/openpanel/OpenPanel.h"
#include "platform/system/control/RemoteProxy.h"

#include <QAccessible>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace halvane {
namespace {

// The helper's profile, asked through the pane; nothing without a pane or a helper.
std::optional<int> helperProfileThroughPane() {
  RemoteProxy* helper = gHVPrefsApp ? gHVPrefsApp->keyboardHelper() : nullptr;
  return helper ? helper->getCurrentProfile() : std::nullopt;
}

}  // namespace

ProfilesTableView::ProfilesTableView(QWidget* parent)
    : QTableView(parent), model_(new ProfilesTableModel(this)) {
  model_->setHelperProfile(helperProfileThroughPane);
  setModel(model_);
  setSelectionBehavior(SelectRows);
  setSelectionMode(SingleSelection);
  setTextElideMode(Qt::ElideRight);
  setEditTriggers(DoubleClicked | EditKeyPressed | SelectedClicked);
  setMouseTracking(true);
  setTabKeyNavigation(false);  // Tab leaves the table; the arrows move in it
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 10);
  // Screen readers keep the names they were told; a changed cell tells them its new one.
  connect(model_, &QAbstractItemModel::dataChanged, this,
          [this](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
            tellScreenReaders(topLeft, bottomRight);
          });
  // A double-click edits an editable cell; on any other cell it assigns an application.
  connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
    if (!model_->isEditableColumn(index.column())) handleDoubleClick();
  });
}

void ProfilesTableView::setColumnIdentifiers(const QStringList& identifiers) {
  identifiers_ = identifiers;
  updateColumns();
}

void ProfilesTableView::setColumnTitles(const QStringList& titles) {
  titles_ = titles;
  updateColumns();
}

void ProfilesTableView::setEditableColumns(const QStringList& identifiers) {
  editable_ = identifiers;
  updateColumns();
}

// Text columns share the width; a check-box column is as wide as its title. (Sizing a column
// to its contents would ask the helper for its profile once per cell.)
void ProfilesTableView::updateColumns() {
  model_->setColumns(identifiers_, titles_, editable_);
  QHeaderView* header = horizontalHeader();
  for (int column = 0; column < identifiers_.size(); ++column) {
    if (identifiers_[column] != QLatin1String(ProfilesTableModel::kCheckBoxColumn)) {
      header->setSectionResizeMode(column, QHeaderView::Stretch);
      continue;
    }
    header->setSectionResizeMode(column, QHeaderView::Fixed);
    const QString title = model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    header->resizeSection(column, header->fontMetrics().horizontalAdvance(title) + 24);
  }
}

void ProfilesTableView::setItems(const PlistValue& items) {
  model_->setItems(items);
}

int ProfilesTableView::selectedRow() const {
  const QModelIndexList rows = selectionModel()->selectedRows();
  return rows.isEmpty() ? -1 : rows.first().row();
}

void ProfilesTableView::selectRow(int row) {
  if (row < 0 || row >= model_->rowCount()) return;
  selectionModel()->select(model_->index(row, 0),
                           QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

PlistValue ProfilesTableView::selectedRowItemforColumnIdentifier(const QString& key) const {
  const int row = selectedRow();
  return row < 0 ? PlistValue() : items().at(row)[key];
}

// An application is its desktop entry: the entry's path is stored, and its Name shown, as the
// user's menus show it. A program without an entry is stored by its executable's real path.
void ProfilesTableView::handleDoubleClick() {
  const int row = selectedRow();
  if (row < 0 || !openPanel_) return;
  const QStringList chosen = openPanel_->runModalForTypes({QStringLiteral("app")}, false, window());
  if (chosen.isEmpty()) return;
  const QString path = chosen.first();
  PlistValue record = items().at(row);
  record.set(QStringLiteral("AssignedApplication"), applicationDisplayName(path));
  record.set(QStringLiteral("ApplicationPath"), applicationPathToStore(path));
  reloadData();
}

void ProfilesTableView::updateHighlighting(const QPoint& viewportPos) {
  const int row = viewport()->rect().contains(viewportPos) ? rowAt(viewportPos.y()) : -1;
  if (row == fMouseOverIndex) return;
  fMouseOverIndex = row;
  viewport()->update();
}

void ProfilesTableView::paintEvent(QPaintEvent* event) {
  {
    QPainter painter(viewport());
    drawBackgroundInClipRect(painter, event->rect());
  }
  model_->setPalette(palette());
  model_->beginPaint();
  QTableView::paintEvent(event);
  model_->endPaint();
}

void ProfilesTableView::drawBackgroundInClipRect(QPainter& painter, const QRect& clip) {
  if (fMouseOverIndex < 0) return;
  const QRect row(0, rowViewportPosition(fMouseOverIndex), viewport()->width(),
                  rowHeight(fMouseOverIndex));
  painter.fillRect(row.intersected(clip), paneColors::rowUnderPointer(palette()));
}

void ProfilesTableView::mouseMoveEvent(QMouseEvent* event) {
  updateHighlighting(event->position().toPoint());
  QTableView::mouseMoveEvent(event);
}

void ProfilesTableView::tellScreenReaders(const QModelIndex& topLeft,
                                          const QModelIndex& bottomRight) {
  if (!QAccessible::isActive()) return;
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(this);
  QAccessibleTableInterface* cells = table ? table->tableInterface() : nullptr;
  if (!cells) return;
  for (int row = topLeft.row(); row <= bottomRight.row(); ++row) {
    for (int column = topLeft.column(); column <= bottomRight.column(); ++column) {
      if (QAccessibleInterface* cell = cells->cellAt(row, column)) {
        QAccessibleEvent changed(cell, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
      }
    }
  }
}

void ProfilesTableView::keyPressEvent(QKeyEvent* event) {
  const QModelIndex current = currentIndex();
  const bool enter = (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
                     event->modifiers() == Qt::NoModifier && state() != EditingState;
  if (!enter || !current.isValid() || (model_->flags(current) & Qt::ItemIsUserCheckable)) {
    QTableView::keyPressEvent(event);
    return;
  }
  event->accept();
  if (model_->isEditableColumn(current.column()))
    edit(current);
  else
    handleDoubleClick();
}

bool ProfilesTableView::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::Leave) updateHighlighting(QPoint(-1, -1));
  return QTableView::viewportEvent(event);
}

}  // namespace halvane
