#include "platform/desktop/installedapps/DesktopInstalledApplications.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace halvane {
namespace {

// Icon= is a theme name or, less often, a file.
QIcon iconOf(const QString& icon) {
  if (icon.isEmpty()) return {};
  if (QFileInfo(icon).isAbsolute()) return QFileInfo::exists(icon) ? QIcon(icon) : QIcon();
  return QIcon::fromTheme(icon);
}

}  // namespace

DesktopInstalledApplications::DesktopInstalledApplications(XdgRoots roots)
    : index_(std::move(roots)) {
  index_.rebuild();
}

std::optional<InstalledApplication> DesktopInstalledApplications::find(
    const QStringList& desktopIds, const QString& executable) {
  for (const QString& id : desktopIds)
    if (const IndexedEntry* entry = index_.byId(id + QStringLiteral(".desktop")))
      return InstalledApplication{entry->path, iconOf(entry->icon)};
  if (executable.isEmpty()) return std::nullopt;
  const QString program = QStandardPaths::findExecutable(executable, index_.roots().path);
  if (program.isEmpty()) return std::nullopt;
  // A program without an entry may still have a theme icon of its name.
  return InstalledApplication{program, QIcon::fromTheme(executable)};
}

}  // namespace halvane
