#pragma once

#include "shared/settings/SettingsReport.h"

#include <QString>

#include <functional>

namespace halvane::settings {

// Moves from to to without ever replacing a file at to; false when that cannot be done in one
// step (another file system, no hard links), and from is then where it was.
using FileMover = std::function<bool(const QString& from, const QString& to)>;
// The mover used unless a test asks otherwise: a hard link, then the old name removed.
bool linkThenUnlink(const QString& from, const QString& to);

enum class Migration {
  NothingToMove,  // no file at from
  Moved,          // from is now at to
  BothPresent,    // to wins; from is left untouched
  Failed,         // from stays where it was; to was not made
};

// Moves a settings file from the place earlier versions kept it to its place now, once: when
// from exists and to does not. Across file systems the file is copied, flushed to disk, read
// back and only then removed. from is never overwritten and never removed before its contents
// are safe at to. Every outcome except NothingToMove is reported once.
Migration migrateSettingsFile(const QString& from, const QString& to, const Report& report,
                              const FileMover& move = linkThenUnlink);

// The settings file this program uses (settingsPath()), after moving a file left at the former
// place there when the user has not chosen a file of their own (HALVANE_SETTINGS). Programs call
// it once, at start-up.
QString prepareSettingsPath(const Report& report);

}  // namespace halvane::settings
