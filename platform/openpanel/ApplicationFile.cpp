#include "platform/openpanel/ApplicationFile.h"

#include "platform/workspace/DesktopEntry.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace halvane {
namespace {

bool isDesktopFile(const QString& path) {
  return path.endsWith(QStringLiteral(".desktop"), Qt::CaseInsensitive);
}

// A program name without a slash is looked up in PATH, as the desktop would run it.
QString resolveProgram(const QString& program) {
  if (program.isEmpty()) return {};
  const QString found = program.contains(u'/') ? program : QStandardPaths::findExecutable(program);
  if (found.isEmpty()) return {};
  return QFileInfo(found).canonicalFilePath();
}

}  // namespace

bool isApplicationFile(const QString& path) {
  const QFileInfo info(path);
  if (!info.isFile()) return false;
  return isDesktopFile(path) || info.isExecutable();
}

QString applicationPathToStore(const QString& path) {
  if (isDesktopFile(path)) return path;
  const QString real = QFileInfo(path).canonicalFilePath();
  return real.isEmpty() ? path : real;
}

QString applicationDisplayName(const QString& path) {
  if (isDesktopFile(path)) {
    const std::optional<DesktopEntry> entry = DesktopEntry::read(path);
    const QString name = entry ? entry->localizedValue(QStringLiteral("Name")) : QString();
    if (!name.isEmpty()) return name;
  }
  return QFileInfo(path).completeBaseName();
}

QString applicationExecutablePath(const QString& path) {
  if (!isDesktopFile(path)) {
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable() ? info.canonicalFilePath() : QString();
  }
  const std::optional<DesktopEntry> entry = DesktopEntry::read(path);
  if (!entry) return {};
  const QString tryExec = resolveProgram(entry->value(QStringLiteral("TryExec")));
  if (!tryExec.isEmpty()) return tryExec;
  const std::optional<QStringList> exec = entry->execArguments(path);
  if (!exec || exec->isEmpty()) return {};
  return resolveProgram(exec->first());
}

}  // namespace halvane
