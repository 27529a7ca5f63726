#include "HalvanePrefPanel/editor/HVKeyComboPanel.h"

#include "HalvanePrefPanel/controller/MacroStepDescription.h"
#include "HalvanePrefPanel/controller/PaneGlobals.h"
#include "HalvanePrefPanel/editor/MacroStepRow.h"
#include "HalvanePrefPanel/widgets/PaneColors.h"
#include "platform/desktop/openpanel/OpenPanel.h"
#include "platform/desktop/workspace/Workspace.h"
#include "platform/input/posters/TextTypingLimits.h"
#include "shared/settings/ActionTypes.h"
#include "shared/settings/SettingsLimits.h"
#include "ui_HVKeyComboPanel.h"

#include <QApplication>
#include <QDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace halvane {
namespace {

using settings::kExecuteMacro;
using settings::kLaunchApp;
using settings::kSelectProfile;

// The chosen action's field stands out from the two others.
void setFieldBackground(QWidget* field, bool active) {
  QPalette palette = field->palette();
  palette.setColor(QPalette::Base, active ? paneColors::activeField(field->window()->palette())
                                          : paneColors::inactiveField(field->window()->palette()));
  field->setPalette(palette);
  field->setAutoFillBackground(true);
}

settings::MacroStep keyStep(const HVKeyCombo& combo) {
  return settings::MacroStep::key(combo.keyCode(), combo.modifiers(), combo.delay());
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
  fSteps.reserve(settings::kMacroStepCount);
  fOldSteps.reserve(settings::kMacroStepCount);
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
}

void HVKeyComboPanel::setKeyArray(const QList<HVKeyCombo>& combos) {
  fSteps.clear();
  fOldSteps.clear();
  for (const HVKeyCombo& combo : combos) fOldSteps << keyStep(combo);
  selectedStep_ = -1;
}

void HVKeyComboPanel::setMacroSteps(const QList<settings::MacroStep>& steps) {
  fOldSteps = steps;
  fSteps = steps.first(std::min<qsizetype>(steps.size(), settings::kMacroStepCount));
  selectedStep_ = -1;
}

QList<HVKeyCombo> HVKeyComboPanel::keyArray() const {
  QList<HVKeyCombo> combos;
  for (const settings::MacroStep& step : fSteps)
    if (step.kind == settings::StepKind::Key)
      combos << HVKeyCombo(step.keyCode, step.modifiers, int(std::lround(step.delay)));
  return combos;
}

QList<settings::MacroStep> HVKeyComboPanel::macroSteps() const {
  QList<settings::MacroStep> steps;
  for (const settings::MacroStep& step : fSteps) {
    const bool plays = step.kind == settings::StepKind::Key
                           ? step.keyCode != settings::kEmptyKeyCode
                       : step.kind == settings::StepKind::Text ? !step.text.isEmpty()
                                                               : true;
    if (plays) steps << step;
  }
  return steps;
}

int HVKeyComboPanel::pauseTarget() const {
  return selectedStep_ >= 0 && selectedStep_ < fSteps.size() ? selectedStep_
                                                             : int(fSteps.size()) - 1;
}

QString HVKeyComboPanel::untypableIn(const settings::MacroStep& step) const {
  if (!typingLimits_ || step.kind != settings::StepKind::Text || step.text.isEmpty())
    return QString();
  return typingLimits_->untypableCharacters(step.text);
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
  rows_.clear();  // they went with the former window
  auto* rowsLayout = new QVBoxLayout(ui_->fStepRows);
  rowsLayout->setContentsMargins({});
  rowsLayout->setSpacing(2);
  auto* addMenu = new QMenu(ui_->fAddStepButton);
  for (const settings::StepKind kind :
       {settings::StepKind::Text, settings::StepKind::MouseButton, settings::StepKind::Wheel})
    connect(addMenu->addAction(MacroStepRow::kindName(kind)), &QAction::triggered, this,
            [this, kind] { addStep(kind); });
  ui_->fAddStepButton->setMenu(addMenu);
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
  connect(qApp, &QApplication::focusChanged, window_,
          [this](QWidget*, QWidget* now) { selectRowOf(now); });
}

void HVKeyComboPanel::_refreshContents() {
  Ui::HVKeyComboPanel& ui = outlets();
  ui.fProfileCombo->setCurrentIndex(-1);  // shows "Select..."

  const bool macro = fActionType != kSelectProfile && fActionType != kLaunchApp;
  if (macro) {
    fActionType = kExecuteMacro;
  } else {
    fSteps.clear();
    fOldSteps.clear();
  }
  const QList<QWidget*> macroControls{ui.f50msButton,  ui.f100msButton, ui.f150msButton,
                                      ui.f200msButton, ui.mComboField,  ui.fPlayModePopUp};
  for (QWidget* control : macroControls) control->setEnabled(macro);
  ui.fAddStepButton->setEnabled(macro && fSteps.size() < settings::kMacroStepCount);

  setFieldBackground(ui.mComboField, macro);
  ui.mComboField->setText(macroDescription(fSteps));
  ui.fOldComboField->setText(macroDescription(fOldSteps));
  showRows();
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
  const qsizetype before = fSteps.size();
  selectedStep_ = -1;  // pauses follow the key just recorded
  if (combo.keyCode() == -1 || combo.modifiers() == -1)
    fSteps.clear();
  else if (fSteps.size() < settings::kMacroStepCount)
    fSteps.append(keyStep(combo));
  _refreshContents();
  announceRecorded(before, combo);
}

bool HVKeyComboPanel::isRecordingMacro() const {
  return fActionType == kExecuteMacro;
}

void HVKeyComboPanel::handleDelayClick(QObject* sender) {
  const int delay = 50 * tagOf(sender) + 50;
  const int target = pauseTarget();
  if (target >= 0) {
    // Capped as a key combination's pause is; below 0 it only means no pause.
    double& pause = fSteps[target].delay;
    pause = std::min<double>(pause + delay, settings::kMaxDelay);
  }
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
  fOldSteps.clear();
  fSteps.clear();
  selectedStep_ = -1;
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
