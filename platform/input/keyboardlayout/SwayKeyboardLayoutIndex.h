#pragma once

#include <QString>

#include <optional>

namespace halvane {

// The layout sway's keyboards use now (`xkb_active_layout_index` of the first keyboard in
// get_inputs), asked over its IPC socket (SWAYSOCK). Sway tells the active layout only to the
// client with the keyboard focus (wl_keyboard.modifiers), and the program asking is rarely that
// client, so this is how a layout switch shows on sway. Nothing when sway does not answer
// within `timeoutMs` or has no keyboard.
std::optional<unsigned> swayActiveLayoutIndex(const QString& socketPath, int timeoutMs = 200);

}  // namespace halvane
