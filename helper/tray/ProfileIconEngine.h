#pragma once

#include <QIconEngine>

namespace halvane {

// The tray icon's picture, a profile's number on a blue rounded square, drawn at whatever size
// and pixel ratio it is asked for: sharp on a scaled screen, never a bitmap scaled. It names
// the sizes a tray at scale 1 to 2 shows (for trays that take a list of pictures).
class ProfileIconEngine : public QIconEngine {
 public:
  explicit ProfileIconEngine(int number) : number_(number) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                       qreal scale) override;
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
  QIconEngine* clone() const override { return new ProfileIconEngine(number_); }
  QString key() const override { return QStringLiteral("halvane-profile"); }

 private:
  int number_;
};

}  // namespace halvane
