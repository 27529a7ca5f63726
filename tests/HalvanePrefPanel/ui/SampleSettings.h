#pragma once

#include "shared/plist/PlistFile.h"
#include "shared/plist/PlistValue.h"

namespace halvane::test {

// The defaults with a few keys and profiles set, as a user's settings would look: a macro on
// L1, a profile choice on L2, and on R1 an application that is no longer there.
inline PlistValue sampleSettings() {
  PlistValue tree = readPlistFile(QStringLiteral(HALVANE_SOURCE_DIR "/shared/defaults.plist"));
  PlistValue profiles = tree[QStringLiteral("Profiles")];
  profiles.at(0).set(QStringLiteral("Name"), QStringLiteral("Everyday"));
  profiles.at(1).set(QStringLiteral("Name"), QStringLiteral("Photo editing"));
  profiles.at(1).set(QStringLiteral("AssignedApplication"), QStringLiteral("GIMP"));
  profiles.at(2).set(QStringLiteral("Name"), QStringLiteral("Games"));
  PlistValue keys = profiles.at(0)[QStringLiteral("MacroKeys")];
  keys.at(0).set(QStringLiteral("ActionType"), QStringLiteral("ExecuteMacro"));
  PlistValue combo = keys.at(0)[QStringLiteral("KeyCombo")];
  combo.set(QStringLiteral("description"), QStringLiteral("(⌃C)(⌃V+100ms)"));
  // Control+C, then Control+V and a pause (key codes 8 and 9, Control 0x1000).
  combo.set(QStringLiteral("keyCode0"), 8);
  combo.set(QStringLiteral("modifiers0"), 0x1000);
  combo.set(QStringLiteral("keyCode1"), 9);
  combo.set(QStringLiteral("modifiers1"), 0x1000);
  combo.set(QStringLiteral("delay1"), 100);
  keys.at(1).set(QStringLiteral("ActionType"), QStringLiteral("SelectProfile"));
  keys.at(1).set(QStringLiteral("SelectProfile"), 2);
  keys.at(5).set(QStringLiteral("ActionType"), QStringLiteral("LaunchApp"));
  keys.at(5).set(QStringLiteral("LaunchAppURL"),
                 QStringLiteral("/usr/share/applications/Web Browser.desktop"));
  return tree;
}

}  // namespace halvane::test
