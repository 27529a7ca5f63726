#include "shared/settings/SettingsBackups.h"

#include "shared/plist/PlistFile.h"
#include "shared/settings/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTimeZone>

#include <algorithm>

namespace halvane::settings {

namespace {

// Backups are named <file name without .plist>-<UTC time to the millisecond>.plist, so that
// several settings files in one folder keep their versions apart and names sort by age.
constexpr char kStampFormat[] = "yyyyMMdd-HHmmss-zzz";

QString stem(const QString& settingsFile) {
  QString name = QFileInfo(settingsFile).fileName();
  if (name.endsWith(QStringLiteral(".plist"))) name.chop(6);
  return name;
}

QString backupName(const QString& settingsFile, const QDateTime& time) {
  return stem(settingsFile) + u'-' + time.toUTC().toString(QLatin1String(kStampFormat)) +
         QStringLiteral(".plist");
}

QByteArray contentsOf(const QString& path) {
  return readRegularFile(path).value;
}

// The helper stores the current profile each time it quits; a version that differs from the
// next in nothing else is not worth restoring, and would push the ones that are out.
bool onlyCurrentProfileDiffers(const QByteArray& before, const QByteArray& after) {
  // Such a change alters a few bytes at most: anything else is not parsed at all.
  if (qAbs(before.size() - after.size()) > 128) return false;
  PlistValue a = parsePlist(before), b = parsePlist(after);
  if (!a.isDictionary() || !b.isDictionary()) return false;
  const QString key = QStringLiteral("CurrentProfile");
  a.remove(key);
  b.remove(key);
  return a == b;
}

// A name for a backup made now that no other backup has.
QString freshBackupPath(const QString& settingsFile, const QDir& folder) {
  QDateTime time = QDateTime::currentDateTimeUtc();
  QString path = folder.filePath(backupName(settingsFile, time));
  while (QFileInfo::exists(path)) {
    time = time.addMSecs(1);
    path = folder.filePath(backupName(settingsFile, time));
  }
  return path;
}

}  // namespace

QString backupFolder(const QString& settingsFile) {
  return QFileInfo(settingsFile).absolutePath() + QStringLiteral("/backups");
}

QList<Backup> listBackups(const QString& settingsFile) {
  const QString prefix = stem(settingsFile) + u'-';
  static const QRegularExpression stamp(QStringLiteral("^(\\d{8}-\\d{6}-\\d{3})\\.plist$"));
  QList<Backup> backups;
  const QDir folder(backupFolder(settingsFile));
  for (const QFileInfo& info : folder.entryInfoList({prefix + u'*'}, QDir::Files)) {
    const QRegularExpressionMatch match = stamp.match(info.fileName().mid(prefix.size()));
    if (!match.hasMatch()) continue;
    QDateTime time = QDateTime::fromString(match.captured(1), QLatin1String(kStampFormat));
    time.setTimeZone(QTimeZone::utc());
    if (time.isValid()) backups.append({info.absoluteFilePath(), time, info.size()});
  }
  std::sort(backups.begin(), backups.end(),
            [](const Backup& a, const Backup& b) { return a.time > b.time; });
  return backups;
}

void keepBackup(const QString& settingsFile, const QByteArray& newContents, const Report& report) {
  const QByteArray current = contentsOf(settingsFile);
  if (current.isEmpty() || current == newContents) return;  // nothing would be lost
  if (onlyCurrentProfileDiffers(current, newContents)) return;

  const QDir folder(backupFolder(settingsFile));
  if (!folder.mkpath(QStringLiteral("."))) {
    report(QStringLiteral("Could not create the backup folder %1").arg(folder.path()));
    return;
  }
  const QList<Backup> backups = listBackups(settingsFile);
  auto same = std::find_if(backups.begin(), backups.end(), [&current](const Backup& b) {
    return b.size == current.size() && contentsOf(b.path) == current;
  });
  const QString path = freshBackupPath(settingsFile, folder);
  QString why;
  if (same != backups.end()) {
    if (same != backups.begin() && !QFile::rename(same->path, path))
      report(QStringLiteral("Could not rename the backup %1 to %2").arg(same->path, path));
    return;  // kept already; and no new backup means nothing to prune
  }
  if (!replaceFileAtomically(path, current, &why)) {
    report(QStringLiteral("Could not keep a backup of %1 in %2 (%3)").arg(settingsFile, path, why));
    return;
  }
  QFile::setPermissions(path, QFileInfo(settingsFile).permissions());
  const QList<Backup> now = listBackups(settingsFile);
  for (qsizetype i = kKeptBackups; i < now.size(); ++i) QFile::remove(now[i].path);
}

bool restoreBackup(const QString& settingsFile, int number, QString* error, const Report& report) {
  const QList<Backup> backups = listBackups(settingsFile);
  if (number < 1 || number > backups.size()) {
    *error =
        backups.isEmpty()
            ? QStringLiteral("there are no backups of %1").arg(settingsFile)
            : QStringLiteral("there is no backup %1 (1 to %2)").arg(number).arg(backups.size());
    return false;
  }
  const QString path = backups[number - 1].path;
  ReadResult<QByteArray> file = readRegularFile(path);
  const ReadResult<PlistValue> tree =
      file.ok() ? parsePlistExplained(file.value)
                : ReadResult<PlistValue>{PlistValue(), file.fault, file.error};
  if (!tree.ok() || !tree.value.isDictionary()) {
    *error =
        QStringLiteral("the backup %1 does not read as settings (%2)")
            .arg(path, tree.ok() ? QStringLiteral("its root is not a dictionary") : tree.error);
    return false;
  }
  const QByteArray& bytes = file.value;
  QString why;
  if (!replaceSettingsFile(settingsFile, bytes, &why, report)) {
    *error = QStringLiteral("cannot write %1: %2").arg(settingsFile, why);
    return false;
  }
  return true;
}

}  // namespace halvane::settings
