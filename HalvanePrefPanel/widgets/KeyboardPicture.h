#pragma once

#include <QByteArray>
#include <QSvgRenderer>
#include <QWidget>

namespace halvane {

// Draws a vector picture (the keyboard) at the widget's size, sharp at any pixel ratio; the key
// views lie over it as children. The picture's light-theme colours of the key labels' fields and
// frames are replaced by the palette's, so its labels stay readable on a dark desktop. It shows
// the physical keyboard: left to right whatever the language's direction.
class KeyboardPicture : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString source READ source WRITE setSource)

 public:
  explicit KeyboardPicture(QWidget* parent = nullptr);
  QString source() const { return source_; }
  void setSource(const QString& path);
  bool isPictureValid() const { return renderer_.isValid(); }
  // The picture as drawn now, with the palette's colours in.
  QByteArray recolouredPicture() const { return recoloured_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void recolour();

  QString source_;
  QByteArray original_;
  QByteArray recoloured_;
  QSvgRenderer renderer_;
};

}  // namespace halvane
