#pragma once

#include "shared/plist/FileRead.h"
#include "shared/plist/PlistValue.h"
#include "shared/settings/SettingsLocation.h"
#include "shared/settings/SettingsReport.h"

#include <QByteArray>
#include <QString>

namespace halvane::settings {

// Which program is loading: each has its own messages.
enum class Reader { Pane, Helper };

// Reads the settings file at path. When nothing usable is there, creates it from the defaults
// resource at defaultsPath and reads it again. A file that exists but cannot be read is first
// moved aside (same folder, ".unreadable-<time>" appended) so the user's data is not lost; the
// log says why it could not be read. A path that is no regular file (a FIFO, a device, a
// folder) is neither moved nor written: the defaults are returned from memory.
// Returns the root dictionary, or a None value when no settings could be had; the messages of
// each reader go to report, the reason on the line after the reader's own.
PlistValue loadOrCreate(Reader reader, const QString& defaultsPath, const Report& report,
                        const QString& path = settingsPath());

// The name a profile gets when it is created or reset: "Profile <index + 1>" in the desktop's
// language at that moment. From then on it is the user's text and never changes with the
// language; a file created earlier keeps its names as stored.
QString defaultProfileName(int index);

// Reads the settings file: its root dictionary, or None with the fault and reason (a root that
// is not a dictionary is Malformed).
ReadResult<PlistValue> readSettings(const QString& path = settingsPath());
// The root dictionary alone; None when missing or unreadable.
PlistValue read(const QString& path = settingsPath());

// Writes the whole tree atomically (creating the folder when needed), after keeping the file's
// previous contents among its backups. False, with the reason in *error when given, when it
// failed; the old file is then left as it was.
bool write(const PlistValue& tree, const QString& path = settingsPath(), QString* error = nullptr,
           const Report& report = {});

// Replaces the settings file at path with bytes as write() does (backup first, then atomically).
bool replaceSettingsFile(const QString& path, const QByteArray& bytes, QString* error = nullptr,
                         const Report& report = {});

}  // namespace halvane::settings
