#pragma once

class QWidget;

namespace halvane {

// Draws the keyboard focus on a widget that draws itself: a frame in the palette's highlight
// colour just inside its bounds, so it follows the desktop's theme (dark and high contrast too).
// Does nothing when the widget does not have the focus.
void drawFocusFrame(QWidget& widget);

}  // namespace halvane
