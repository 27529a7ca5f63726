#pragma once

#include <QString>

namespace halvane {

// Whether the file at path counts as an application: a .desktop file or an executable file.
bool isApplicationFile(const QString& path);

// The path the front-application watcher will report for the application at path: the real
// path of its executable. For a .desktop file that is its TryExec program, else the first word
// of its Exec line, looked up in PATH when it has no slash. Empty when it cannot be resolved.
QString applicationExecutablePath(const QString& path);

}  // namespace halvane
