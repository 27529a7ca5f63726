#pragma once

#include <QRect>
#include <QWidget>

#include <memory>

namespace halvane {

class OverlaySurface;

// A borderless window floating above ordinary windows whose visibility is its alpha value, the
// way a window's alpha works: a 32-bit float clamped to 0..1. While the alpha is 0 the window
// lets mouse clicks through to whatever lies below. It never takes the keyboard focus.
//
// Without a surface the window is this QWidget itself (X11, or Qt's offscreen platform). With
// one, the QWidget is never shown: its state goes to the surface, which draws it instead.
class OverlayWindow : public QWidget {
  Q_OBJECT

 public:
  // The shadow the window casts under its content, as a window server draws it: the content's
  // shapes in black at this opacity, this far below and to the right (logical pixels). It keeps
  // the light text readable over a light desktop.
  static constexpr QPoint kShadowOffset{1, 2};
  static constexpr qreal kShadowOpacity = 0.5;

  explicit OverlayWindow(const QSize& contentSize, QWidget* parent = nullptr);
  ~OverlayWindow() override;

  // Before the window is first shown.
  void setSurface(std::unique_ptr<OverlaySurface> surface);
  OverlaySurface* surface() const { return mSurface.get(); }

  float alphaValue() const { return mAlpha; }
  // Stores alpha as a float, clamped to 0..1.
  void setAlphaValue(double alpha);

  // What the content shows, in words, for surfaces that draw it themselves.
  void setContentText(const QString& text);

  // Frames in screen coordinates (Qt's: y grows downward).
  QRect frame() const { return geometry(); }
  void setFrameOrigin(const QPoint& topLeft);
  QRect mainScreenFrame() const;
  // The main screen less panels and docks.
  QRect mainScreenVisibleFrame() const;

  void setVisible(bool visible) override;

  // Gives the content the window's shadow where the window draws itself; a surface draws its
  // own.
  void shadowContent(QWidget* content);

 private:
  void setTransparentForInput(bool transparent);

  float mAlpha = 0.0f;
  std::unique_ptr<OverlaySurface> mSurface;
};

}  // namespace halvane
