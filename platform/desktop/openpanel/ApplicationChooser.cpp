#include "platform/desktop/openpanel/ApplicationChooser.h"

#include "platform/desktop/appidentity/DesktopEntryIndex.h"
#include "platform/desktop/openpanel/ApplicationFile.h"

#include <QAbstractListModel>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHash>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStyle>
#include <QVBoxLayout>

#include <vector>

namespace halvane {
namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kSearchRole = Qt::UserRole + 1;

struct Row {
  QString name, path, icon, search;
};

// The chooser's rows. Icons are looked up when a row is first drawn: a theme lookup for each of
// a few thousand entries up front would hold the dialog back.
class ApplicationListModel : public QAbstractListModel {
 public:
  ApplicationListModel(const DesktopEntryIndex& index, QObject* parent)
      : QAbstractListModel(parent) {
    for (const IndexedEntry& entry : index.entries()) {
      if (entry.noDisplay) continue;
      // The name first; the desktop ID and the program find "nautilus" under "Files".
      const QString search =
          QStringList{entry.name, entry.desktopId.chopped(8), entry.program.section(u'/', -1)}.join(
              u'\n');
      rows_.push_back({entry.name, entry.path, entry.icon, search});
    }
  }
  int rowCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : int(rows_.size());
  }
  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid() || index.row() >= int(rows_.size())) return {};
    const Row& row = rows_[index.row()];
    switch (role) {
      case Qt::DisplayRole:
        return row.name;
      case Qt::ToolTipRole:
      case kPathRole:
        return row.path;
      case kSearchRole:
        return row.search;
      case Qt::DecorationRole:
        return icon(row.icon);
      default:
        return {};
    }
  }

 private:
  QIcon icon(const QString& name) const {
    auto cached = icons_.constFind(name);
    if (cached != icons_.constEnd()) return *cached;
    QIcon found;
    if (name.startsWith(u'/'))
      found = QIcon(name);
    else if (!name.isEmpty())
      found = QIcon::fromTheme(name);
    // Without an icon theme (or an entry without an icon) the style's own file icon stands in.
    if (found.isNull())
      found = QIcon::fromTheme(QStringLiteral("application-x-executable"),
                               QApplication::style()->standardIcon(QStyle::SP_FileIcon));
    icons_.insert(name, found);
    return found;
  }

  std::vector<Row> rows_;
  mutable QHash<QString, QIcon> icons_;
};

// Hides every file that is not an application; folders stay so the user can walk into them.
class ApplicationFileFilter : public QSortFilterProxyModel {
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

ApplicationChooser::ApplicationChooser(const DesktopEntryIndex& index, FilePicker pickFile,
                                       QWidget* parent)
    : QDialog(parent), pickFile_(std::move(pickFile)) {
  setWindowTitle(tr("Choose an Application"));
  search_ = new QLineEdit(this);
  search_->setObjectName(QStringLiteral("search"));
  search_->setPlaceholderText(tr("Search"));
  search_->setClearButtonEnabled(true);
  search_->setAccessibleName(tr("Search the applications"));
  search_->setAccessibleDescription(tr("The arrow keys choose in the list, Enter takes it"));

  filter_ = new QSortFilterProxyModel(this);
  filter_->setSourceModel(new ApplicationListModel(index, filter_));
  filter_->setFilterRole(kSearchRole);
  filter_->setFilterCaseSensitivity(Qt::CaseInsensitive);
  filter_->setSortCaseSensitivity(Qt::CaseInsensitive);
  filter_->setSortLocaleAware(true);
  filter_->sort(0);

  list_ = new QListView(this);
  list_->setObjectName(QStringLiteral("applications"));
  list_->setModel(filter_);
  list_->setIconSize(QSize(24, 24));
  list_->setUniformItemSizes(true);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setAccessibleName(tr("Installed applications"));

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::Cancel, this);
  QPushButton* other = buttons->addButton(tr("Other…"), QDialogButtonBox::ActionRole);
  other->setObjectName(QStringLiteral("other"));
  QPushButton* open = buttons->button(QDialogButtonBox::Open);
  open->setObjectName(QStringLiteral("open"));
  open->setText(tr("Choose"));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(search_);
  layout->addWidget(list_);
  layout->addWidget(buttons);
  resize(420, 480);

  connect(search_, &QLineEdit::textChanged, this, &ApplicationChooser::narrow);
  connect(search_, &QLineEdit::returnPressed, this, &ApplicationChooser::chooseCurrent);
  connect(list_, &QListView::activated, this, &ApplicationChooser::chooseCurrent);
  connect(open, &QPushButton::clicked, this, &ApplicationChooser::chooseCurrent);
  connect(other, &QPushButton::clicked, this, &ApplicationChooser::chooseOther);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(list_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [open](const QModelIndex& current) { open->setEnabled(current.isValid()); });
  open->setEnabled(false);
  search_->installEventFilter(this);
  search_->setFocus();
}

bool ApplicationChooser::eventFilter(QObject* watched, QEvent* event) {
  if (watched == search_ && event->type() == QEvent::KeyPress) {
    switch (static_cast<QKeyEvent*>(event)->key()) {
      case Qt::Key_Up:
      case Qt::Key_Down:
      case Qt::Key_PageUp:
      case Qt::Key_PageDown:
        QCoreApplication::sendEvent(list_, event);
        return true;
      default:
        break;
    }
  }
  return QDialog::eventFilter(watched, event);
}

// Whatever is typed, the best remaining row stays current, so Return takes it.
void ApplicationChooser::narrow(const QString& text) {
  filter_->setFilterFixedString(text);
  list_->setCurrentIndex(filter_->index(0, 0));
}

void ApplicationChooser::chooseCurrent() {
  const QModelIndex current = list_->currentIndex();
  if (!current.isValid()) return;
  chosen_ = current.data(kPathRole).toString();
  accept();
}

void ApplicationChooser::chooseOther() {
  const QString path = pickFile_ ? pickFile_(this) : QString();
  if (path.isEmpty()) return;
  chosen_ = path;
  accept();
}

QString pickApplicationFile(QWidget* parent) {
  QFileDialog dialog(parent);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  // The filter model needs Qt's own dialog; a native one would ignore it.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setProxyModel(new ApplicationFileFilter(&dialog));
  dialog.setDirectory(applicationsFolder());
  dialog.setWindowTitle(ApplicationChooser::tr("Choose an Application"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

}  // namespace halvane
