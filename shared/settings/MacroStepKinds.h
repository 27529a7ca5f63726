#pragma once

namespace halvane::settings {

// What a macro step does besides a recorded key combination. The stored words are in
// MacroStep.h; these values are what the helper's posters and the editor's pop-ups deal in.
enum class StepKind { Key, Text, MouseButton, Wheel };
enum class MouseButton { Left, Right, Middle, Back, Forward };
enum class ButtonAction { Click, Press, Release };
enum class WheelDirection { Up, Down, Left, Right };

inline constexpr int kMaxTextLength = 1000;  // characters (UTF-16 code units) of a Text step
inline constexpr int kMinNotches = 1;        // wheel notches of a Wheel step
inline constexpr int kMaxNotches = 20;

}  // namespace halvane::settings
