#include "HalvanePrefPanel/widgets/HVKeyView.h"

#include "HalvanePrefPanel/controller/HalvanePref.h"
#include "HalvanePrefPanel/controller/PaneGlobals.h"
#include "HalvanePrefPanel/widgets/PaneColors.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>

namespace halvane {
namespace {
constexpr int kLastClickableTag = 19;
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

void HVKeyView::contextMenuEvent(QContextMenuEvent* event) {
  event->accept();
  if (gHVPrefsApp) gHVPrefsApp->popUpContextMenu(this, event->globalPos());
}

void HVKeyView::enterEvent(QEnterEvent*) {
  if (gHVPrefsApp) gHVPrefsApp->mouseOverMacroKey(tag());
}

void HVKeyView::leaveEvent(QEvent*) {
  if (gHVPrefsApp) gHVPrefsApp->mouseOutsideMacroKey(tag());
}

}  // namespace halvane
