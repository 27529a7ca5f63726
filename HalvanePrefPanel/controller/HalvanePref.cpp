// The pane controller's start-up, its link to the helper, the global switches, apply, help and
// version. The macro keys are in HalvanePrefMacroKeys.cpp, the profiles in HalvanePrefProfiles.cpp.
#include "HalvanePrefPanel/controller/HalvanePref.h"

#include "HalvanePrefPanel/controller/PaneGlobals.h"
#include "HalvanePrefPanel/editor/HVKeyComboPanel.h"
#include "HalvanePrefPanel/widgets/HVKeyView.h"
#include "HalvanePrefPanel/widgets/PaneColors.h"
#include "shared/control/ControlChannel.h"
#include "shared/settings/SettingsLimits.h"
#include "shared/settings/SettingsStore.h"
#include "ui_HalvanePref.h"

#include <QMessageBox>
#include <QRegularExpression>

#include <algorithm>

// The keyboard picture is compiled into the library, which must register it itself.
static void initPaneResources() {
  Q_INIT_RESOURCE(images);
}

namespace halvane {
namespace {

void setChecked(QAbstractButton* box, const PlistValue& value) {
  box->setChecked(value.toBool());
}

// A file's path in the reason is one long word, which a message box sized by its shorter text
// would cut off: the box is made as wide as that word.
void fitLongestWord(QMessageBox* box) {
  auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel"));
  if (!label) return;
  int widest = 0;
  for (const QString& word :
       label->text().split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
    widest = std::max(widest, label->fontMetrics().size(0, word).width());
  label->setMinimumWidth(widest);
}

}  // namespace

HalvanePref::HalvanePref(PaneServices services) : services_(std::move(services)) {}

HalvanePref::~HalvanePref() {
  if (gHVPrefsApp == this) gHVPrefsApp = nullptr;
  HVKeyComboPanel::sharedPanel()->setServices(nullptr, nullptr);
  HVKeyComboPanel::sharedPanel()->setTextTypingLimits(nullptr);
}

bool HalvanePref::initWithBundle(const Bundle& bundle) {
  if (!PreferencePane::initWithBundle(bundle)) return false;
  m_appID = QString::fromLatin1(settings::kApplicationDomain);
  gHVPrefsApp = this;
  return true;
}

std::unique_ptr<QWidget> HalvanePref::createMainView() {
  initPaneResources();
  auto view = std::make_unique<QWidget>();
  ui_ = std::make_unique<Ui::HalvanePref>();
  ui_->setupUi(view.get());
  // Hints say less than the controls: the palette's subdued text, kept readable.
  paneColors::keepReadable(view.get());
  for (QLabel* hint : {ui_->macroHint, ui_->profilesHint})
    hint->setForegroundRole(QPalette::PlaceholderText);
  // Each pop-up item carries the tag its position has in the interface file.
  for (QComboBox* popUp : {ui_->m_MediaPlayerPopUpButton, ui_->m_ImagingPopUpButton}) {
    const QStringList tags = popUp->property("itemTags").toStringList();
    for (int n = 0; n < popUp->count(); ++n)
      popUp->setItemData(n, tags.value(n, QStringLiteral("-1")).toInt());
  }
  showApplicationTitles();
  ui_->m_ProfilesTable->setOpenPanel(services_.openPanel.get());
  connectControls();
  setUpKeyboardAccess(*view);
  return view;
}

void HalvanePref::connectControls() {
  Ui::HalvanePref& ui = *ui_;
  for (QAbstractButton* box : {ui.m_ShowChangesCB, ui.m_AutoSwitchingOverrideCB,
                               ui.fSwapCmdAltCheckbox, ui.m_ShowTrayIconCB})
    connect(box, &QAbstractButton::clicked, this, [this, box] { checkboxClicked(box); });
  for (QAbstractButton* button : {ui.applyButton, ui.m_ResetKeysBtn, ui.m_ResetProfileBtn})
    connect(button, &QAbstractButton::clicked, this, [this, button] { buttonAction(button); });
  connect(ui.helpButton, &QAbstractButton::clicked, this, &HalvanePref::showHelp);
  connect(ui.m_MediaPlayerPopUpButton, &QComboBox::activated, this, [this](int index) {
    handlePlayerPopup(ui_->m_MediaPlayerPopUpButton->itemData(index).toInt());
  });
  connect(ui.m_ImagingPopUpButton, &QComboBox::activated, this, [this](int index) {
    handleImagingPopup(ui_->m_ImagingPopUpButton->itemData(index).toInt());
  });
  connect(ui.m_EditProfilePopUpButton, &QComboBox::activated, this, [this](int index) {
    handleEditProfilePopup(ui_->m_EditProfilePopUpButton->itemData(index).toInt());
  });
  for (QAction* item : {ui.actionChooseApplication, ui.actionHotKey, ui.actionResetKey})
    connect(item, &QAction::triggered, this, [this, item] { handleContextMenu(item); });
}

void HalvanePref::mainViewDidLoad() {
  Ui::HalvanePref& ui = *ui_;
  m_HVKeyboard = services_.connectToHelper ? services_.connectToHelper() : nullptr;

  const QString defaults =
      bundle().resourcePath(QStringLiteral("defaults"), QStringLiteral("plist"));
  QStringList said;
  const settings::Report reporter = services_.log->reporter();
  const PlistValue prefs = settings::loadOrCreate(
      settings::Reader::Pane, defaults,
      [&said, &reporter](const QString& message) {
        said << message;
        reporter(message);
      },
      services_.settingsPath);
  // Beyond creating a missing file, whatever the store had to say (a file set aside, a path
  // that is no file, a file that could not be created) is shown as well as logged, with why.
  said.removeAll(QStringLiteral("Creating ") + settings::displayPath(services_.settingsPath));
  if (!said.isEmpty())
    showError(prefs.isDictionary() ? tr("The settings file could not be used as it was.")
                                   : tr("The settings could not be read or created."),
              said.join(u'\n'));
  if (!prefs.isDictionary()) return;  // every control stays inert
  m_Prefs = prefs;

  setChecked(ui.m_AutoSwitchingOverrideCB, m_Prefs[QStringLiteral("AutoSwitchingOverride")]);
  setChecked(ui.m_ShowChangesCB, m_Prefs[QStringLiteral("ShowChangesOnScreen")]);
  // Optional: a file without it (an older one) shows the tray icon.
  ui.m_ShowTrayIconCB->setChecked(!m_Prefs.contains(QStringLiteral("ShowTrayIcon")) ||
                                  m_Prefs[QStringLiteral("ShowTrayIcon")].toBool());
  ui.m_ProfilesTable->setItems(m_Prefs[QStringLiteral("Profiles")]);
  updateProfilesMenu(ui.m_ProfilesSubmenu);
  updateProfilesMenu(ui.m_EditProfilePopUpButton);

  m_KeyLabels = {ui.m_L1Label, ui.m_L2Label, ui.m_L3Label, ui.m_L4Label, ui.m_L5Label,
                 ui.m_R1Label, ui.m_R2Label, ui.m_R3Label, ui.m_R4Label, ui.m_R5Label};
  m_KeyLabelBtn = {ui.m_L1KeyLabelBtn, ui.m_L2KeyLabelBtn, ui.m_L3KeyLabelBtn, ui.m_L4KeyLabelBtn,
                   ui.m_L5KeyLabelBtn, ui.m_R1KeyLabelBtn, ui.m_R2KeyLabelBtn, ui.m_R3KeyLabelBtn,
                   ui.m_R4KeyLabelBtn, ui.m_R5KeyLabelBtn};
  m_Key = {ui.m_L1Key, ui.m_L2Key, ui.m_L3Key, ui.m_L4Key, ui.m_L5Key,
           ui.m_R1Key, ui.m_R2Key, ui.m_R3Key, ui.m_R4Key, ui.m_R5Key};

  // A helper that does not answer, or answers a profile that does not exist, shows profile 0.
  const std::optional<int> current =
      m_HVKeyboard ? m_HVKeyboard->getCurrentProfile() : std::nullopt;
  const int profile = current && *current >= 0 && *current < settings::kProfileCount ? *current : 0;
  displaySettingsForProfile(profile);

  connect(ui.m_TabView, &QTabWidget::currentChanged, this,
          &HalvanePref::tabViewDidSelectTabViewItem);
  connect(ui.m_ProfilesTable->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &HalvanePref::profileListSelectionChanged);
  const QPointer<HalvanePref> self(this);
  services_.notificationCenter->addObserver(
      QString::fromLatin1(control::kPaneNotificationIdentifier),
      [self](const QString& name, const QString& object, const NotificationUserInfo& userInfo) {
        if (self) notificationCallBack(self, name, object, userInfo);
      });
  HVKeyComboPanel::sharedPanel()->setServices(services_.openPanel.get(), services_.workspace.get());
  HVKeyComboPanel::sharedPanel()->setTextTypingLimits(services_.textTypingLimits.get());
  ui.m_ResetProfileBtn->setEnabled(false);
  displayVersionInfo();
}

void HalvanePref::notificationCallBack(HalvanePref* observer, const QString& name, const QString&,
                                       const NotificationUserInfo& userInfo) {
  if (name != QLatin1String(control::kProfileChanged)) return;
  const QString index = userInfo.value(QString::fromLatin1(control::kIndexKey));
  observer->log(QStringLiteral("New Profile Notification: %1").arg(index));
  // Any process may post this; an index outside the profiles is not shown.
  const int profile = control::profileIndexFromUserInfo(userInfo);
  if (profile >= 0 && profile < observer->m_Prefs[QStringLiteral("Profiles")].count()) {
    observer->displaySettingsForProfile(profile);
    observer->announceProfileSwitch(profile);
  }
}

// The bundle with the pane's identifier: the one this pane was loaded from.
Bundle HalvanePref::paneBundle() const {
  return bundle().identifier() == QLatin1String(kPaneBundleIdentifier) ? bundle() : Bundle();
}

void HalvanePref::displayVersionInfo() {
  const QString version =
      paneBundle().infoDictionary()[QStringLiteral("CFBundleShortVersionString")].toString();
  if (!version.isEmpty()) ui_->m_VersionField->setText(version);
}

void HalvanePref::showHelp() {
  const Bundle pane = paneBundle();
  if (!pane.isValid()) return;
  const int status = services_.helpViewer->registerHelpBook(pane.bundlePath());
  log(QStringLiteral("yop: %1").arg(status));
  if (status == 0)
    services_.helpViewer->gotoPage(QString::fromLatin1(kHelpBookName), QStringLiteral("index.htm"));
}

void HalvanePref::checkboxClicked(QObject* sender) {
  if (!m_Prefs.isDictionary()) return;
  const auto* box = qobject_cast<QAbstractButton*>(sender);
  if (!box) return;
  switch (tagOf(sender)) {
    case 1:
      m_Prefs.set(QStringLiteral("ShowChangesOnScreen"), box->isChecked());
      break;
    case 2:
      m_Prefs.set(QStringLiteral("AutoSwitchingOverride"), box->isChecked());
      break;
    case 3:
      m_Prefs[QStringLiteral("Profiles")]
          .at(editedProfile())
          .set(QStringLiteral("SwapCmdAlt"), ui_->fSwapCmdAltCheckbox->isChecked());
      UpdateUi();
      break;
    case 4:
      m_Prefs.set(QStringLiteral("ShowTrayIcon"), box->isChecked());
      break;
    default:
      break;
  }
}

void HalvanePref::showError(const QString& text, const QString& why) {
  // Not modal: the pane's window and any loop around it carry on while it is shown.
  auto* box = new QMessageBox(QMessageBox::Warning, tr("Halvane Keyboard"), text, QMessageBox::Ok,
                              mainView());
  box->setObjectName(QStringLiteral("settingsErrorDialog"));
  box->setInformativeText(why);
  fitLongestWord(box);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setWindowModality(Qt::NonModal);
  box->show();
}

void HalvanePref::UpdateUi() {
  const float opacity = ui_->fSwapCmdAltCheckbox->isChecked() ? 0.3f : 0.0f;
  for (HVKeyView* overlay : {ui_->fCmdAlt1, ui_->fCmdAlt2, ui_->fCmdAlt3, ui_->fCmdAlt4})
    overlay->setOpacity(opacity);
}

void HalvanePref::buttonAction(QObject* sender) {
  if (!m_Prefs.isDictionary()) return;
  switch (tagOf(sender)) {
    case 1: {
      // Without the file the helper would reload the old settings: it is told nothing then.
      QString why;
      if (!settings::write(m_Prefs, services_.settingsPath, &why)) {
        log(QStringLiteral("Couldn't write %1: %2")
                .arg(settings::displayPath(services_.settingsPath), why));
        showError(tr("The settings could not be saved."),
                  QStringLiteral("%1: %2").arg(settings::displayPath(services_.settingsPath), why));
        updateProfilesMenu();
        return;
      }
      updateProfilesMenu();
      // A helper that fails one call (it quit meanwhile) is not asked the next.
      const bool told = m_HVKeyboard && m_HVKeyboard->reloadPrefs();
      if (told) {
        m_HVKeyboard->setCurrentProfile(editedProfile());
        ui_->m_TabView->update();
      }
      announceApplied(told);
      break;
    }
    case 2:
      resetKeysForProfile(editedProfile());
      displaySettingsForProfile(editedProfile());
      break;
    case 3:
      resetProfile();
      break;
    default:  // 100 would be the maker's web site: no real address is known, so none is offered
      break;
  }
}

void HalvanePref::tabViewDidSelectTabViewItem(int index) {
  const QWidget* page = ui_->m_TabView->widget(index);
  if (!page || page->property("identifier").toString() != QLatin1String("MacroKeys")) return;
  updateProfilesMenu();
  displaySettingsForProfile(editedProfile());
}

}  // namespace halvane
