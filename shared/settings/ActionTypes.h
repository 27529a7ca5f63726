#pragma once

#include <QString>

namespace halvane::settings {

// The words a macro key record's ActionType holds; any other word (or none) makes the key do
// nothing.
inline const QString kExecuteMacro = QStringLiteral("ExecuteMacro");
inline const QString kLaunchApp = QStringLiteral("LaunchApp");
inline const QString kSelectProfile = QStringLiteral("SelectProfile");

}  // namespace halvane::settings
