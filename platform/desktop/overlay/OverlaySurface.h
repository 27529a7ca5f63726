#pragma once

#include <QRect>
#include <QString>

class QWidget;

namespace halvane {

// Where an OverlayWindow appears when the Qt window itself cannot float above the desktop (on
// Wayland Qt can neither place a window nor keep it above others): a layer-shell surface, the
// GNOME Shell extension's actor, or a desktop notification. The window keeps its state (alpha,
// frame, text) and tells the surface each change; the surface shows what it can of it.
class OverlaySurface {
 public:
  virtual ~OverlaySurface() = default;
  // The window whose pixels a surface may paint (QWidget::render) and to which it sends the
  // mouse events it receives, so that dragging stays the window's own.
  virtual void attach(QWidget& window) { (void)window; }
  // On screen or not; the window's alpha still decides what is seen.
  virtual void setShown(bool shown) = 0;
  // The words the content shows (a null text: none); for surfaces that draw text themselves.
  virtual void setText(const QString& text) = 0;
  virtual void setAlpha(float alpha) = 0;
  // In the screen coordinates of screenFrame().
  virtual void setFrame(const QRect& frame) = 0;
  // The output the surface lies on, where the surface knows it better than Qt (whose screen may
  // be a stand-in); empty: Qt's primary screen. Panels are the surface's own business.
  virtual QRect screenFrame() const { return {}; }
};

}  // namespace halvane
