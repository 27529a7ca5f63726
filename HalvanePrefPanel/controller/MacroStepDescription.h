#pragma once

#include "shared/settings/MacroStep.h"

#include <QString>

namespace halvane {

// The text of one step inside the parentheses of a macro key's label and of the stored
// `description`: a key combination's glyphs, a text step's text in quotes (shortened), a mouse
// step's stored words ("Click Middle"), a wheel step's arrow and notches ("Wheel ↓3"); then
// "+<delay>ms" when the step pauses. Like the glyphs, none of it is translated: the description
// is stored in the settings file and read back in whatever language the pane runs in.
QString macroStepDescription(const settings::MacroStep& step);
// The whole description of a macro: "(…)" per step, nothing between them.
QString macroDescription(const QList<settings::MacroStep>& steps);

// The characters of a text step the description shows before it shortens with "…".
inline constexpr int kDescribedTextLength = 12;

}  // namespace halvane
