#pragma once

#include "shared/ApplicationNames.h"

#include <QJsonObject>
#include <QString>

#include <functional>
#include <vector>

namespace halvane::demo {

// The text of one key combination, as the preferences show it (for example "⌘⇧A").
using KeyNamer = std::function<QString(int keyCode, int carbonModifiers)>;

// Tells in plain words what the helper did, given the platform trace lines one key press caused:
// "typed ⌘⇧A, waited 0.25 s", "switched to Profile 4", "asked Rhythmbox to Play" (applications
// by the names the preferences show for the stored ones). Empty when it did nothing visible.
QString describeActions(const std::vector<QJsonObject>& lines, const KeyNamer& nameOf,
                        const ApplicationNames& applications = ApplicationNames());

}  // namespace halvane::demo
