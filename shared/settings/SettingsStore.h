#pragma once

#include "shared/plist/PlistValue.h"

#include <QString>

#include <functional>

namespace halvane::settings {

// Where the store's messages go: the caller connects it to its log.
using Report = std::function<void(const QString& message)>;

// The application domain both programs share; it names the settings file.
inline constexpr char kApplicationDomain[] = "com.halvane.keyboard";

// $HOME/Library/Preferences/com.halvane.keyboard.plist
QString settingsPath();
// The same path as the messages show it, with the home folder as "~".
QString displayPath();

// Which program is loading: each has its own messages.
enum class Reader { Pane, Helper };

// Reads the settings file at path. When nothing usable is there, creates it from the defaults
// resource at defaultsPath and reads it again. A file that exists but cannot be read is first
// moved aside (same folder, ".unreadable-<time>" appended) so the user's data is not lost.
// Returns the root dictionary, or a None value when no settings could be had; the messages of
// each reader go to report.
PlistValue loadOrCreate(Reader reader, const QString& defaultsPath, const Report& report,
                        const QString& path = settingsPath());

// Reads the settings file: its root dictionary, or None when missing or not a dictionary.
PlistValue read(const QString& path = settingsPath());

// Writes the whole tree atomically (creating the folder when needed). False when it failed; the
// old file is then left as it was.
bool write(const PlistValue& tree, const QString& path = settingsPath());

}  // namespace halvane::settings
