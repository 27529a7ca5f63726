#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

#include <functional>

namespace halvane {

class DesktopEntryIndex;

// Rebuilds an index when an applications folder changes. Installers write many files in a row,
// so the rebuild waits until the folders have been quiet for a moment; it then runs once on the
// main loop, between focus changes rather than inside one.
class DesktopEntryIndexRefresher : public QObject {
 public:
  // The index must outlive this. rebuilt, when given, runs after each rebuild.
  explicit DesktopEntryIndexRefresher(DesktopEntryIndex& index, std::function<void()> rebuilt = {},
                                      int quietMs = 500, QObject* parent = nullptr);

 private:
  void watchFolders();

  DesktopEntryIndex& index_;
  std::function<void()> rebuilt_;
  QFileSystemWatcher watcher_;
  QTimer quiet_;
};

}  // namespace halvane
