#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace halvane {

// What /proc tells about one process, each fact read the first time it is asked for: most
// windows are known by their desktop ID or class, and then only the executable is read. Every
// fact is empty when it cannot be read: the process may have ended between the window's event
// and the reading, or belong to another user.
class ProcessFacts {
 public:
  // procRoot: "/proc", or a tree of the same shape in tests. pid 0: no process.
  ProcessFacts(const QString& procRoot, std::int64_t pid);

  const QString& executable() const;       // real path of exe
  const QString& comm() const;             // the kernel's short name
  const QStringList& arguments() const;    // cmdline
  const QString& flatpakId() const;        // [Application] name= of root/.flatpak-info
  const QStringList& cgroupPaths() const;  // the paths of cgroup, one per hierarchy
  const QString& steamGameId() const;      // SteamAppId, else SteamGameId, of environ

 private:
  QByteArray read(const char* name) const;

  QByteArray dir_;  // "<procRoot>/<pid>/", encoded; empty for no process
  mutable std::optional<QString> executable_, comm_, flatpakId_, steamGameId_;
  mutable std::optional<QStringList> arguments_, cgroupPaths_;
};

}  // namespace halvane
