#pragma once

#include "shared/plist/PlistValue.h"

#include <QString>
#include <QStringList>

namespace halvane::settings {

// How a macro key plays its macro: an optional entry of the macro key record, beside KeyCombo.
// Readers that do not know it play every macro once, which is what a missing entry means.
inline const QString kPlayModeKey = QStringLiteral("PlayMode");

enum class PlayMode {
  Once,       // one run per press; a press during the run queues another
  WhileHeld,  // runs again and again while the key stays down; a release ends the current run
  Toggle,     // a press starts repeating, the next press stops at the end of the current run
};

// "Once", "WhileHeld", "Toggle", in that order.
const QStringList& playModeNames();
QString playModeName(PlayMode mode);
// A missing entry, a wrong type or an unknown word play once.
PlayMode playModeOf(const PlistValue& macroKey);

// The top-level entry that lets the Escape key of the keyboard cancel a running macro;
// missing reads as on.
inline const QString kCancelMacroWithEscapeKey = QStringLiteral("CancelMacroWithEscape");
bool cancelMacroWithEscape(const PlistValue& root);

}  // namespace halvane::settings
