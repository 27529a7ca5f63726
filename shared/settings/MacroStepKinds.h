#pragma once

namespace halvane::settings {

// What a macro step does besides a recorded key combination. The stored words are in
// MacroStep.h; these values are what the helper's posters and the editor's pop-ups deal in.
enum class StepKind { Key, Text, MouseButton, Wheel };
enum class MouseButton { Left, Right, Middle, Back, Forward };
enum class ButtonAction { Click, Press, Release };
enum class WheelDirection { Up, Down, Left, Right };

// The key code of a slot that holds no key: an empty step, or a step of another kind.
inline constexpr int kEmptyKeyCode = -1;
inline constexpr int kMaxTextLength = 1000;  // characters (UTF-16 code units) of a Text step
inline constexpr int kMinNotches = 1;        // wheel notches of a Wheel step
inline constexpr int kMaxNotches = 20;

}  // namespace halvane::settings
