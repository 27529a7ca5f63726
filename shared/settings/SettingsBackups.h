#pragma once

#include "shared/settings/SettingsReport.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

namespace halvane::settings {

// How many earlier versions of the settings file are kept.
inline constexpr int kKeptBackups = 10;

struct Backup {
  QString path;
  QDateTime time;  // when the contents were replaced (UTC)
  qint64 size = 0;
};

// The folder beside the settings file's own that holds its earlier versions: for
// ~/.config/halvane/com.halvane.keyboard.plist, ~/.config/halvane/backups.
QString backupFolder(const QString& settingsFile);

// The kept versions of settingsFile, newest first (number 1 in `halvanectl backups`).
QList<Backup> listBackups(const QString& settingsFile);

// Called before settingsFile is replaced by newContents: keeps what the file holds now, unless
// that is what it is about to hold anyway. Contents already kept are not stored a second time;
// that backup becomes the newest instead. Only the kKeptBackups newest remain. Problems go to
// report; they never stop the write.
void keepBackup(const QString& settingsFile, const QByteArray& newContents, const Report& report);

// Puts backup number (1 = newest, as listBackups() orders them) back as settingsFile, atomically
// and after keeping the contents it replaces, so a restore can itself be undone. Refuses a
// backup that does not read as settings. False, with the reason in *error, when nothing changed.
bool restoreBackup(const QString& settingsFile, int number, QString* error,
                   const Report& report = {});

}  // namespace halvane::settings
