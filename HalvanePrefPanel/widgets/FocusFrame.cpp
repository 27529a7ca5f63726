#include "HalvanePrefPanel/widgets/FocusFrame.h"

#include <QPainter>
#include <QWidget>

namespace halvane {
namespace {
constexpr int kFrameWidth = 2;
}  // namespace

// Drawn whatever the focus came from: the styles draw their own focus rectangle only after a
// key moved the focus, and a key view must show it after a click too.
void drawFocusFrame(QWidget& widget) {
  if (!widget.hasFocus()) return;
  QPainter painter(&widget);
  QPen pen(widget.palette().color(QPalette::Active, QPalette::Highlight), kFrameWidth);
  pen.setJoinStyle(Qt::MiterJoin);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  const qreal inset = kFrameWidth / 2.0;
  painter.drawRect(QRectF(widget.rect()).adjusted(inset, inset, -inset, -inset));
}

}  // namespace halvane
