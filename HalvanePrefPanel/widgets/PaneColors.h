#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

namespace halvane {

// The pane's own colours, taken from the palette so that a dark or high-contrast desktop keeps
// them readable. Under a light palette the original light-theme values stay as they were; under
// a dark one each has a counterpart chosen from the palette's roles.
namespace paneColors {

// Contrast that text keeps against its ground (WCAG AA for normal text).
constexpr double kTextContrast = 4.5;
// Contrast that a frame or line keeps against its ground (WCAG for graphical objects).
constexpr double kGraphicContrast = 3.0;

// WCAG relative luminance (0 black to 1 white) and the contrast ratio of two colours (1 to 21).
double relativeLuminance(const QColor& color);
double contrastRatio(const QColor& a, const QColor& b);
// The colour `fraction` of the way from `from` toward `toward`, opaque.
QColor mixed(const QColor& from, const QColor& toward, double fraction);

// Light text on a dark window.
bool isDark(const QPalette& palette);

// The wash over a key's label under the pointer, the strongest the pane uses.
constexpr float kLabelWashOpacity = 0.5f;

// The wash over a macro key under the pointer (its alpha is the view's opacity).
QColor keyWash(const QPalette& palette);
// The macro editor's field of the chosen action, and the two others.
QColor activeField(const QPalette& palette);
QColor inactiveField(const QPalette& palette);
// The profiles table: the helper's current profile's text, other rows' text, the row under the
// pointer.
QColor currentProfileText(const QPalette& palette);
QColor profileText(const QPalette& palette);
QColor rowUnderPointer(const QPalette& palette);
// Text that says less (hints, an application that is gone): lighter than the window's text,
// yet readable on the window, its raised panes and fields.
QColor subduedText(const QPalette& palette);
// The frames and lead lines of the key labels, visible on the window.
QColor labelFrame(const QPalette& palette);

// Gives the window's palette a readable PlaceholderText (the role subdued texts are drawn in),
// now and whenever the desktop's palette changes.
void keepReadable(QWidget* window);

}  // namespace paneColors
}  // namespace halvane
