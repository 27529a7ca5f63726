#include "helper/controller/KeyAction.h"

#include "shared/settings/ActionTypes.h"

namespace halvane {

KeyAction readKeyAction(const PlistValue& macroKey) {
  KeyAction action;
  const QString type = macroKey[QStringLiteral("ActionType")].toString();
  if (type == settings::kLaunchApp) {
    action.kind = KeyAction::Kind::LaunchApp;
    action.launchPath = macroKey[QStringLiteral("LaunchAppURL")].toString();
  } else if (type == settings::kSelectProfile) {
    action.kind = KeyAction::Kind::SelectProfile;
    action.profile = macroKey[QStringLiteral("SelectProfile")].intValue();
  } else if (type == settings::kExecuteMacro) {
    action.kind = KeyAction::Kind::ExecuteMacro;
    action.steps = std::make_shared<const settings::MacroSlots>(
        settings::readMacroSlots(macroKey[QStringLiteral("KeyCombo")]));
    action.mode = settings::playModeOf(macroKey);
  }
  return action;
}

KeyActions readKeyActions(const PlistValue& profile) {
  KeyActions actions;
  const PlistValue keys = profile[QStringLiteral("MacroKeys")];
  for (int key = 0; key < settings::kMacroKeyCount; ++key)
    actions[size_t(key)] = readKeyAction(keys.at(key));
  return actions;
}

}  // namespace halvane
