#pragma once

#include "helper/overlay/CustomView.h"
#include "helper/overlay/ProfileOverlay.h"
#include "platform/desktop/overlay/OverlayWindow.h"

#include <QPointF>
#include <QPointer>

#include <memory>

namespace halvane {

class Clock;
class SystemLog;
class Ticker;
class Trace;

// The profile overlay's window: fades the name in and out with one 50 ms timer, and can be
// dragged with the mouse, but not above the top of the main screen.
class CustomWindow : public OverlayWindow, public ProfileOverlay {
  Q_OBJECT

 public:
  static constexpr int kFadeIntervalMs = 50;
  static constexpr double kFadeInStep = 0.2;
  static constexpr double kFadeOutStep = 0.1;
  // Room for a long profile name at the overlay's letter size.
  static constexpr QSize kContentSize{400, 60};
  // Distance between the window's bottom edge and the bottom of the screen's visible area.
  static constexpr int kBottomOffset = 50;

  // Comes with its CustomView as the content; fades on clock's timers.
  CustomWindow(SystemLog& log, Trace& trace, Clock& clock, QWidget* parent = nullptr);
  ~CustomWindow() override;

  void displayProfileName(const QString& name) override;
  void hideProfileName() override;
  bool profileNameVisible() const override;
  void placeOnMainScreen() override;

  // One fade step: the fade timer's action.
  void fadeMethod();
  bool isFading() const { return mFading; }
  const Ticker& fadeTimer() const { return *mFadeTimer; }

  // Dragging, in screen coordinates: where the button went down, and where the mouse is now.
  void mouseDown(const QPointF& screenLocation);
  void mouseDragged(const QPointF& screenLocation);

  CustomView* customView() const { return mCustomView; }
  // Connects another view, or none.
  void setCustomView(CustomView* view);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  enum class FadeDirection { In, Out };
  void startFade(FadeDirection direction);
  void stopFade();

  SystemLog& mLog;
  Trace& mTrace;
  QPointF initialLocation;
  QPointer<CustomView> mCustomView;
  std::unique_ptr<Ticker> mFadeTimer;
  bool mFading = false;
  FadeDirection mFadeDirection = FadeDirection::Out;
};

}  // namespace halvane
