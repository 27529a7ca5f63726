#pragma once

namespace halvane::settings {

// The shape of the settings tree and the bounds of its values, as the pane writes them.
inline constexpr int kProfileCount = 10;
inline constexpr int kMacroKeyCount = 10;
inline constexpr int kMacroStepCount = 8;   // key combinations of one macro
inline constexpr int kMaxDelay = 6350;      // milliseconds after a step; the most the pane writes
inline constexpr int kMaxNameLength = 255;  // characters of a profile or application name

}  // namespace halvane::settings
