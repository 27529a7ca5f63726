#pragma once

#include <QString>

#include <functional>

namespace halvane::settings {

// Where the store's messages go: the caller connects it to its log.
using Report = std::function<void(const QString& message)>;

}  // namespace halvane::settings
