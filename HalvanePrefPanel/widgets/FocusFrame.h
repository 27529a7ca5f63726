#pragma once

class QWidget;

namespace halvane {

// Draws the keyboard focus on a widget that draws itself: a frame in the palette's highlight
// colour just inside its bounds, so it follows the desktop's theme (dark and high contrast too).
// Does nothing when the widget does not have the focus.
void drawFocusFrame(QWidget& widget);

// Draws the focus frame when it goes out of scope: made first in a paint event, it draws over
// whatever the event painted, however the event returns.
class FocusFrameOnTop {
 public:
  explicit FocusFrameOnTop(QWidget& widget) : widget_(widget) {}
  ~FocusFrameOnTop() { drawFocusFrame(widget_); }
  FocusFrameOnTop(const FocusFrameOnTop&) = delete;
  FocusFrameOnTop& operator=(const FocusFrameOnTop&) = delete;

 private:
  QWidget& widget_;
};

}  // namespace halvane
