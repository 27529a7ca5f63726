// The macro editor's step rows: one row per step, steps added from the "Add step" menu, removed,
// edited in place, and the row the pause buttons add to.
#include "HalvanePrefPanel/controller/MacroKeySpeech.h"
#include "HalvanePrefPanel/editor/HVKeyComboPanel.h"
#include "HalvanePrefPanel/editor/MacroStepRow.h"
#include "shared/settings/ActionTypes.h"
#include "shared/settings/SettingsLimits.h"
#include "ui_HVKeyComboPanel.h"

#include <QComboBox>
#include <QDialog>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>

namespace halvane {
namespace {

// Where the focus goes in a row just added: its first choice.
QWidget* firstChoiceOf(const MacroStepRow& row) {
  switch (row.step().kind) {
    case settings::StepKind::Text:
      return row.textField();
    case settings::StepKind::MouseButton:
      return row.buttonPopUp();
    case settings::StepKind::Wheel:
      return row.directionPopUp();
    case settings::StepKind::Key:
      break;
  }
  return row.kindPopUp();
}

}  // namespace

void HVKeyComboPanel::addStep(settings::StepKind kind) {
  if (fSteps.size() >= settings::kMacroStepCount) {
    announce(tr("Not added: a macro has at most %n steps.", "", settings::kMacroStepCount));
    return;
  }
  settings::MacroStep step;
  switch (kind) {
    case settings::StepKind::Text:
      step = settings::MacroStep::typing(QString());
      break;
    case settings::StepKind::MouseButton:
      step = settings::MacroStep::mouseButton(settings::MouseButton::Left,
                                              settings::ButtonAction::Click);
      break;
    case settings::StepKind::Wheel:  // down one notch: what a wheel step is most often for
      step = settings::MacroStep::scroll(settings::WheelDirection::Down, 1);
      break;
    case settings::StepKind::Key:  // keys are recorded, not added
      return;
  }
  fActionType = settings::kExecuteMacro;
  fSteps << step;
  selectedStep_ = int(fSteps.size()) - 1;
  _refreshContents();
  if (window_ && window_->isVisible()) firstChoiceOf(*rows_.last())->setFocus(Qt::TabFocusReason);
  //: %1 is the new step's number, %2 its kind, such as Text
  announce(
      tr("Added step %1: %2.").arg(QString::number(fSteps.size()), MacroStepRow::kindName(kind)));
}

void HVKeyComboPanel::removeStep(int index) {
  if (index < 0 || index >= fSteps.size()) return;
  fSteps.removeAt(index);
  selectedStep_ = -1;
  _refreshContents();
  if (window_ && window_->isVisible()) {
    // The focus stays where the removed row was: on the next row's button, or the add button.
    QWidget* next = index < rows_.size() ? rows_[index]->removeButton()
                    : rows_.isEmpty()    ? static_cast<QWidget*>(ui_->fAddStepButton)
                                         : rows_.last()->removeButton();
    next->setFocus(Qt::TabFocusReason);
  }
  announce(tr("Removed step %1.").arg(index + 1));
}

// Rows are made and removed only as the number of steps changes, so the control being used keeps
// its focus (and a text field its cursor) while its row is shown again.
void HVKeyComboPanel::showRows() {
  QLayout* layout = ui_->fStepRows->layout();
  while (rows_.size() > fSteps.size()) {
    // Later: the row's own remove button may be what is being clicked.
    MacroStepRow* gone = rows_.takeLast();
    gone->disconnect(this);
    layout->removeWidget(gone);
    gone->hide();
    gone->deleteLater();
  }
  while (rows_.size() < fSteps.size()) {
    auto* row = new MacroStepRow(ui_->fStepRows);
    layout->addWidget(row);
    row->setVisible(true);  // at once, not when the layout next runs: Tab reaches it now
    connect(row, &MacroStepRow::edited, this, [this, row](const settings::MacroStep& step) {
      const qsizetype index = rows_.indexOf(row);
      if (index < 0) return;
      fSteps[index] = step;
      selectedStep_ = int(index);
      _refreshContents();
    });
    connect(row, &MacroStepRow::removeClicked, this,
            [this, row] { removeStep(int(rows_.indexOf(row))); });
    rows_ << row;
  }
  for (qsizetype index = 0; index < rows_.size(); ++index) {
    rows_[index]->showStep(int(index), fSteps[index], untypableIn(fSteps[index]));
    rows_[index]->setSelected(index == selectedStep_);
  }
  orderFocus();
  if (!window_ || !window_->isVisible()) return;
  // The window grows at once for the rows just made, whose layouts have not run yet.
  for (MacroStepRow* row : rows_) row->layout()->activate();
  ui_->fStepRows->layout()->activate();
  window_->layout()->activate();
  window_->adjustSize();
}

// Entering a row chooses it for the pause buttons; the recorder gives them back to the last step.
void HVKeyComboPanel::selectRowOf(QWidget* focused) {
  if (!ui_ || !focused) return;
  if (focused == ui_->mKeyBcaster) {
    selectedStep_ = -1;
  } else {
    for (qsizetype index = 0; index < rows_.size(); ++index)
      if (rows_[index]->isAncestorOf(focused)) selectedStep_ = int(index);
  }
  for (qsizetype index = 0; index < rows_.size(); ++index)
    rows_[index]->setSelected(index == selectedStep_);
}

}  // namespace halvane
