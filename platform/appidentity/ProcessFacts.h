#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

namespace halvane {

// What /proc tells about one process. Every field is empty when it cannot be read: the process
// may have ended between the window's event and the reading, or belong to another user.
struct ProcessFacts {
  QString executable;       // real path of exe
  QString comm;             // the kernel's short name
  QStringList arguments;    // cmdline
  QString flatpakId;        // [Application] name= of root/.flatpak-info
  QStringList cgroupPaths;  // the paths of cgroup, one per hierarchy
  QString steamGameId;      // SteamAppId, else SteamGameId, of environ

  // procRoot: "/proc", or a tree of the same shape in tests.
  static ProcessFacts read(const QString& procRoot, std::int64_t pid);
};

}  // namespace halvane
