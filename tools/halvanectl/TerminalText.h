#pragma once

#include <QString>
#include <QStringView>

namespace halvane::ctl {

// text with every character that could drive a terminal or forge a line shown escaped: control
// characters as \n, \t, \r, \e or \xHH, the C1 controls and DEL as \xHH, and the invisible
// direction overrides that reorder what is shown as \u{HHHH}. Names from a file (profile names,
// application names, paths) pass through this before halvanectl prints them.
QString terminalSafe(const QString& text);

// How many terminal columns text takes: East Asian wide and fullwidth characters two, combining
// marks and invisible formatting none, everything else one. Translated labels are lined up by
// this, not by their length in UTF-16 units.
int displayWidth(QStringView text);

// text followed by spaces up to columns; text as it is when it is that wide already.
QString padded(const QString& text, int columns);

}  // namespace halvane::ctl
