// The profile side of the pane controller: the two profile menus, the media and imaging
// choices, the profile reset, and taking a control out of the window and back.
#include "HalvanePrefPanel/controller/HalvanePref.h"

#include "HalvanePrefPanel/controller/PaneGlobals.h"
#include "shared/ApplicationNames.h"
#include "shared/settings/SettingsStore.h"
#include "ui_HalvanePref.h"

#include <QBoxLayout>

namespace halvane {
namespace {

// Titles "1 - Profile 1" ... and tags 0 ... for every record of Profiles, in order.
template <typename AddItem>
void forEachProfileItem(const PlistValue& profiles, AddItem addItem) {
  for (int n = 1; n <= profiles.count(); ++n)
    addItem(
        QStringLiteral("%1 - %2").arg(n).arg(profiles.at(n - 1)[QStringLiteral("Name")].toString()),
        n - 1);
}

}  // namespace

void HalvanePref::updateProfilesMenu(QMenu* contextSubmenu) {
  const QList<QAction*> old = contextSubmenu->actions();
  for (qsizetype n = old.size() - 1; n >= 0; --n) {
    contextSubmenu->removeAction(old[n]);
    old[n]->deleteLater();
  }
  forEachProfileItem(m_Prefs[QStringLiteral("Profiles")], [&](const QString& title, int tag) {
    QAction* item = contextSubmenu->addAction(title);
    item->setProperty("tag", tag);
    connect(item, &QAction::triggered, this, [this, item] { handleContextMenu(item); });
  });
}

void HalvanePref::updateProfilesMenu(QComboBox* editPopUp) {
  const QSignalBlocker quiet(editPopUp);
  editPopUp->clear();
  forEachProfileItem(m_Prefs[QStringLiteral("Profiles")],
                     [&](const QString& title, int tag) { editPopUp->addItem(title, tag); });
}

void HalvanePref::updateProfilesMenu() {
  updateProfilesMenu(ui_->m_ProfilesSubmenu);
  const int selected = editedProfile();
  updateProfilesMenu(ui_->m_EditProfilePopUpButton);
  ui_->m_EditProfilePopUpButton->setCurrentIndex(selected);
}

// The key display follows when the macro-keys tab is next selected.
void HalvanePref::profileListSelectionChanged() {
  const int row = ui_->m_ProfilesTable->selectedRow();
  if (row < 0) return;
  ui_->m_ResetProfileBtn->setEnabled(true);
  if (editedProfile() != row) ui_->m_EditProfilePopUpButton->setCurrentIndex(row);
  updateProfilesMenu();
}

void HalvanePref::handleEditProfilePopup(int tag) {
  ui_->m_ProfilesTable->selectRow(editedProfile());
  displaySettingsForProfile(tag);
}

const QStringList& HalvanePref::mediaPlayerValues() {
  static const QStringList kPlayers{QStringLiteral("iTunes"), QStringLiteral("QuickTime Player"),
                                    QStringLiteral("VLC"), QStringLiteral("RealPlayer")};
  return kPlayers;
}

const QStringList& HalvanePref::imagingValues() {
  static const QStringList kImaging{QStringLiteral("Preview"), QStringLiteral("PhotoShop"),
                                    QStringLiteral("Illustrator"), QStringLiteral("Adobe Reader"),
                                    QStringLiteral("ACDSee")};
  return kImaging;
}

void HalvanePref::handlePlayerPopup(int tag) {
  if (tag < 0 || tag >= mediaPlayerValues().size()) return;
  m_Prefs[QStringLiteral("Profiles")]
      .at(editedProfile())
      .set(QStringLiteral("MediaPlayer"), mediaPlayerValues()[tag]);
}

void HalvanePref::handleImagingPopup(int tag) {
  if (tag < 0 || tag >= imagingValues().size()) return;
  m_Prefs[QStringLiteral("Profiles")]
      .at(editedProfile())
      .set(QStringLiteral("ImagingOptions"), imagingValues()[tag]);
}

// The items keep their stored values (files move between systems unchanged) but show what
// the values stand for here, with the application's icon, or greyed when it is not installed.
void HalvanePref::showApplicationTitles() {
  const ApplicationNames names = ApplicationNames::read(
      bundle().resourcePath(QString::fromLatin1(ApplicationNames::kResourceName),
                            QString::fromLatin1(ApplicationNames::kResourceType)));
  const std::pair<QComboBox*, const QStringList*> popUps[] = {
      {ui_->m_MediaPlayerPopUpButton, &mediaPlayerValues()},
      {ui_->m_ImagingPopUpButton, &imagingValues()}};
  for (const auto& [popUp, values] : popUps) {
    const QColor missing = popUp->palette().color(QPalette::Disabled, QPalette::Text);
    for (int n = 0; n < popUp->count(); ++n) {
      const ApplicationName* entry = names.find(values->value(popUp->itemData(n).toInt()));
      if (!entry) continue;  // the table does not know it: the stored value is its best name
      if (!services_.installedApplications) {
        popUp->setItemText(n, entry->title);
        continue;
      }
      const std::optional<InstalledApplication> installed =
          services_.installedApplications->find(entry->desktopIds, entry->executable);
      if (installed) {
        popUp->setItemText(n, entry->title);
        popUp->setItemIcon(n, installed->icon);
      } else {
        //: %1 is an application's name.
        popUp->setItemText(n, tr("%1 (not installed)").arg(entry->title));
        popUp->setItemData(n, missing, Qt::ForegroundRole);
      }
    }
    // A translated "(not installed)" can run long: the window keeps room for the longest item.
    popUp->setMinimumWidth(popUp->sizeHint().width());
  }
}

// With no row selected there is no profile to reset: nothing happens.
void HalvanePref::resetProfile() {
  const int row = ui_->m_ProfilesTable->selectedRow();
  if (row < 0) return;
  PlistValue record = m_Prefs[QStringLiteral("Profiles")].at(row);
  const PlistValue keys = record[QStringLiteral("MacroKeys")];
  for (int key = 0; key < keys.count(); ++key) resetKey(keys.at(key));
  record.set(QStringLiteral("AssignedApplication"), QString());
  record.set(QStringLiteral("ApplicationPath"), QString());
  record.set(QStringLiteral("Name"), settings::defaultProfileName(row));
  record.set(QStringLiteral("AutoSwitching"), true);
  ui_->m_ProfilesTable->reloadData();
  record.set(QStringLiteral("SwapCmdAlt"), true);
}

// One control at a time can be out; it keeps its place in its layout for the way back.
void HalvanePref::hideControl(QWidget* view) {
  if (!view || childView || !view->parentWidget()) return;
  parentView = view->parentWidget();
  previousKeyView = view->previousInFocusChain();
  childLayoutIndex = parentView->layout() ? parentView->layout()->indexOf(view) : -1;
  view->setParent(nullptr);
  childView.reset(view);
}

void HalvanePref::showControl() {
  if (!parentView || !childView) return;
  QWidget* view = childView.release();
  view->setParent(parentView);
  if (auto* box = qobject_cast<QBoxLayout*>(parentView->layout()); box && childLayoutIndex >= 0)
    box->insertWidget(childLayoutIndex, view);
  view->show();
  if (previousKeyView) QWidget::setTabOrder(previousKeyView, view);
  parentView = nullptr;
}

}  // namespace halvane
