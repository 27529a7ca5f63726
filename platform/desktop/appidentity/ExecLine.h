#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace halvane {

// What the field codes %c, %i and %k of an Exec line stand for.
struct ExecFields {
  QString name;      // %c: the entry's Name, localised
  QString icon;      // %i: "--icon <Icon>", when the code stands alone and there is an icon
  QString filePath;  // %k: the entry's own file
};

// A desktop entry's Exec value (its string escapes already resolved) as a program and its
// arguments, with no files to give: split at blanks outside double quotes, quotes and their
// backslash escapes (\" \` \$ \\) removed, a backslash outside quotes taking the next character
// as it is, %% a percent sign, the file and URL codes (%f %F %u %U and the old %d %D %n %N %v %m)
// dropped. Nothing when the quotes do not close or no program is left.
std::optional<QStringList> splitExecLine(const QString& exec, const ExecFields& fields = {});

}  // namespace halvane
