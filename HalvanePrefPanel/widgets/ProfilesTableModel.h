#pragma once

#include "shared/plist/PlistValue.h"

#include <QAbstractTableModel>
#include <QPalette>
#include <QStringList>

#include <functional>
#include <optional>

namespace halvane {

// The rows of the profiles table over the settings tree's own Profiles array: row n is profile
// record n, and a column shows and edits the record's value under the column's identifier.
// "AutoSwitching" is a check-box column. The row of the helper's current profile is blue (or
// its counterpart in a dark palette).
class ProfilesTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  static constexpr char kCheckBoxColumn[] = "AutoSwitching";
  // Answers the helper's current profile, or nothing when there is no helper.
  using HelperProfile = std::function<std::optional<int>()>;

  explicit ProfilesTableModel(QObject* parent = nullptr);

  void setColumns(const QStringList& identifiers, const QStringList& titles,
                  const QStringList& editableIdentifiers);
  QStringList columnIdentifiers() const { return identifiers_; }
  QString columnIdentifier(int column) const { return identifiers_.value(column); }
  bool isEditableColumn(int column) const;

  const PlistValue& items() const { return items_; }
  // Holds the given array (not a copy); false, with nothing reloaded, when it is already held.
  bool setItems(const PlistValue& items);
  void addRow(const PlistValue& record);
  void removeRow(int row);
  // Shows changes made to the records from outside the table.
  void reloadData();

  void setHelperProfile(HelperProfile helperProfile) { helperProfile_ = std::move(helperProfile); }
  // The palette the rows' text colours are chosen from: the view's.
  void setPalette(const QPalette& palette) { palette_ = palette; }
  // While a paint lasts the helper is asked once, not once per cell.
  void beginPaint();
  void endPaint();

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  bool isCheckBoxColumn(int column) const;
  QVariant accessibleText(const QModelIndex& index, int role) const;
  std::optional<int> currentHelperProfile() const;

  PlistValue items_ = PlistValue::array();
  QStringList identifiers_, titles_, editable_;
  HelperProfile helperProfile_;
  QPalette palette_;
  bool painting_ = false;
  std::optional<int> paintProfile_;
};

}  // namespace halvane
