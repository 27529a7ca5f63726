#include "HalvanePrefPanel/widgets/ProfilesTableModel.h"

#include "HalvanePrefPanel/widgets/PaneColors.h"

#include <QColor>

namespace halvane {

ProfilesTableModel::ProfilesTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void ProfilesTableModel::setColumns(const QStringList& identifiers, const QStringList& titles,
                                    const QStringList& editableIdentifiers) {
  beginResetModel();
  identifiers_ = identifiers;
  titles_ = titles;
  editable_ = editableIdentifiers;
  endResetModel();
}

bool ProfilesTableModel::isEditableColumn(int column) const {
  return editable_.contains(columnIdentifier(column));
}

bool ProfilesTableModel::isCheckBoxColumn(int column) const {
  return columnIdentifier(column) == QLatin1String(kCheckBoxColumn);
}

bool ProfilesTableModel::setItems(const PlistValue& items) {
  if (items.isSameObject(items_)) return false;
  beginResetModel();
  items_ = items.isArray() ? items : PlistValue::array();
  endResetModel();
  return true;
}

void ProfilesTableModel::addRow(const PlistValue& record) {
  const int row = rowCount();
  beginInsertRows({}, row, row);
  items_.append(record);
  endInsertRows();
}

void ProfilesTableModel::removeRow(int row) {
  if (row < 0 || row >= rowCount()) return;
  beginRemoveRows({}, row, row);
  items_.removeAt(row);
  endRemoveRows();
}

void ProfilesTableModel::reloadData() {
  if (rowCount() > 0 && columnCount() > 0)
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void ProfilesTableModel::beginPaint() {
  painting_ = false;
  paintProfile_ = currentHelperProfile();
  painting_ = true;
}

void ProfilesTableModel::endPaint() {
  painting_ = false;
}

std::optional<int> ProfilesTableModel::currentHelperProfile() const {
  if (painting_) return paintProfile_;
  return helperProfile_ ? helperProfile_() : std::nullopt;
}

int ProfilesTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : int(items_.count());
}

int ProfilesTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : int(identifiers_.size());
}

QVariant ProfilesTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const PlistValue value = items_.at(index.row())[columnIdentifier(index.column())];
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::ToolTipRole:
      if (isCheckBoxColumn(index.column())) return {};
      return value.toString();
    case Qt::CheckStateRole:
      if (!isCheckBoxColumn(index.column())) return {};
      return value.toBool() ? Qt::Checked : Qt::Unchecked;
    case Qt::AccessibleTextRole:
    case Qt::AccessibleDescriptionRole:
      return accessibleText(index, role);
    case Qt::ForegroundRole: {
      // A helper that is gone answers nothing: every row is then black.
      const std::optional<int> current = currentHelperProfile();
      return current && *current == index.row() ? paneColors::currentProfileText(palette_)
                                                : paneColors::profileText(palette_);
    }
    default:
      return {};
  }
}

// What a screen reader says of a cell that shows no text (a check box, a profile without an
// application), and how the keyboard changes a cell.
QVariant ProfilesTableModel::accessibleText(const QModelIndex& index, int role) const {
  const bool checkBox = isCheckBoxColumn(index.column());
  if (role == Qt::AccessibleDescriptionRole) {
    if (checkBox) return tr("Space switches it on or off");
    if (isEditableColumn(index.column())) return tr("F2 or Enter renames the profile");
    return tr("Enter chooses the application that switches to this profile");
  }
  if (checkBox) return headerData(index.column(), Qt::Horizontal, Qt::DisplayRole);
  const QString text = items_.at(index.row())[columnIdentifier(index.column())].toString();
  //: What a screen reader says of an empty cell of the profiles table
  return text.isEmpty() ? tr("none") : text;
}

bool ProfilesTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || index.row() >= rowCount()) return false;
  PlistValue record = items_.at(index.row());
  const QString key = columnIdentifier(index.column());
  if (isCheckBoxColumn(index.column()) && role == Qt::CheckStateRole)
    record.set(key, value.toInt() == Qt::Checked);
  else if (!isCheckBoxColumn(index.column()) && role == Qt::EditRole)
    record.set(key, value.toString());
  else
    return false;
  emit dataChanged(index, index);
  return true;
}

Qt::ItemFlags ProfilesTableModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags flags = QAbstractTableModel::flags(index);
  if (!index.isValid()) return flags;
  if (isCheckBoxColumn(index.column()))
    flags |= Qt::ItemIsUserCheckable;
  else if (isEditableColumn(index.column()))
    flags |= Qt::ItemIsEditable;
  return flags;
}

QVariant ProfilesTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Vertical) {
    return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
  }
  if (role != Qt::DisplayRole) return {};
  return titles_.value(section, columnIdentifier(section));
}

}  // namespace halvane
