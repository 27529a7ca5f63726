#include "shared/settings/SettingsStore.h"

#include "shared/plist/PlistFile.h"
#include "shared/settings/SettingsBackups.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace halvane::settings {

namespace {

// Keeps a file that exists but does not read as settings, instead of overwriting it.
void moveUnreadableAside(const QString& path, const Report& report) {
  if (!QFileInfo::exists(path)) return;
  const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
  QString aside = path + QStringLiteral(".unreadable-") + stamp;
  for (int n = 2; QFileInfo::exists(aside); ++n)
    aside = path + QStringLiteral(".unreadable-") + stamp + u'-' + QString::number(n);
  if (QFile::rename(path, aside))
    report(QStringLiteral("The settings file could not be read; kept it as %1").arg(aside));
  else
    report(QStringLiteral("The settings file could not be read, nor moved aside to %1").arg(aside));
}

}  // namespace

PlistValue read(const QString& path) {
  PlistValue root = readPlistFile(path);
  return root.isDictionary() ? root : PlistValue();
}

bool replaceSettingsFile(const QString& path, const QByteArray& bytes, QString* error,
                         const Report& report) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  keepBackup(path, bytes, report ? report : [](const QString&) {});
  return replaceFileAtomically(path, bytes, error);
}

bool write(const PlistValue& tree, const QString& path, QString* error, const Report& report) {
  if (!tree.isDictionary()) {
    if (error) *error = QStringLiteral("the settings are not a dictionary");
    return false;
  }
  const QByteArray xml = toXmlPlist(tree);
  if (xml.isEmpty()) {
    if (error) *error = QStringLiteral("nothing to write");
    return false;
  }
  return replaceSettingsFile(path, xml, error, report);
}

PlistValue loadOrCreate(Reader reader, const QString& defaultsPath, const Report& report,
                        const QString& path) {
  PlistValue root = read(path);
  if (root.isDictionary()) return root;

  if (reader == Reader::Pane) report(QStringLiteral("Creating ") + displayPath(path));
  const PlistValue defaults = read(defaultsPath);
  if (defaults.isDictionary()) {
    moveUnreadableAside(path, report);
    write(defaults, path, nullptr, report);
    root = read(path);
  }
  if (root.isDictionary()) return root;

  if (reader == Reader::Pane)
    report(QStringLiteral("Couln't create ") + displayPath(path));
  else
    report(QStringLiteral("No Prefs File!"));
  return {};
}

}  // namespace halvane::settings
