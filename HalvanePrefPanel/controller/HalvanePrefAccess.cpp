// The pane for screen readers and for the keyboard alone: the names that controls lack, the
// order of the focus, what each macro key view says and the announcements of changes that are
// shown elsewhere in the window.
#include "HalvanePrefPanel/controller/HalvanePref.h"

#include "HalvanePrefPanel/controller/MacroKeySpeech.h"
#include "HalvanePrefPanel/widgets/HVKeyView.h"
#include "HalvanePrefPanel/widgets/PaneAccessibility.h"
#include "HalvanePrefPanel/widgets/StatusAnnouncer.h"
#include "platform/desktop/workspace/Workspace.h"
#include "ui_HalvanePref.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>

#include <iterator>

namespace halvane {

void HalvanePref::setUpKeyboardAccess(QWidget& view) {
  installPaneAccessibility();
  Ui::HalvanePref& ui = *ui_;
  // One tab stop for each macro key; the labels beside the keys and the Command/Alt marks are
  // only pictures, and what a label shows the key's name says.
  for (HVKeyView* view : ui.keyboardPicture->findChildren<HVKeyView*>())
    view->setFocusPolicy(Qt::NoFocus);
  HVKeyView* const keys[] = {ui.m_L1Key, ui.m_L2Key, ui.m_L3Key, ui.m_L4Key, ui.m_L5Key,
                             ui.m_R1Key, ui.m_R2Key, ui.m_R3Key, ui.m_R4Key, ui.m_R5Key};
  for (HVKeyView* key : keys) {
    key->setFocusPolicy(Qt::StrongFocus);
    key->setAccessibleName(macroKeyName(key->tag()));
    key->setAccessibleDescription(
        tr("Enter or Space changes what the key does, Shift+F10 or the Menu key opens more "
           "choices, the arrow keys go to the other macro keys."));
  }
  ui.keyboardPicture->setAccessibleName(tr("Macro keys"));
  ui.keyboardPicture->setAccessibleDescription(
      tr("L1 to L5 on the left of the keyboard, R1 to R5 on the right"));
  ui.m_TabView->setAccessibleName(tr("Macro keys and profiles"));
  ui.m_ProfilesTable->setAccessibleName(tr("Profiles"));
  ui.helpButton->setAccessibleName(tr("Help"));  // it shows only "?"
  // A pop-up's list is named as the pop-up's label names the pop-up.
  for (const QLabel* label : view.findChildren<QLabel*>()) {
    if (auto* popUp = qobject_cast<QComboBox*>(label->buddy()))
      popUp->view()->setAccessibleName(label->text().remove(u'&'));
  }

  // Down each tab from top to bottom, the macro keys as numbered, then the window's own row.
  QWidget* const order[] = {ui.m_TabView,
                            ui.m_EditProfilePopUpButton,
                            ui.fSwapCmdAltCheckbox,
                            ui.m_L1Key,
                            ui.m_L2Key,
                            ui.m_L3Key,
                            ui.m_L4Key,
                            ui.m_L5Key,
                            ui.m_R1Key,
                            ui.m_R2Key,
                            ui.m_R3Key,
                            ui.m_R4Key,
                            ui.m_R5Key,
                            ui.m_MediaPlayerPopUpButton,
                            ui.m_ImagingPopUpButton,
                            ui.m_ResetKeysBtn,
                            ui.m_ProfilesTable,
                            ui.m_ResetProfileBtn,
                            ui.m_ShowChangesCB,
                            ui.m_AutoSwitchingOverrideCB,
                            ui.m_ShowTrayIconCB,
                            ui.helpButton,
                            ui.applyButton};
  for (size_t n = 1; n < std::size(order); ++n) QWidget::setTabOrder(order[n - 1], order[n]);
}

void HalvanePref::describeKey(int key, const PlistValue& record, const PlistValue& profiles) {
  if (!m_Key[key]) return;
  Workspace* workspace = services_.workspace.get();
  m_Key[key]->setAccessibleName(MacroKeySpeech::sentence(
      macroKeyName(key), record, profiles, [workspace](const QString& path) {
        return workspace ? workspace->displayName(path) : QString();
      }));
}

void HalvanePref::announce(const QString& text) {
  ui_->m_StatusLine->announce(text);
}

void HalvanePref::announceProfileSwitch(int profile) {
  const QString name =
      m_Prefs[QStringLiteral("Profiles")].at(profile)[QStringLiteral("Name")].toString();
  //: %1 is the profile's number, %2 its name
  announce(
      tr("The keyboard switched to profile %1, “%2”.").arg(QString::number(profile + 1), name));
}

void HalvanePref::announceApplied(bool helperTold) {
  announce(helperTold ? tr("Settings saved; the keyboard uses them now.") : tr("Settings saved."));
}

}  // namespace halvane
