#include "HalvanePrefPanel/widgets/KeyboardPicture.h"

#include <QPainter>

namespace halvane {

KeyboardPicture::KeyboardPicture(QWidget* parent) : QWidget(parent) {}

void KeyboardPicture::setSource(const QString& path) {
  source_ = path;
  renderer_.load(path);
  update();
}

void KeyboardPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer_.render(&painter, QRectF(rect()));
}

}  // namespace halvane
