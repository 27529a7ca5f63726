#pragma once

#include "HalvanePrefPanel/controller/PaneServices.h"
#include "platform/desktop/prefpane/PreferencePane.h"
#include "shared/plist/PlistValue.h"
#include "shared/settings/SettingsLimits.h"

#include <QPointer>

#include <array>
#include <memory>

class QComboBox;
class QLabel;
class QMenu;

namespace Ui {
class HalvanePref;
}

namespace halvane {

class HVKeyView;

// The preference pane's controller. It holds the whole settings tree while the pane is open;
// every control edits that tree in place, and only the apply button writes the file and then
// makes the helper reload it and switch to the edited profile. The edited profile is the one
// selected in the edit pop-up.
class HalvanePref : public PreferencePane {
  Q_OBJECT

 public:
  static constexpr char kPaneBundleIdentifier[] = "com.halvane.keyboard.prefpane";
  static constexpr char kHelpBookName[] = "Halvane Keyboard Help";

  explicit HalvanePref(PaneServices services);
  ~HalvanePref() override;

  // Start-up and settings.
  bool initWithBundle(const Bundle& bundle) override;
  void mainViewDidLoad() override;
  RemoteProxy* keyboardHelper() const { return m_HVKeyboard.get(); }
  const PlistValue& prefs() const { return m_Prefs; }
  Ui::HalvanePref& outlets() const { return *ui_; }
  void displayVersionInfo();
  void showHelp();
  void checkboxClicked(QObject* sender);
  void UpdateUi();
  void buttonAction(QObject* sender);
  void tabViewDidSelectTabViewItem(int index);
  static void notificationCallBack(HalvanePref* observer, const QString& name,
                                   const QString& object, const NotificationUserInfo& userInfo);

  // Macro keys.
  // The edited profile: the edit pop-up's selection.
  int editedProfile() const;
  void displaySettingsForProfile(int profile);
  void handleMacroButton(HVKeyView* sender);
  Q_INVOKABLE void hotKeySheetDidEndWithReturnCode(int returnCode);
  void handleContextMenu(QObject* sender);
  bool setLaunchApp(PlistValue record);
  bool setHotKey(const PlistValue& record, int keyIndex);
  void resetKey(PlistValue record);
  void resetKeysForProfile(int profile);
  void mouseOverMacroKey(int key);
  void mouseOutsideMacroKey(int key);
  // Opens the context menu on a key view: it then acts on that view's key.
  void popUpContextMenu(HVKeyView* view, const QPoint& globalPos);
  static QString macroKeyName(int key);

  // Profiles.
  void updateProfilesMenu();
  void updateProfilesMenu(QMenu* contextSubmenu);
  void updateProfilesMenu(QComboBox* editPopUp);
  void profileListSelectionChanged();
  void handleEditProfilePopup(int tag);
  void handlePlayerPopup(int tag);
  void handleImagingPopup(int tag);
  // The stored values of the media and imaging pop-ups' items, by item tag.
  static const QStringList& mediaPlayerValues();
  static const QStringList& imagingValues();
  void resetProfile();
  void hideControl(QWidget* view);
  void showControl();

  // Screen readers and the keyboard.
  // Says text on the status line, for screen readers too.
  void announce(const QString& text);

  std::array<QLabel*, settings::kMacroKeyCount> m_KeyLabels{};
  std::array<HVKeyView*, settings::kMacroKeyCount> m_Key{};
  std::array<HVKeyView*, settings::kMacroKeyCount> m_KeyLabelBtn{};

 protected:
  std::unique_ptr<QWidget> createMainView() override;

 private:
  void connectControls();
  void showApplicationTitles();
  void setKeyLabel(int key, const PlistValue& record, const PlistValue& profiles);
  // The names screen readers give the controls, and the order of the focus.
  void setUpKeyboardAccess(QWidget& view);
  // The key view's name says the key and what it does.
  void describeKey(int key, const PlistValue& record, const PlistValue& profiles);
  void announceProfileSwitch(int profile);
  void announceApplied(bool helperTold);
  Bundle paneBundle() const;
  void log(const QString& message) { services_.log->log(message); }
  // The error dialog: what failed, and the system's or the parser's reason.
  void showError(const QString& text, const QString& why);

  PaneServices services_;
  std::unique_ptr<Ui::HalvanePref> ui_;
  QString m_appID;
  PlistValue m_Prefs;
  std::unique_ptr<RemoteProxy> m_HVKeyboard;

  // The control taken out by hideControl(), held by the pane while it is out.
  std::unique_ptr<QWidget> childView;
  QPointer<QWidget> parentView;
  QPointer<QWidget> previousKeyView;
  int childLayoutIndex = -1;
};

}  // namespace halvane
