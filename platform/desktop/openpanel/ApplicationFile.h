#pragma once

#include <QString>

namespace halvane {

// Whether the file at path counts as an application: a .desktop file or an executable file.
bool isApplicationFile(const QString& path);

// What a profile stores for the application chosen at path: the path itself for a .desktop file
// (the application is its entry), the real path of an executable (what the watcher reports).
QString applicationPathToStore(const QString& path);

// The name the user's menus show for the application at path: a .desktop file's Name in the
// user's language, else the file's name without its extension.
QString applicationDisplayName(const QString& path);

}  // namespace halvane
