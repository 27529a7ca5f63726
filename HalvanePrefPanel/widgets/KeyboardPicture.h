#pragma once

#include <QSvgRenderer>
#include <QWidget>

namespace halvane {

// Draws a vector picture (the keyboard) at the widget's size, sharp at any pixel ratio; the key
// views lie over it as children.
class KeyboardPicture : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString source READ source WRITE setSource)

 public:
  explicit KeyboardPicture(QWidget* parent = nullptr);
  QString source() const { return source_; }
  void setSource(const QString& path);
  bool isPictureValid() const { return renderer_.isValid(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString source_;
  QSvgRenderer renderer_;
};

}  // namespace halvane
