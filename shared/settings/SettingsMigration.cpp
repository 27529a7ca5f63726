#include "shared/settings/SettingsMigration.h"

#include "shared/plist/FileRead.h"
#include "shared/plist/FolderSync.h"
#include "shared/plist/PlistFile.h"
#include "shared/settings/SettingsLocation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

namespace halvane::settings {

namespace {

std::filesystem::path nativePath(const QString& path) {
  return std::filesystem::path(QFile::encodeName(path).toStdString());
}

QByteArray contentsOf(const QString& path, QString* why) {
  ReadResult<QByteArray> file = readRegularFile(path);
  if (!file.ok()) *why = file.error;
  return file.value;
}

// The slow way, for another file system: the copy is on disk and reads back whole before the
// original goes.
bool copyThenRemove(const QString& from, const QString& to, const Report& report) {
  QString why;
  const QByteArray bytes = contentsOf(from, &why);
  if (!why.isEmpty()) {
    report(QStringLiteral("Could not read the settings file %1 (%2) to move it to %3; it stays "
                          "where it is")
               .arg(from, why, to));
    return false;
  }
  if (QFileInfo::exists(to)) return false;  // appeared meanwhile: it wins
  if (!replaceFileAtomically(to, bytes, &why)) {
    report(QStringLiteral("Could not copy the settings file %1 to %2 (%3); it stays where it is")
               .arg(from, to, why));
    return false;
  }
  QFile::setPermissions(to, QFileInfo(from).permissions());
  QString readBack;
  if (contentsOf(to, &readBack) != bytes || !readBack.isEmpty()) {
    report(QStringLiteral("The copy of the settings file at %1 differs from %2; the original "
                          "stays where it is")
               .arg(to, from));
    return false;
  }
  if (!QFile::remove(from))
    report(QStringLiteral("Copied the settings file %1 to %2 but could not remove the original")
               .arg(from, to));
  return true;
}

}  // namespace

bool linkThenUnlink(const QString& from, const QString& to) {
  std::error_code error;
  // A hard link, unlike rename, never replaces a file that is already there.
  std::filesystem::create_hard_link(nativePath(from), nativePath(to), error);
  if (error) return false;
  std::filesystem::remove(nativePath(from), error);
  return true;
}

Migration migrateSettingsFile(const QString& from, const QString& to, const Report& report,
                              const FileMover& move) {
  const QFileInfo old(from);
  if (!old.exists() && !old.isSymLink()) return Migration::NothingToMove;
  if (QFileInfo::exists(to)) {
    report(QStringLiteral("Using the settings file %1; the older one at %2 is left untouched")
               .arg(to, from));
    return Migration::BothPresent;
  }
  QDir().mkpath(QFileInfo(to).absolutePath());
  if (move(from, to)) {
    syncFolder(QFileInfo(to).absolutePath());
    report(QStringLiteral("Moved the settings file from %1 to %2").arg(from, to));
    return Migration::Moved;
  }
  if (!copyThenRemove(from, to, report)) return Migration::Failed;
  report(QStringLiteral("Moved the settings file from %1 to %2").arg(from, to));
  return Migration::Moved;
}

QString prepareSettingsPath(const Report& report) {
  const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  const QString path = settingsPath(environment);
  if (environment.value(QStringLiteral("HALVANE_SETTINGS")).isEmpty())
    migrateSettingsFile(formerSettingsPath(environment), path, report);
  return path;
}

}  // namespace halvane::settings
