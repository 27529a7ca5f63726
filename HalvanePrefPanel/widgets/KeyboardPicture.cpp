#include "HalvanePrefPanel/widgets/KeyboardPicture.h"

#include "HalvanePrefPanel/widgets/PaneColors.h"

#include <QEvent>
#include <QFile>
#include <QPainter>

namespace halvane {
namespace {

// The picture's colours that stand for a palette colour, as they are written in the picture.
constexpr char kLabelField[] = "fill=\"#ffffff\"";
constexpr char kLabelFrame[] = "stroke=\"#b3bcc8\"";
constexpr char kBodyOutline[] = "stroke=\"#15171a\"";

QByteArray attribute(const char* name, const QColor& color) {
  return QByteArray(name) + "=\"" + color.name().toLatin1() + '"';
}

}  // namespace

KeyboardPicture::KeyboardPicture(QWidget* parent) : QWidget(parent) {
  // L1 to L5 stay on the left, as on the keyboard, in a right-to-left language too.
  setLayoutDirection(Qt::LeftToRight);
}

void KeyboardPicture::setSource(const QString& path) {
  source_ = path;
  QFile file(path);
  original_ = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  recolour();
}

void KeyboardPicture::recolour() {
  const QPalette& colours = palette();
  recoloured_ = original_;
  recoloured_.replace(kLabelField, attribute("fill", colours.color(QPalette::Base)));
  recoloured_.replace(kLabelFrame, attribute("stroke", paneColors::labelFrame(colours)));
  // The dark keyboard would melt into a dark window without a lighter edge.
  if (paneColors::isDark(colours))
    recoloured_.replace(kBodyOutline, attribute("stroke", paneColors::labelFrame(colours)));
  renderer_.load(recoloured_);
  update();
}

void KeyboardPicture::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::PaletteChange && !original_.isEmpty()) recolour();
}

void KeyboardPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer_.render(&painter, QRectF(rect()));
}

}  // namespace halvane
