#include "HalvanePrefPanel/widgets/ClickableTextField.h"

#include "HalvanePrefPanel/editor/HVKeyComboPanel.h"
#include "HalvanePrefPanel/widgets/FocusFrame.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>

namespace halvane {

ClickableTextField::ClickableTextField(QWidget* parent) : QLabel(parent) {
  setCursor(Qt::PointingHandCursor);
  setTextInteractionFlags(Qt::NoTextInteraction);
  setFocusPolicy(Qt::StrongFocus);
}

void ClickableTextField::setChosen(bool chosen) {
  if (chosen == chosen_) return;
  chosen_ = chosen;
  QAccessible::State changed;
  changed.checked = true;
  QAccessibleStateChangeEvent event(this, changed);
  QAccessible::updateAccessibility(&event);
}

void ClickableTextField::mousePressEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() == Qt::LeftButton) HVKeyComboPanel::sharedPanel()->handleTextClick(this);
}

void ClickableTextField::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if ((key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter) ||
      event->modifiers() != Qt::NoModifier) {
    QLabel::keyPressEvent(event);
    return;
  }
  event->accept();
  HVKeyComboPanel::sharedPanel()->handleTextClick(this);
}

void ClickableTextField::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  drawFocusFrame(*this);
}

}  // namespace halvane
