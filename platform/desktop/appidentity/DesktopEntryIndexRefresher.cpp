#include "platform/desktop/appidentity/DesktopEntryIndexRefresher.h"

#include "platform/desktop/appidentity/DesktopEntryIndex.h"

#include <QDir>
#include <QDirIterator>

namespace halvane {

DesktopEntryIndexRefresher::DesktopEntryIndexRefresher(DesktopEntryIndex& index,
                                                       std::function<void()> rebuilt, int quietMs,
                                                       QObject* parent)
    : QObject(parent), index_(index), rebuilt_(std::move(rebuilt)) {
  quiet_.setSingleShot(true);
  quiet_.setInterval(quietMs);
  connect(&quiet_, &QTimer::timeout, this, [this] {
    index_.rebuild();
    watchFolders();  // folders may have come or gone
    if (rebuilt_) rebuilt_();
  });
  connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this] { quiet_.start(); });
  connect(&watcher_, &QFileSystemWatcher::fileChanged, this, [this] { quiet_.start(); });
  watchFolders();
}

void DesktopEntryIndexRefresher::watchFolders() {
  QStringList wanted;
  for (const QString& folder : index_.roots().applicationFolders()) {
    if (!QDir(folder).exists()) {
      // A folder made later (the first user entry) shows as a change of its parent.
      const QString parent = QDir::cleanPath(folder + QStringLiteral("/.."));
      if (QDir(parent).exists()) wanted.append(parent);
      continue;
    }
    wanted.append(folder);
    QDirIterator sub(folder, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (sub.hasNext()) wanted.append(sub.next());
  }
  const QStringList watched = watcher_.directories();
  QStringList gone, added;
  for (const QString& dir : watched)
    if (!wanted.contains(dir)) gone.append(dir);
  for (const QString& dir : wanted)
    if (!watched.contains(dir) && !added.contains(dir)) added.append(dir);
  if (!gone.isEmpty()) watcher_.removePaths(gone);
  if (!added.isEmpty()) watcher_.addPaths(added);
}

}  // namespace halvane
