#include "platform/desktop/openpanel/ApplicationFile.h"

#include "platform/desktop/appidentity/DesktopEntry.h"

#include <QFileInfo>

namespace halvane {
namespace {

bool isDesktopFile(const QString& path) {
  return path.endsWith(QStringLiteral(".desktop"), Qt::CaseInsensitive);
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

}  // namespace halvane
