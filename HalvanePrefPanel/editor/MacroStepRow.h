#pragma once

#include "shared/settings/MacroStep.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QStackedWidget;

namespace halvane {

// One step of the macro editor: its number, a kind pop-up, the kind's own controls (the recorded
// combination; a text field; button and action pop-ups; direction and notches), its pause and a
// button that removes it. The row shows a step and tells when the user changed it; the editor
// keeps the steps.
class MacroStepRow : public QWidget {
  Q_OBJECT

 public:
  explicit MacroStepRow(QWidget* parent = nullptr);

  // Shows step as step number index + 1; untypable: the characters of a text step this desktop
  // cannot type, named under the text field.
  void showStep(int index, const settings::MacroStep& step, const QString& untypable);
  // The step as the row's controls now say.
  const settings::MacroStep& step() const { return step_; }
  void setSelected(bool selected);

  // The translated name of a kind, as the kind pop-up and the editor's "Add step" menu show it.
  static QString kindName(settings::StepKind kind);

  // The row's controls in their Tab order; those of other kinds are hidden.
  QList<QWidget*> focusChain() const;

  QComboBox* kindPopUp() const { return kind_; }
  QLabel* keyField() const { return key_; }
  QLineEdit* textField() const { return text_; }
  QLabel* untypableHint() const { return hint_; }
  QComboBox* buttonPopUp() const { return button_; }
  QComboBox* actionPopUp() const { return action_; }
  QComboBox* directionPopUp() const { return direction_; }
  QSpinBox* notchesBox() const { return notches_; }
  QLabel* pauseLabel() const { return pause_; }
  QPushButton* removeButton() const { return remove_; }

 signals:
  // The user changed the step through one of the row's controls.
  void edited(const settings::MacroStep& step);
  void removeClicked();

 private:
  void changeKind(int index);
  void nameControls();

  int index_ = 0;
  bool marked_ = false;  // characters of the text field are underlined
  settings::MacroStep step_;
  QLabel* number_;
  QComboBox* kind_;
  QStackedWidget* pages_;
  QLabel* key_;
  QLineEdit* text_;
  QLabel* hint_;
  QComboBox* button_;
  QComboBox* action_;
  QComboBox* direction_;
  QSpinBox* notches_;
  QLabel* pause_;
  QPushButton* remove_;
};

}  // namespace halvane
