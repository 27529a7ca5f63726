#include "tools/halvanectl/DoctorSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace halvane::ctl {

namespace {

QStringList pathList(const QString& value, const QString& fallback) {
  QStringList dirs;
  for (const QString& dir : (value.isEmpty() ? fallback : value).split(u':', Qt::SkipEmptyParts))
    if (QDir::isAbsolutePath(dir)) dirs << QDir::cleanPath(dir);
  return dirs;
}

}  // namespace

QString DoctorSystem::file(const QString& path) const {
  return QDir::cleanPath(root + u'/' + path);
}

bool DoctorSystem::exists(const QString& path) const {
  return QFileInfo::exists(file(path));
}

QString DoctorSystem::readText(const QString& path) const {
  QFile f(file(path));
  if (!f.open(QIODevice::ReadOnly)) return QString();
  return QString::fromUtf8(f.readAll());
}

QString DoctorSystem::home() const {
  return QDir::cleanPath(environment.value(QStringLiteral("HOME"), QDir::homePath()));
}

QString DoctorSystem::configHome() const {
  const QString xdg = environment.value(QStringLiteral("XDG_CONFIG_HOME"));
  return QDir::isAbsolutePath(xdg) ? QDir::cleanPath(xdg) : home() + QStringLiteral("/.config");
}

QString DoctorSystem::dataHome() const {
  const QString xdg = environment.value(QStringLiteral("XDG_DATA_HOME"));
  return QDir::isAbsolutePath(xdg) ? QDir::cleanPath(xdg)
                                   : home() + QStringLiteral("/.local/share");
}

QStringList DoctorSystem::dataDirs() const {
  return pathList(environment.value(QStringLiteral("XDG_DATA_DIRS")),
                  QStringLiteral("/usr/local/share:/usr/share"));
}

QStringList DoctorSystem::configDirs() const {
  return pathList(environment.value(QStringLiteral("XDG_CONFIG_DIRS")), QStringLiteral("/etc/xdg"));
}

QStringList DoctorSystem::userUnitDirs() const {
  return {
      configHome() + QStringLiteral("/systemd/user"), QStringLiteral("/etc/systemd/user"),
      dataHome() + QStringLiteral("/systemd/user"),   QStringLiteral("/usr/local/lib/systemd/user"),
      QStringLiteral("/usr/lib/systemd/user"),        QStringLiteral("/lib/systemd/user")};
}

QString DoctorSystem::helperStartCommand() const {
  const QString unit = QStringLiteral("halvane-helper.service");
  for (const QString& dir : userUnitDirs())
    if (exists(dir + u'/' + unit)) return QStringLiteral("systemctl --user start ") + unit;
  const QString program = firstExisting(
      {programDir + QStringLiteral("/halvane-helper"),
       QDir::cleanPath(
           programDir +
           QStringLiteral("/../bundles/HalvaneHelper.app/Contents/MacOS/HalvaneHelper"))});
  return (program.isEmpty() ? QStringLiteral("halvane-helper") : program) + QStringLiteral(" &");
}

QString DoctorSystem::firstExisting(const QStringList& paths) const {
  for (const QString& path : paths)
    if (exists(path)) return path;
  return QString();
}

QString DoctorSystem::shown(const QString& path) const {
  const QString h = home();
  if (path.startsWith(h + u'/')) return u'~' + path.mid(h.size());
  return path;
}

}  // namespace halvane::ctl
