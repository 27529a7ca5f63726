#pragma once

#include <QString>

namespace halvane {

// Flushes a folder's entries to disk, so that a file just renamed into it survives a power loss
// under its new name. False when the folder could not be opened or flushed.
bool syncFolder(const QString& folder);

}  // namespace halvane
