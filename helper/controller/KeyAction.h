#pragma once

#include "shared/plist/PlistValue.h"
#include "shared/settings/MacroStep.h"
#include "shared/settings/PlayMode.h"
#include "shared/settings/SettingsLimits.h"

#include <QString>

#include <array>
#include <memory>

namespace halvane {

// What one macro key does, read from its record when the settings load or the profile changes,
// so that a press walks no settings tree on its way to the first key.
struct KeyAction {
  enum class Kind { None, LaunchApp, SelectProfile, ExecuteMacro };
  Kind kind = Kind::None;
  QString launchPath;                                 // LaunchApp; empty: nothing to launch
  int profile = 0;                                    // SelectProfile
  std::shared_ptr<const settings::MacroSlots> steps;  // ExecuteMacro
  settings::PlayMode mode = settings::PlayMode::Once;
};
using KeyActions = std::array<KeyAction, settings::kMacroKeyCount>;

// A record of unknown action type (or none) does nothing.
KeyAction readKeyAction(const PlistValue& macroKey);
// The actions of profile's MacroKeys; keys the profile does not hold do nothing.
KeyActions readKeyActions(const PlistValue& profile);

}  // namespace halvane
