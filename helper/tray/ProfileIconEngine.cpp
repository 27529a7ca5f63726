#include "helper/tray/ProfileIconEngine.h"

#include <QFont>
#include <QList>
#include <QPainter>
#include <QPixmap>

#include <algorithm>

namespace halvane {

void ProfileIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) {
  const qreal size = std::min(rect.width(), rect.height());
  const QRectF square(rect.x() + (rect.width() - size) / 2, rect.y() + (rect.height() - size) / 2,
                      size, size);
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing);
  painter->setPen(Qt::NoPen);
  painter->setBrush(QColor(0x26, 0x5f, 0xb4));
  const qreal corner = size / 5.0;
  painter->drawRoundedRect(square, corner, corner);
  QFont font = painter->font();
  font.setBold(true);
  // Two digits (profile 10) must fit as well as one.
  font.setPixelSize(std::max(1, int(number_ >= 10 ? size * 9 / 16 : size * 3 / 4)));
  painter->setFont(font);
  painter->setPen(Qt::white);
  painter->drawText(square, Qt::AlignCenter, QString::number(number_));
  painter->restore();
}

QPixmap ProfileIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
  return scaledPixmap(size, mode, state, 1.0);
}

QPixmap ProfileIconEngine::scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                                        qreal scale) {
  // `size` is in device pixels already; the painting is in device pixels too.
  QPixmap picture(size);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  paint(&painter, QRect(QPoint(), size), mode, state);
  painter.end();
  picture.setDevicePixelRatio(scale);
  return picture;
}

QList<QSize> ProfileIconEngine::availableSizes(QIcon::Mode, QIcon::State) {
  QList<QSize> sizes;
  // Tray slots of 16, 22, 24 and 32 at scales 1, 1.25, 1.5 and 2, and 48 and 64.
  for (const int size : {16, 20, 22, 24, 28, 30, 32, 33, 36, 40, 44, 48, 64})
    sizes << QSize(size, size);
  return sizes;
}

}  // namespace halvane
