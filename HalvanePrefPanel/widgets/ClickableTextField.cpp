#include "HalvanePrefPanel/widgets/ClickableTextField.h"

#include "HalvanePrefPanel/editor/HVKeyComboPanel.h"

#include <QMouseEvent>

namespace halvane {

ClickableTextField::ClickableTextField(QWidget* parent) : QLabel(parent) {
  setCursor(Qt::PointingHandCursor);
  setTextInteractionFlags(Qt::NoTextInteraction);
}

void ClickableTextField::mousePressEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() == Qt::LeftButton) HVKeyComboPanel::sharedPanel()->handleTextClick(this);
}

}  // namespace halvane
