#include "HalvanePrefPanel/editor/HVKeyComboPanel.h"

#include "HalvanePrefPanel/controller/PaneGlobals.h"
#include "HalvanePrefPanel/widgets/PaneColors.h"
#include "platform/desktop/openpanel/OpenPanel.h"
#include "platform/desktop/workspace/Workspace.h"
#include "shared/settings/SettingsLimits.h"
#include "ui_HVKeyComboPanel.h"

#include <QDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QScreen>

namespace halvane {
namespace {

const QString kExecuteMacro = QStringLiteral("ExecuteMacro");
const QString kLaunchApp = QStringLiteral("LaunchApp");
const QString kSelectProfile = QStringLiteral("SelectProfile");

// The chosen action's field stands out from the two others.
void setFieldBackground(QWidget* field, bool active) {
  QPalette palette = field->palette();
  palette.setColor(QPalette::Base, active ? paneColors::activeField(field->window()->palette())
                                          : paneColors::inactiveField(field->window()->palette()));
  field->setPalette(palette);
  field->setAutoFillBackground(true);
}

QString macroText(const QList<HVKeyCombo>& combos) {
  QString text;
  for (const HVKeyCombo& combo : combos) text += QStringLiteral("(%1)").arg(combo.description());
  return text;
}

}  // namespace

HVKeyComboPanel* HVKeyComboPanel::sharedPanel() {
  // Kept for the life of the process, as the one editor every key shares.
  static HVKeyComboPanel* const panel = [] {
    auto* created = new HVKeyComboPanel;
    KeyComboReceiver::setShared(created);
    return created;
  }();
  return panel;
}

HVKeyComboPanel::HVKeyComboPanel() {
  fKeysArray.reserve(settings::kMacroStepCount);
  fOldKeysArray.reserve(settings::kMacroStepCount);
}

HVKeyComboPanel::~HVKeyComboPanel() {
  if (KeyComboReceiver::shared() == this) KeyComboReceiver::setShared(nullptr);
}

void HVKeyComboPanel::setServices(OpenPanel* openPanel, Workspace* workspace) {
  openPanel_ = openPanel;
  workspace_ = workspace;
}

void HVKeyComboPanel::setKeyBindingName(const QString& name) {
  mKeyName = name;
}
void HVKeyComboPanel::setActionType(const QString& actionType) {
  fActionType = actionType;
}
void HVKeyComboPanel::setAppUrl(const QString& path) {
  fAppUrl = path;
}
void HVKeyComboPanel::setProfile(int index) {
  fProfileIndex = index;
}
void HVKeyComboPanel::setPlayMode(settings::PlayMode mode) {
  fPlayMode = mode;
  fOldPlayMode = mode;
}

void HVKeyComboPanel::setKeyArray(const QList<HVKeyCombo>& combos) {
  fKeysArray.clear();
  fOldKeysArray = combos;
}

QDialog* HVKeyComboPanel::window() {
  if (!window_) loadWindow(nullptr);
  return window_;
}

Ui::HVKeyComboPanel& HVKeyComboPanel::outlets() {
  window();
  return *ui_;
}

// The window goes with the window it was a sheet of; it is loaded again when next needed.
void HVKeyComboPanel::loadWindow(QWidget* parent) {
  auto* dialog = new QDialog(parent);
  ui_ = std::make_unique<Ui::HVKeyComboPanel>();
  ui_->setupUi(dialog);
  window_ = dialog;
  paneColors::keepReadable(dialog);
  connectActions();
  ui_->mKeyBcaster->installEventFilter(this);
  setUpKeyboardAccess();
}

void HVKeyComboPanel::connectActions() {
  Ui::HVKeyComboPanel& ui = *ui_;
  for (QPushButton* delay : {ui.f50msButton, ui.f100msButton, ui.f150msButton, ui.f200msButton})
    connect(delay, &QPushButton::clicked, this, [this, delay] { handleDelayClick(delay); });
  connect(ui.okButton, &QPushButton::clicked, this, &HVKeyComboPanel::ok);
  connect(ui.cancelButton, &QPushButton::clicked, this, &HVKeyComboPanel::cancel);
  connect(ui.applyButton, &QPushButton::clicked, this, &HVKeyComboPanel::apply);
  connect(ui.clearButton, &QPushButton::clicked, this, &HVKeyComboPanel::clear);
  connect(ui.fSelectAppButton, &QPushButton::clicked, this, &HVKeyComboPanel::chooseApp);
  connect(ui.fProfileCombo, &QComboBox::activated, this, &HVKeyComboPanel::chooseProfile);
  connect(ui.fPlayModePopUp, &QComboBox::activated, this, &HVKeyComboPanel::choosePlayMode);
  // Escape and the window's close button end the sheet as Cancel does.
  connect(window_, &QDialog::finished, this, &HVKeyComboPanel::_sheetDidEnd);
}

void HVKeyComboPanel::_refreshContents() {
  Ui::HVKeyComboPanel& ui = outlets();
  ui.fProfileCombo->setCurrentIndex(-1);  // shows "Select..."

  const bool macro = fActionType != kSelectProfile && fActionType != kLaunchApp;
  if (macro) {
    fActionType = kExecuteMacro;
  } else {
    fKeysArray.clear();
    fOldKeysArray.clear();
  }
  const QList<QWidget*> macroControls{ui.f50msButton,  ui.f100msButton, ui.f150msButton,
                                      ui.f200msButton, ui.mComboField,  ui.fPlayModePopUp};
  for (QWidget* control : macroControls) control->setEnabled(macro);

  setFieldBackground(ui.mComboField, macro);
  ui.mComboField->setText(macroText(fKeysArray));
  ui.fOldComboField->setText(macroText(fOldKeysArray));
  ui.fPlayModePopUp->setCurrentIndex(int(fPlayMode));

  const bool app = fActionType == kLaunchApp;
  setFieldBackground(ui.fAppField, app);
  if (!app)
    ui.fAppField->clear();
  else if (!fAppUrl.isEmpty())
    ui.fAppField->setText(appDisplayName());

  const bool profile = fActionType == kSelectProfile;
  setFieldBackground(ui.fProfileField, profile);
  ui.fProfileField->setText(profile ? tr("Profile %1").arg(fProfileIndex + 1) : QString());

  ui.mTitleField->setText(mKeyName);
  showChosenCaption();
  updateKeyboardGrab();
}

// A file that no longer exists still shows its name, without the extension.
QString HVKeyComboPanel::appDisplayName() const {
  const QString name = workspace_ ? workspace_->displayName(fAppUrl) : QString();
  return name.isEmpty() ? QFileInfo(fAppUrl).completeBaseName() : name;
}

void HVKeyComboPanel::setKeyCombo(const HVKeyCombo& combo) {
  if (fActionType != kExecuteMacro) return;
  const qsizetype before = fKeysArray.size();
  if (combo.keyCode() == -1 || combo.modifiers() == -1)
    fKeysArray.clear();
  else if (fKeysArray.size() < settings::kMacroStepCount)
    fKeysArray.append(combo);
  _refreshContents();
  announceRecorded(before, combo);
}

bool HVKeyComboPanel::isRecordingMacro() const {
  return fActionType == kExecuteMacro;
}

void HVKeyComboPanel::handleDelayClick(QObject* sender) {
  const int delay = 50 * tagOf(sender) + 50;
  if (!fKeysArray.isEmpty()) fKeysArray.last().addDelay(delay);
  _refreshContents();
  announceDelay();
}

void HVKeyComboPanel::handleTextClick(QObject* sender) {
  switch (tagOf(sender)) {
    case 0:
      fActionType = kSelectProfile;
      break;
    case 1:
      fActionType = kLaunchApp;
      break;
    case 2:
      fActionType = kExecuteMacro;
      break;
    default:
      break;
  }
  _refreshContents();
}

void HVKeyComboPanel::chooseApp() {
  if (!openPanel_) return;
  const QStringList chosen = openPanel_->runModalForTypes({QStringLiteral("app")}, false, window());
  if (chosen.isEmpty()) return;
  fAppUrl = chosen.first();
  fActionType = kLaunchApp;
  _refreshContents();
  announce(tr("The key opens %1.").arg(appDisplayName()));
}

void HVKeyComboPanel::chooseProfile() {
  fActionType = kSelectProfile;
  fProfileIndex = outlets().fProfileCombo->currentIndex();
  _refreshContents();
}

void HVKeyComboPanel::choosePlayMode() {
  const int index = outlets().fPlayModePopUp->currentIndex();
  if (index >= 0) fPlayMode = settings::PlayMode(index);
  fActionType = kExecuteMacro;
  _refreshContents();
}

void HVKeyComboPanel::clear() {
  fOldKeysArray.clear();
  fKeysArray.clear();
  fActionType = kExecuteMacro;
  _refreshContents();
  announce(tr("Macro cleared."));
}

void HVKeyComboPanel::runSheeetForModalWindow(QWidget* parent, QObject* target) {
  if (!window_)
    loadWindow(parent);
  else if (window_->parentWidget() != parent)
    window_->setParent(parent, window_->windowFlags());
  _refreshContents();
  fApplyTarget = target;
  window_->setWindowModality(Qt::WindowModal);
  window_->adjustSize();
  if (parent) window_->move(parent->geometry().center() - window_->rect().center());
  window_->open();
  ui_->mKeyBcaster->setFocus();
}

void HVKeyComboPanel::ok() {
  window()->done(1);
}
void HVKeyComboPanel::cancel() {
  window()->done(0);
}

void HVKeyComboPanel::apply() {
  if (fApplyTarget)
    QMetaObject::invokeMethod(fApplyTarget, "hotKeySheetDidEndWithReturnCode", Q_ARG(int, 1));
}

void HVKeyComboPanel::_sheetDidEnd(int returnCode) {
  window_->hide();
  updateKeyboardGrab();
  const QPointer<QObject> target = fApplyTarget;
  fApplyTarget = nullptr;
  if (target)
    QMetaObject::invokeMethod(target, "hotKeySheetDidEndWithReturnCode", Q_ARG(int, returnCode));
}

// While the broadcaster has the focus and a macro is being recorded, it takes the whole
// keyboard, so the desktop's own shortcuts (Alt+F4, Super, Ctrl+Alt+arrows) are recorded
// instead of acted on. The grab ends with the focus, the macro action type or the sheet.
void HVKeyComboPanel::updateKeyboardGrab() {
  if (!ui_) return;
  QWidget* broadcaster = ui_->mKeyBcaster;
  const bool wanted =
      window_ && window_->isVisible() && broadcaster->hasFocus() && fActionType == kExecuteMacro;
  if (wanted && QWidget::keyboardGrabber() != broadcaster)
    broadcaster->grabKeyboard();
  else if (!wanted && QWidget::keyboardGrabber() == broadcaster)
    broadcaster->releaseKeyboard();
}

bool HVKeyComboPanel::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && leavesRecorder(*static_cast<QKeyEvent*>(event)))
    return true;
  if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) updateKeyboardGrab();
  return QObject::eventFilter(watched, event);
}

}  // namespace halvane
