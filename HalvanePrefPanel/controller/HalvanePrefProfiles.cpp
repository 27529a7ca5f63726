// The profile side of the pane controller: the two profile menus, the media and imaging
// choices, the profile reset, and taking a control out of the window and back.
#include "HalvanePrefPanel/controller/HalvanePref.h"

#include "HalvanePrefPanel/controller/PaneGlobals.h"
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

void HalvanePref::handlePlayerPopup(int tag) {
  static const QStringList kPlayers{QStringLiteral("iTunes"), QStringLiteral("QuickTime Player"),
                                    QStringLiteral("VLC"), QStringLiteral("RealPlayer")};
  if (tag < 0 || tag >= kPlayers.size()) return;
  m_Prefs[QStringLiteral("Profiles")]
      .at(editedProfile())
      .set(QStringLiteral("MediaPlayer"), kPlayers[tag]);
}

void HalvanePref::handleImagingPopup(int tag) {
  static const QStringList kImaging{QStringLiteral("Preview"), QStringLiteral("PhotoShop"),
                                    QStringLiteral("Illustrator"), QStringLiteral("Adobe Reader"),
                                    QStringLiteral("ACDSee")};
  if (tag < 0 || tag >= kImaging.size()) return;
  m_Prefs[QStringLiteral("Profiles")]
      .at(editedProfile())
      .set(QStringLiteral("ImagingOptions"), kImaging[tag]);
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
  record.set(QStringLiteral("Name"), QStringLiteral("Profile %1").arg(row + 1));
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
