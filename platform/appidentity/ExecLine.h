#pragma once

#include <QString>
#include <QStringList>

namespace halvane {

// The words of a desktop entry's Exec value (already unescaped as a string): split at blanks
// outside double quotes, quotes and their backslash escapes removed, field codes (%f, %U, ...)
// dropped and %% kept as a percent sign. Enough to tell which program runs, not to launch it.
QStringList execLineWords(const QString& exec);

}  // namespace halvane
