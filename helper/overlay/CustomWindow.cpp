#include "helper/overlay/CustomWindow.h"

#include "helper/overlay/CustomView.h"
#include "platform/system/log/SystemLog.h"
#include "platform/system/sleeper/Clock.h"
#include "platform/system/trace/Trace.h"

#include <QMouseEvent>

#include <charconv>
#include <cstdlib>

namespace halvane {

namespace {

// The alpha as a person reads it: the shortest decimal that is the same float (0.2, not
// 0.20000000298...).
double traceValue(float alpha) {
  char text[32] = {};
  std::to_chars(text, text + sizeof text - 1, alpha);
  return std::strtod(text, nullptr);
}

}  // namespace

CustomWindow::CustomWindow(SystemLog& log, Trace& trace, Clock& clock, QWidget* parent)
    : OverlayWindow(kContentSize, parent),
      mLog(log),
      mTrace(trace),
      mCustomView(new CustomView(this)),
      mFadeTimer(clock.repeating(kFadeIntervalMs, [this] { fadeMethod(); })) {
  mCustomView->setGeometry(rect());
}

CustomWindow::~CustomWindow() = default;

void CustomWindow::setCustomView(CustomView* view) {
  mCustomView = view;
  if (view) {
    view->setParent(this);
    view->setGeometry(rect());
  }
}

void CustomWindow::displayProfileName(const QString& name) {
  mTrace.write(TraceEvent("overlayName").add("name", name));
  if (!mCustomView)
    mLog.log(QStringLiteral("!mCustomView"));
  else
    mCustomView->setProfileName(name);
  setContentText(name);
  // Without a name there is nothing to fade in: the window fades out instead.
  startFade(name.isNull() ? FadeDirection::Out : FadeDirection::In);
}

void CustomWindow::hideProfileName() {
  mTrace.write(TraceEvent("overlayHide"));
  startFade(FadeDirection::Out);
}

bool CustomWindow::profileNameVisible() const {
  return alphaValue() >= 1.0f;
}

void CustomWindow::placeOnMainScreen() {
  const QRect visible = mainScreenVisibleFrame();
  // Against the visible area's right edge, kBottomOffset above its bottom.
  setFrameOrigin(QPoint(visible.x() + visible.width() - width(),
                        visible.y() + visible.height() - kBottomOffset - height()));
  shadowContent(mCustomView);
  show();  // at alpha 0: on screen from now on, invisible until a name fades in
}

void CustomWindow::startFade(FadeDirection direction) {
  if (mFading) stopFade();
  mFading = true;
  mFadeDirection = direction;
  mFadeTimer->start();
}

void CustomWindow::stopFade() {
  mFadeTimer->stop();
  mFading = false;
}

void CustomWindow::fadeMethod() {
  if (!mFading) return;
  const float alpha = alphaValue();
  if (mFadeDirection == FadeDirection::In) {
    if (alpha >= 1.0f) return stopFade();
    setAlphaValue(double(alpha) + kFadeInStep);
  } else {
    if (!(alpha > 0.0f)) {
      stopFade();
      return notifyHidden();
    }
    setAlphaValue(double(alpha) - kFadeOutStep);
  }
  mTrace.write(TraceEvent("alpha").add("value", traceValue(alphaValue())));
}

void CustomWindow::mouseDown(const QPointF& screenLocation) {
  initialLocation = screenLocation - QPointF(frame().topLeft());
}

void CustomWindow::mouseDragged(const QPointF& screenLocation) {
  QPointF origin = screenLocation - initialLocation;
  // The top edge never rises above the top of the main screen; the other edges are free.
  const QRect screen = mainScreenFrame();
  if (origin.y() < screen.top()) origin.setY(screen.top());
  setFrameOrigin(origin.toPoint());
}

void CustomWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) mouseDown(event->globalPosition());
}

// Qt compresses mouse moves, so the event's position is the mouse's current one.
void CustomWindow::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() & Qt::LeftButton) mouseDragged(event->globalPosition());
}

void CustomWindow::resizeEvent(QResizeEvent* event) {
  OverlayWindow::resizeEvent(event);
  if (mCustomView) mCustomView->setGeometry(rect());
}

}  // namespace halvane
