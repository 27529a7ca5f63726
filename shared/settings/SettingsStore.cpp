#include "shared/settings/SettingsStore.h"

#include "shared/plist/PlistFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace halvane::settings {

namespace {

QString fileName() { return QString::fromLatin1(kApplicationDomain) + QStringLiteral(".plist"); }

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

QString settingsPath() {
  return QDir::homePath() + QStringLiteral("/Library/Preferences/") + fileName();
}

QString displayPath() { return QStringLiteral("~/Library/Preferences/") + fileName(); }

PlistValue read(const QString& path) {
  PlistValue root = readPlistFile(path);
  return root.isDictionary() ? root : PlistValue();
}

bool write(const PlistValue& tree, const QString& path) {
  if (!tree.isDictionary()) return false;
  QDir().mkpath(QFileInfo(path).absolutePath());
  return writePlistFileAtomically(path, tree);
}

PlistValue loadOrCreate(Reader reader, const QString& defaultsPath, const Report& report,
                        const QString& path) {
  PlistValue root = read(path);
  if (root.isDictionary()) return root;

  if (reader == Reader::Pane) report(QStringLiteral("Creating ") + displayPath());
  const PlistValue defaults = read(defaultsPath);
  if (defaults.isDictionary()) {
    moveUnreadableAside(path, report);
    write(defaults, path);
    root = read(path);
  }
  if (root.isDictionary()) return root;

  if (reader == Reader::Pane)
    report(QStringLiteral("Couln't create ") + displayPath());
  else
    report(QStringLiteral("No Prefs File!"));
  return {};
}

}  // namespace halvane::settings
