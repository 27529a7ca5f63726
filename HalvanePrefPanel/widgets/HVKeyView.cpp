#include "HalvanePrefPanel/widgets/HVKeyView.h"

#include "HalvanePrefPanel/controller/HalvanePref.h"
#include "HalvanePrefPanel/controller/PaneGlobals.h"
#include "HalvanePrefPanel/widgets/FocusFrame.h"
#include "HalvanePrefPanel/widgets/PaneColors.h"
#include "shared/settings/SettingsLimits.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>

namespace halvane {
namespace {
constexpr int kLastClickableTag = 19;
constexpr int kKeysPerColumn = settings::kMacroKeyCount / 2;  // L1 to L5, then R1 to R5

// The macro key an arrow leads to from key, in the columns of the physical keyboard (the
// picture is never mirrored); -1 at an edge or for any other key.
int neighbourKey(int key, int arrow) {
  if (key < 0 || key >= settings::kMacroKeyCount) return -1;
  const int column = key / kKeysPerColumn, row = key % kKeysPerColumn;
  switch (arrow) {
    case Qt::Key_Up:
      return row > 0 ? key - 1 : -1;
    case Qt::Key_Down:
      return row < kKeysPerColumn - 1 ? key + 1 : -1;
    case Qt::Key_Left:
      return column == 1 ? key - kKeysPerColumn : -1;
    case Qt::Key_Right:
      return column == 0 ? key + kKeysPerColumn : -1;
    default:
      return -1;
  }
}

}  // namespace

HVKeyView::HVKeyView(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setFocusPolicy(Qt::ClickFocus);
}

int HVKeyView::tag() const {
  return tagOf(this);
}

void HVKeyView::setOpacity(float opacity) {
  opacity_ = opacity;
  update();
}

void HVKeyView::paintEvent(QPaintEvent*) {
  const FocusFrameOnTop frame(*this);
  if (opacity_ <= 0.0f) return;
  QPainter painter(this);
  QColor wash = paneColors::keyWash(palette());
  wash.setAlphaF(opacity_);
  painter.fillRect(rect(), wash);
}

// Never the base class's click handling.
void HVKeyView::mousePressEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() != Qt::LeftButton || tag() > kLastClickableTag || !gHVPrefsApp) return;
  gHVPrefsApp->handleMacroButton(this);
}

// From the Menu key the menu opens on the key, not where the pointer happens to be.
void HVKeyView::contextMenuEvent(QContextMenuEvent* event) {
  event->accept();
  const QPoint at = event->reason() == QContextMenuEvent::Keyboard ? mapToGlobal(rect().center())
                                                                   : event->globalPos();
  if (gHVPrefsApp) gHVPrefsApp->popUpContextMenu(this, at);
}

void HVKeyView::enterEvent(QEnterEvent*) {
  if (gHVPrefsApp) gHVPrefsApp->mouseOverMacroKey(tag());
}

void HVKeyView::leaveEvent(QEvent*) {
  if (gHVPrefsApp && !hasFocus()) gHVPrefsApp->mouseOutsideMacroKey(tag());
}

void HVKeyView::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  const bool menuKey = key == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier;
  const bool clickKey = (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) &&
                        event->modifiers() == Qt::NoModifier;
  const int neighbour = event->modifiers() == Qt::NoModifier ? neighbourKey(tag(), key) : -1;
  if (!gHVPrefsApp || tag() > kLastClickableTag || !(menuKey || clickKey || neighbour >= 0)) {
    QWidget::keyPressEvent(event);
    return;
  }
  event->accept();
  if (clickKey)
    gHVPrefsApp->handleMacroButton(this);
  else if (menuKey)
    gHVPrefsApp->popUpContextMenu(this, mapToGlobal(rect().center()));
  else if (HVKeyView* next = gHVPrefsApp->m_Key[neighbour])
    next->setFocus(Qt::TabFocusReason);
}

// The focused key is lit as under the pointer, with its label, and framed.
void HVKeyView::focusInEvent(QFocusEvent* event) {
  if (gHVPrefsApp) gHVPrefsApp->mouseOverMacroKey(tag());
  QWidget::focusInEvent(event);
}

void HVKeyView::focusOutEvent(QFocusEvent* event) {
  if (gHVPrefsApp && !underMouse()) gHVPrefsApp->mouseOutsideMacroKey(tag());
  QWidget::focusOutEvent(event);
}

}  // namespace halvane
