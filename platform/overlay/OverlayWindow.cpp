#include "platform/overlay/OverlayWindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace halvane {

OverlayWindow::OverlayWindow(const QSize& contentSize, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                          Qt::WindowDoesNotAcceptFocus) {
  setAttribute(Qt::WA_TranslucentBackground);
  setAttribute(Qt::WA_ShowWithoutActivating);
  resize(contentSize);
  setAlphaValue(0.0);
}

void OverlayWindow::setAlphaValue(double alpha) {
  mAlpha = std::isnan(alpha) ? 0.0f : std::clamp(float(alpha), 0.0f, 1.0f);
  setWindowOpacity(mAlpha);
  setTransparentForInput(mAlpha <= 0.0f);
}

void OverlayWindow::setTransparentForInput(bool transparent) {
  if (windowFlags().testFlag(Qt::WindowTransparentForInput) == transparent) return;
  // setWindowFlags would hide and re-create the native window; change the flag in place instead.
  overrideWindowFlags(windowFlags() ^ Qt::WindowTransparentForInput);
  if (QWindow* window = windowHandle()) window->setFlags(windowFlags());
}

QRect OverlayWindow::mainScreenFrame() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry() : QRect();
}

QRect OverlayWindow::mainScreenVisibleFrame() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect();
}

}  // namespace halvane
