// The macro-key tab of the pane controller: showing a profile's keys, the macro editor's result,
// the context menu and the key highlight.
#include "HalvanePrefPanel/controller/HalvanePref.h"

#include "HalvanePrefPanel/controller/MacroStepDescription.h"
#include "HalvanePrefPanel/controller/PaneGlobals.h"
#include "HalvanePrefPanel/editor/HVKeyComboPanel.h"
#include "HalvanePrefPanel/widgets/HVKeyView.h"
#include "HalvanePrefPanel/widgets/PaneColors.h"
#include "shared/settings/ActionTypes.h"
#include "shared/settings/MacroStep.h"
#include "shared/settings/SettingsLimits.h"
#include "ui_HalvanePref.h"

#include <QFileInfo>

namespace halvane {
namespace {

const QString kActionType = QStringLiteral("ActionType");
const QString kKeyCombo = QStringLiteral("KeyCombo");
using settings::kExecuteMacro;
using settings::kLaunchApp;
using settings::kSelectProfile;
const QString kLaunchAppURL = QStringLiteral("LaunchAppURL");
const QString kDescription = QStringLiteral("description");

// The record's KeyCombo dictionary, made when a file lacks it so that a macro can be stored.
PlistValue keyComboOf(PlistValue record) {
  if (!record[kKeyCombo].isDictionary()) record.set(kKeyCombo, PlistValue::dictionary());
  return record[kKeyCombo];
}

void selectByValue(QComboBox* popUp, const QStringList& values, const QString& value) {
  const int position = values.indexOf(value);
  if (position >= 0) popUp->setCurrentIndex(position);
}

}  // namespace

QString HalvanePref::macroKeyName(int key) {
  //: The name of a macro key on the left of the keyboard, L1 to L5, as printed on the key.
  return key < 5 ? tr("L%1").arg(key + 1)
                 //: The name of a macro key on the right of the keyboard, R1 to R5.
                 : tr("R%1").arg(key - 4);
}

int HalvanePref::editedProfile() const {
  return ui_->m_EditProfilePopUpButton->currentIndex();
}

void HalvanePref::displaySettingsForProfile(int profile) {
  const PlistValue profiles = m_Prefs[QStringLiteral("Profiles")];
  const PlistValue record = profiles.at(profile);
  const PlistValue keys = record[QStringLiteral("MacroKeys")];
  log(QStringLiteral("displaySettingsForProfile: %1").arg(profile));
  ui_->m_EditProfilePopUpButton->setCurrentIndex(profile);

  selectByValue(
      ui_->m_ImagingPopUpButton,
      {QStringLiteral("Preview"), QStringLiteral("PhotoShop"), QStringLiteral("Illustrator"),
       QStringLiteral("Adobe Reader"), QStringLiteral("ACDSee")},
      record[QStringLiteral("ImagingOptions")].toString());
  selectByValue(ui_->m_MediaPlayerPopUpButton,
                {QStringLiteral("iTunes"), QStringLiteral("QuickTime Player"),
                 QStringLiteral("RealPlayer"), QStringLiteral("VLC")},
                record[QStringLiteral("MediaPlayer")].toString());

  for (int key = 0; key < settings::kMacroKeyCount; ++key) {
    setKeyLabel(key, keys.at(key), profiles);
    describeKey(key, keys.at(key), profiles);
  }

  ui_->fSwapCmdAltCheckbox->setChecked(record[QStringLiteral("SwapCmdAlt")].intValue() != 0);
  UpdateUi();
  ui_->m_TabView->update();
}

// An application that no longer exists shows its file name without extension, in grey (the
// palette's subdued text; the others are text on the label's field).
void HalvanePref::setKeyLabel(int key, const PlistValue& record, const PlistValue& profiles) {
  QLabel* label = m_KeyLabels[key];
  const QString action = record[kActionType].toString();
  QString text;
  bool missing = false;
  if (action == kExecuteMacro) {
    text = record[kKeyCombo][kDescription].toString();
  } else if (action == kSelectProfile) {
    const int target = record[kSelectProfile].intValue();
    //: What a macro key does that switches to the profile named %1.
    text = tr("Profile: %1").arg(profiles.at(target)[QStringLiteral("Name")].toString());
  } else if (action == kLaunchApp) {
    const QString path = record[kLaunchAppURL].toString();
    text = services_.workspace->displayName(path);
    missing = text.isEmpty() && !path.isEmpty();
    if (missing) text = QFileInfo(path).completeBaseName();
  }
  // Names come from files: markup in them is shown as typed, never rendered.
  label->setTextFormat(Qt::PlainText);
  label->setText(text);
  label->setToolTip(text.isEmpty() ? QString()
                                   : QStringLiteral("<p>%1</p>").arg(text.toHtmlEscaped()));
  label->setForegroundRole(missing ? QPalette::PlaceholderText : QPalette::Text);
}

void HalvanePref::handleMacroButton(HVKeyView* sender) {
  const int key = sender ? sender->tag() : -1;
  if (!m_Prefs.isDictionary() || key < 0 || key >= settings::kMacroKeyCount) return;
  gKeyDict =
      m_Prefs[QStringLiteral("Profiles")].at(editedProfile())[QStringLiteral("MacroKeys")].at(key);

  HVKeyComboPanel* editor = HVKeyComboPanel::sharedPanel();
  const QString action = gKeyDict[kActionType].toString();
  editor->setKeyBindingName(macroKeyName(key));
  editor->setActionType(action);
  editor->setPlayMode(settings::playModeOf(gKeyDict));
  if (action == kLaunchApp) {
    editor->setAppUrl(gKeyDict[kLaunchAppURL].toString());
  } else if (action == kSelectProfile) {
    editor->setProfile(gKeyDict[kSelectProfile].intValue());
  } else {
    editor->setMacroSteps(action == kExecuteMacro ? settings::readMacroSteps(gKeyDict[kKeyCombo])
                                                  : QList<settings::MacroStep>());
  }
  editor->runSheeetForModalWindow(mainWindow(), this);
}

void HalvanePref::hotKeySheetDidEndWithReturnCode(int returnCode) {
  const int profile = editedProfile();
  if (returnCode != 1 || !m_Prefs.isDictionary()) return;
  const HVKeyComboPanel* editor = HVKeyComboPanel::sharedPanel();
  const QString action = editor->getActionType();
  PlistValue record = gKeyDict;

  if (action == kExecuteMacro) {
    // The editor's rows are the macro, so steps opened and left alone keep their stored entries.
    const QList<settings::MacroStep> steps = editor->macroSteps();
    PlistValue combo = keyComboOf(record);
    settings::writeMacroSteps(combo, steps);
    combo.set(kDescription, macroDescription(steps));
    record.set(kActionType, steps.isEmpty() ? QString() : kExecuteMacro);
    // Written only when it says more than a missing entry, so that files stay as they were.
    if (editor->playMode() != settings::PlayMode::Once || record.contains(settings::kPlayModeKey))
      record.set(settings::kPlayModeKey, settings::playModeName(editor->playMode()));
  } else if (action == kSelectProfile) {
    const int target = editor->getProfile();
    const bool valid = target >= 0 && target < settings::kProfileCount;
    record.set(kActionType, valid ? kSelectProfile : QString());
    if (valid) record.set(kSelectProfile, target);
  } else if (action == kLaunchApp) {
    const QString path = editor->getUrl();
    record.set(kActionType, path.isEmpty() ? QString() : kLaunchApp);
    if (!path.isEmpty()) record.set(kLaunchAppURL, path);
  } else {
    record.set(kActionType, QString());
  }
  displaySettingsForProfile(profile);
}

// The menu was opened on a key view, which set gCurrentMacroKeyIndex to its key.
void HalvanePref::handleContextMenu(QObject* sender) {
  if (!m_Prefs.isDictionary()) return;
  const int key = gCurrentMacroKeyIndex;
  const int profile = editedProfile();
  log(QStringLiteral("Profile index: %1 - Key index: %2").arg(profile).arg(key));
  PlistValue record =
      m_Prefs[QStringLiteral("Profiles")].at(profile)[QStringLiteral("MacroKeys")].at(key);
  const int tag = tagOf(sender);
  switch (tag) {
    case 100:
      if (!setLaunchApp(record)) return;
      break;
    case 200:
      setHotKey(record, key);
      return;
    case 300:
      resetKey(record);
      break;
    default:
      if (tag < 0 || tag >= settings::kProfileCount) return;
      log(QStringLiteral("Selected Profile Index: %1").arg(tag));
      record.set(kActionType, kSelectProfile);
      record.set(kSelectProfile, tag);
      break;
  }
  displaySettingsForProfile(profile);
}

// The alias is the file's real path: a later move of a link still finds the application.
// Nothing reads it back; it is kept for files shared with other installations.
bool HalvanePref::setLaunchApp(PlistValue record) {
  const QStringList chosen =
      services_.openPanel->runModalForTypes({QStringLiteral("app")}, false, mainWindow());
  if (chosen.isEmpty()) return false;
  const QString path = chosen.first();
  const QFileInfo file(path);
  if (!file.exists()) return true;  // no file to refer to: nothing stored
  const QByteArray alias = file.canonicalFilePath().toUtf8();
  if (alias.isEmpty()) return false;
  record.set(QStringLiteral("LaunchAppAlias"), alias);
  record.set(kLaunchAppURL, path);
  record.set(kActionType, kLaunchApp);
  return true;
}

// Hot keys for macro keys are not offered; the menu item stays hidden.
bool HalvanePref::setHotKey(const PlistValue&, int) {
  return false;
}

void HalvanePref::resetKey(PlistValue record) {
  record.set(kActionType, QString());
  record.set(kLaunchAppURL, QString());
  record.set(QStringLiteral("LaunchAppAlias"), QByteArray());
  record.set(kSelectProfile, 0);
  PlistValue combo = keyComboOf(record);
  combo.set(QStringLiteral("keyCode"), 0);
  combo.set(QStringLiteral("modifiers"), 0);
  combo.set(kDescription, QString());
}

void HalvanePref::resetKeysForProfile(int profile) {
  log(QStringLiteral("Reset keys for profile: %1 ").arg(profile));
  const PlistValue keys =
      m_Prefs[QStringLiteral("Profiles")].at(profile)[QStringLiteral("MacroKeys")];
  for (int key = 0; key < keys.count(); ++key) resetKey(keys.at(key));
}

void HalvanePref::mouseOverMacroKey(int key) {
  if (key < 0 || key >= settings::kMacroKeyCount || !m_Key[key]) return;
  m_Key[key]->setOpacity(0.3f);
  m_KeyLabelBtn[key]->setOpacity(paneColors::kLabelWashOpacity);
}

void HalvanePref::mouseOutsideMacroKey(int key) {
  if (key < 0 || key >= settings::kMacroKeyCount || !m_Key[key]) return;
  m_Key[key]->setOpacity(0.0f);
  m_KeyLabelBtn[key]->setOpacity(0.0f);
}

void HalvanePref::popUpContextMenu(HVKeyView* view, const QPoint& globalPos) {
  const int key = view ? view->tag() : -1;
  if (!m_Prefs.isDictionary() || key < 0 || key >= settings::kMacroKeyCount) return;
  gCurrentMacroKeyIndex = key;
  ui_->m_PopUpContextMenu->popup(globalPos);
}

}  // namespace halvane
