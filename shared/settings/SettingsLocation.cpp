#include "shared/settings/SettingsLocation.h"

#include <QDir>
#include <QFileInfo>

namespace halvane::settings {

namespace {

QString fileName() {
  return QString::fromLatin1(kApplicationDomain) + QStringLiteral(".plist");
}

QString home(const QProcessEnvironment& environment) {
  const QString value = environment.value(QStringLiteral("HOME"));
  return value.isEmpty() ? QDir::homePath() : QDir::cleanPath(value);
}

}  // namespace

QString settingsPath(const QProcessEnvironment& environment) {
  const QString chosen = environment.value(QStringLiteral("HALVANE_SETTINGS"));
  if (!chosen.isEmpty()) return QFileInfo(chosen).absoluteFilePath();
  // A relative XDG_CONFIG_HOME is invalid and to be ignored.
  QString config = environment.value(QStringLiteral("XDG_CONFIG_HOME"));
  if (config.isEmpty() || QDir::isRelativePath(config))
    config = home(environment) + QStringLiteral("/.config");
  return QDir::cleanPath(config) + QStringLiteral("/halvane/") + fileName();
}

QString settingsPath() {
  return settingsPath(QProcessEnvironment::systemEnvironment());
}

QString formerSettingsPath(const QProcessEnvironment& environment) {
  return home(environment) + QStringLiteral("/Library/Preferences/") + fileName();
}

QString formerSettingsPath() {
  return formerSettingsPath(QProcessEnvironment::systemEnvironment());
}

QString displayPath(const QString& path) {
  const QString homePath = QDir::homePath();
  if (homePath != QStringLiteral("/") && path.startsWith(homePath + u'/'))
    return u'~' + path.mid(homePath.size());
  return path;
}

QString displayPath() {
  return displayPath(settingsPath());
}

}  // namespace halvane::settings
