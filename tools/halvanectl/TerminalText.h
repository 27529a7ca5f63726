#pragma once

#include <QString>

namespace halvane::ctl {

// text with every character that could drive a terminal or forge a line shown escaped: control
// characters as \n, \t, \r, \e or \xHH, the C1 controls and DEL as \xHH, and the invisible
// direction overrides that reorder what is shown as \u{HHHH}. Names from a file (profile names,
// application names, paths) pass through this before halvanectl prints them.
QString terminalSafe(const QString& text);

}  // namespace halvane::ctl
