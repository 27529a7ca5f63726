// The macro editor for screen readers and for the keyboard alone: names, the focus order, the
// way out of the key recorder and the announcements of what each key press changed.
#include "HalvanePrefPanel/controller/MacroKeySpeech.h"
#include "HalvanePrefPanel/editor/HVKeyComboPanel.h"
#include "HalvanePrefPanel/editor/MacroStepRow.h"
#include "HalvanePrefPanel/widgets/PaneAccessibility.h"
#include "shared/settings/ActionTypes.h"
#include "shared/settings/SettingsLimits.h"
#include "ui_HVKeyComboPanel.h"

#include <QAbstractItemView>
#include <QDialog>
#include <QKeyEvent>

#include <cmath>

namespace halvane {

void HVKeyComboPanel::setUpKeyboardAccess() {
  installPaneAccessibility();
  Ui::HVKeyComboPanel& ui = *ui_;
  ui.mKeyBcaster->setAccessibleDescription(
      tr("Records every key you press, Tab and Escape too, up to eight keys. Press Escape "
         "twice quickly to stop recording."));
  for (QPushButton* delay : {ui.f50msButton, ui.f100msButton, ui.f150msButton, ui.f200msButton})
    delay->setAccessibleDescription(
        tr("Adds this pause after the step chosen last, else after the last step"));
  ui.fPlayModePopUp->view()->setAccessibleName(tr("How the macro plays"));
  // Showing "Select..." it has no current text, which is all that names a pop-up on Linux.
  ui.fProfileCombo->setAccessibleName(tr("Profile to switch to"));
  ui.fProfileCombo->view()->setAccessibleName(ui.fProfileCombo->accessibleName());

  orderFocus();
}

// Each choice from top to bottom, the step rows after the pause buttons, then the sheet's
// buttons. Called again whenever the rows change.
void HVKeyComboPanel::orderFocus() {
  Ui::HVKeyComboPanel& ui = *ui_;
  QList<QWidget*> order{ui.fMacroCaption, ui.fPlayModePopUp, ui.mKeyBcaster,  ui.f50msButton,
                        ui.f100msButton,  ui.f150msButton,   ui.f200msButton, ui.clearButton};
  for (const MacroStepRow* row : rows_) order << row->focusChain();
  order << QList<QWidget*>{ui.fAddStepButton,  ui.fAppCaption,   ui.fSelectAppButton,
                           ui.fProfileCaption, ui.fProfileCombo, ui.applyButton,
                           ui.cancelButton,    ui.okButton};
  for (qsizetype n = 1; n < order.size(); ++n) QWidget::setTabOrder(order[n - 1], order[n]);
}

void HVKeyComboPanel::showChosenCaption() {
  Ui::HVKeyComboPanel& ui = *ui_;
  ui.fMacroCaption->setChosen(fActionType == settings::kExecuteMacro);
  ui.fAppCaption->setChosen(fActionType == settings::kLaunchApp);
  ui.fProfileCaption->setChosen(fActionType == settings::kSelectProfile);
  //: The macro editor as a screen reader names it; %1 is the key's name, such as L2
  window_->setAccessibleName(tr("Macro key %1").arg(mKeyName));
}

// The recorder takes every key, Tab and Escape included, so that any macro can be recorded, and
// holds the whole keyboard while it records: it needs a way out that is itself a key. Escape
// pressed twice in a row is that way, as in the editors that take Escape for themselves: the
// first Escape is recorded as any key is, the second, within kLeaveRecorderInterval, takes it
// back and moves the focus on to the pause buttons. Two Escapes in a macro are recorded with a
// pause between them. (The mouse, or clicking elsewhere, also leaves the recorder.)
bool HVKeyComboPanel::leavesRecorder(const QKeyEvent& key) {
  if (key.isAutoRepeat() || !isRecordingMacro()) return false;
  if (key.key() != Qt::Key_Escape || key.modifiers() != Qt::NoModifier) {
    escapePending_ = false;
    return false;
  }
  if (!escapePending_ || key.timestamp() - escapeTime_ > quint64(kLeaveRecorderInterval)) {
    escapePending_ = true;
    escapeTime_ = key.timestamp();
    stepsBeforeEscape_ = fSteps.size();
    return false;  // the recorder records it
  }
  escapePending_ = false;
  if (fSteps.size() == stepsBeforeEscape_ + 1) fSteps.removeLast();
  _refreshContents();
  ui_->f50msButton->setFocus(Qt::TabFocusReason);
  announce(tr("Recording stopped."));
  return true;
}

void HVKeyComboPanel::announce(const QString& text) {
  if (ui_) ui_->fStatusLine->announce(text);
}

void HVKeyComboPanel::announceRecorded(qsizetype stepsBefore, const HVKeyCombo& combo) {
  if (fSteps.isEmpty()) {
    announce(tr("Recording cleared."));
  } else if (fSteps.size() == stepsBefore) {
    announce(tr("Not recorded: a macro has at most %n keys.", "", settings::kMacroStepCount));
  } else {
    //: %1 is a key combination such as Control+C; %2 counts the keys recorded, %3 the most
    announce(tr("Recorded %1, key %2 of %3.")
                 .arg(combo.spokenDescription(), QString::number(fSteps.size()),
                      QString::number(settings::kMacroStepCount)));
  }
}

void HVKeyComboPanel::announceDelay() {
  const int target = pauseTarget();
  if (target < 0) {
    announce(tr("Record a key first: the pause follows the last key."));
    return;
  }
  const settings::MacroStep& step = fSteps[target];
  const QString pause = MacroKeySpeech::pause(int(std::lround(step.delay)));
  if (step.kind != settings::StepKind::Key) {
    //: %1 is the number of a macro's step, %2 what follows it, such as "waits 0.5 seconds"
    announce(tr("After step %1 the macro %2.").arg(QString::number(target + 1), pause));
    return;
  }
  //: %1 is a key combination such as Control+C, %2 what follows it, such as "waits 0.5 seconds"
  announce(tr("After %1 the macro %2.")
               .arg(HVKeyCombo(step.keyCode, step.modifiers, 0).spokenDescription(), pause));
}

}  // namespace halvane
