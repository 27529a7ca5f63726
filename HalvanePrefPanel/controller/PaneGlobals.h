#pragma once

#include "shared/plist/PlistValue.h"

class QObject;

namespace halvane {

class HalvanePref;

// The pane controller, set when it is initialised; the widgets reach it through this.
extern HalvanePref* gHVPrefsApp;
// The macro key the context menu acts on (0 to 9).
extern int gCurrentMacroKeyIndex;
// The macro-key record the macro editor is editing (a holder of the very record in the tree).
extern PlistValue gKeyDict;

// The integer tag a control carries as its dynamic property "tag"; -1 when it has none.
int tagOf(const QObject* control);

}  // namespace halvane
