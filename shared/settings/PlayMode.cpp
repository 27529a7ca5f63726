#include "shared/settings/PlayMode.h"

namespace halvane::settings {

const QStringList& playModeNames() {
  static const QStringList names{QStringLiteral("Once"), QStringLiteral("WhileHeld"),
                                 QStringLiteral("Toggle")};
  return names;
}

QString playModeName(PlayMode mode) {
  return playModeNames().at(int(mode));
}

PlayMode playModeOf(const PlistValue& macroKey) {
  const PlistValue value = macroKey[kPlayModeKey];
  if (value.type() != PlistValue::Type::String) return PlayMode::Once;
  const qsizetype index = playModeNames().indexOf(value.toString());
  return index < 0 ? PlayMode::Once : PlayMode(index);
}

bool cancelMacroWithEscape(const PlistValue& root) {
  const PlistValue value = root[kCancelMacroWithEscapeKey];
  return value.isNone() || value.toBool();
}

}  // namespace halvane::settings
