#pragma once

#include <QRect>
#include <QWidget>

namespace halvane {

// A borderless window floating above ordinary windows whose visibility is its alpha value, the
// way a window's alpha works: a 32-bit float clamped to 0..1. While the alpha is 0 the window
// lets mouse clicks through to whatever lies below. It never takes the keyboard focus.
class OverlayWindow : public QWidget {
  Q_OBJECT

 public:
  explicit OverlayWindow(const QSize& contentSize, QWidget* parent = nullptr);

  float alphaValue() const { return mAlpha; }
  // Stores alpha as a float, clamped to 0..1.
  void setAlphaValue(double alpha);

  // Frames in screen coordinates (Qt's: y grows downward).
  QRect frame() const { return geometry(); }
  void setFrameOrigin(const QPoint& topLeft) { move(topLeft); }
  static QRect mainScreenFrame();
  // The main screen less panels and docks.
  static QRect mainScreenVisibleFrame();

 private:
  void setTransparentForInput(bool transparent);

  float mAlpha = 0.0f;
};

}  // namespace halvane
