#include "platform/desktop/overlay/OverlayWindow.h"

#include "platform/desktop/overlay/OverlaySurface.h"

#include <QGraphicsDropShadowEffect>
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

OverlayWindow::~OverlayWindow() = default;

void OverlayWindow::setSurface(std::unique_ptr<OverlaySurface> surface) {
  mSurface = std::move(surface);
  if (!mSurface) return;
  mSurface->attach(*this);
  mSurface->setFrame(frame());
  mSurface->setAlpha(mAlpha);
}

void OverlayWindow::setAlphaValue(double alpha) {
  mAlpha = std::isnan(alpha) ? 0.0f : std::clamp(float(alpha), 0.0f, 1.0f);
  if (mSurface) {
    mSurface->setAlpha(mAlpha);
    return;
  }
  setWindowOpacity(mAlpha);
  setTransparentForInput(mAlpha <= 0.0f);
}

void OverlayWindow::setContentText(const QString& text) {
  if (mSurface) mSurface->setText(text);
}

void OverlayWindow::setFrameOrigin(const QPoint& topLeft) {
  move(topLeft);
  if (mSurface) mSurface->setFrame(frame());
}

void OverlayWindow::setVisible(bool visible) {
  if (!mSurface) return QWidget::setVisible(visible);
  mSurface->setShown(visible);
}

void OverlayWindow::shadowContent(QWidget* content) {
  if (mSurface || !content || content->graphicsEffect()) return;
  auto* shadow = new QGraphicsDropShadowEffect(content);
  shadow->setOffset(kShadowOffset);
  shadow->setBlurRadius(0);
  shadow->setColor(QColor(0, 0, 0, qRound(255 * kShadowOpacity)));
  content->setGraphicsEffect(shadow);
}

void OverlayWindow::setTransparentForInput(bool transparent) {
  if (windowFlags().testFlag(Qt::WindowTransparentForInput) == transparent) return;
  // setWindowFlags would hide and re-create the native window; change the flag in place instead.
  overrideWindowFlags(windowFlags() ^ Qt::WindowTransparentForInput);
  if (QWindow* window = windowHandle()) window->setFlags(windowFlags());
}

QRect OverlayWindow::mainScreenFrame() const {
  if (mSurface && !mSurface->screenFrame().isEmpty()) return mSurface->screenFrame();
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry() : QRect();
}

QRect OverlayWindow::mainScreenVisibleFrame() const {
  if (mSurface && !mSurface->screenFrame().isEmpty()) return mSurface->screenFrame();
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect();
}

}  // namespace halvane
