#include "platform/desktop/workspace/DesktopWorkspace.h"

#include "platform/desktop/appidentity/DesktopEntry.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace halvane {
namespace {

bool isDesktopFile(const QFileInfo& info) {
  return info.isFile() && info.suffix() == QStringLiteral("desktop");
}

QString withoutTrailingSlashes(QString path) {
  while (path.size() > 1 && path.endsWith(u'/')) path.chop(1);
  return path;
}

}  // namespace

bool DesktopWorkspace::open(const QString& path) {
  const QFileInfo info(path);
  if (path.isEmpty() || !info.exists()) return false;
  if (isDesktopFile(info)) return launchDesktopFile(info.absoluteFilePath());
  // A file that has the execute bit but cannot be run (a document on a FAT stick) is opened
  // like any other document.
  if (info.isFile() && info.isExecutable() &&
      QProcess::startDetached(info.absoluteFilePath(), {}, QDir::homePath()))
    return true;
  return startOpener(info.absoluteFilePath());
}

bool DesktopWorkspace::launchDesktopFile(const QString& path) {
  const std::optional<DesktopEntry> entry = DesktopEntry::read(path);
  if (!entry) return false;
  const QString type = entry->value(QStringLiteral("Type"));
  if (type == QStringLiteral("Link")) return openURL(QUrl(entry->value(QStringLiteral("URL"))));
  if (!type.isEmpty() && type != QStringLiteral("Application")) return startOpener(path);

  // TryExec names the program that must be installed for the entry to be usable.
  const QString tryExec = entry->value(QStringLiteral("TryExec"));
  if (!tryExec.isEmpty() && QStandardPaths::findExecutable(tryExec).isEmpty() &&
      !QFileInfo(tryExec).isExecutable())
    return false;

  std::optional<QStringList> args = entry->execArguments(path);
  if (!args) return false;
  if (entry->boolValue(QStringLiteral("Terminal"))) {
    const QString terminal = QStandardPaths::findExecutable(QStringLiteral("x-terminal-emulator"));
    if (!terminal.isEmpty()) *args = QStringList{terminal, QStringLiteral("-e")} + *args;
  }
  QString workingDirectory = entry->value(QStringLiteral("Path"));
  if (workingDirectory.isEmpty() || !QFileInfo(workingDirectory).isDir())
    workingDirectory = QDir::homePath();
  const QString program = args->takeFirst();
  return QProcess::startDetached(program, *args, workingDirectory);
}

bool DesktopWorkspace::startOpener(const QString& argument) {
  return QProcess::startDetached(opener_, {argument}, QDir::homePath());
}

QString DesktopWorkspace::displayName(const QString& path) {
  const QFileInfo info(withoutTrailingSlashes(path));
  if (path.isEmpty() || !info.exists()) return {};
  if (isDesktopFile(info)) {
    if (const std::optional<DesktopEntry> entry = DesktopEntry::read(info.filePath())) {
      const QString name = entry->localizedValue(QStringLiteral("Name"));
      if (!name.isEmpty()) return name;
    }
  }
  const QString base = info.completeBaseName();
  return base.isEmpty() ? info.fileName() : base;  // ".profile" keeps its whole name
}

bool DesktopWorkspace::openURL(const QUrl& url) {
  if (!url.isValid() || url.isEmpty()) return false;
  if (url.isLocalFile()) return open(url.toLocalFile());
  return startOpener(url.toString(QUrl::FullyEncoded));
}

}  // namespace halvane
