#include "helper/overlay/CustomView.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>

namespace halvane {

namespace {

// A colour blended fraction of the way toward another, channel by channel.
QColor blended(const QColor& from, const QColor& toward, float fraction) {
  auto mix = [fraction](float a, float b) { return a + (b - a) * fraction; };
  return QColor::fromRgbF(mix(from.redF(), toward.redF()), mix(from.greenF(), toward.greenF()),
                          mix(from.blueF(), toward.blueF()), from.alphaF());
}

}  // namespace

CustomView::CustomView(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TranslucentBackground);
  update();
}

void CustomView::setProfileName(const QString& name) {
  // Only the right end of a long name is ever in view; a name of any length (one imported from
  // a file) costs no more to lay out on every fade step than one that fills the view.
  mProfileName = name.size() > kMaxShownCharacters ? name.right(kMaxShownCharacters) : name;
  update();
}

QColor CustomView::textColor() {
  return blended(QColor::fromRgbF(0.0f, 1.0f, 0.0f), QColor::fromRgbF(1.0f, 1.0f, 1.0f), 0.3f);
}

QFont CustomView::textFont() {
  QFont font(QStringLiteral("Lucida Grande"));
  font.setStyleHint(QFont::SansSerif);  // font matching falls back to the default sans
  // The window and the margins are laid out in device-independent pixels, as the original's
  // points were; a pixel size keeps the letters in the same proportion to them at any DPI.
  font.setPixelSize(24);
  return font;
}

void CustomView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  drawRect(painter, event->rect());
}

void CustomView::drawRect(QPainter& painter, const QRect& /*rect*/) {
  // The whole frame, not just the dirty rectangle: the ground is replaced, not blended.
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.fillRect(rect(), Qt::transparent);
  painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  if (mProfileName.isNull()) return;

  const QFont font = textFont();
  const QFontMetricsF metrics(font, this);
  const qreal textWidth = metrics.horizontalAdvance(mProfileName);
  // The text's line box sits kBottomMargin above the bottom edge; a name wider than the view
  // starts left of it and is cut off there.
  const QPointF baseline(width() - textWidth - kRightMargin,
                         height() - kBottomMargin - metrics.descent());
  painter.setFont(font);
  painter.setPen(textColor());
  painter.drawText(baseline, mProfileName);
}

}  // namespace halvane
