#include "shared/plist/FolderSync.h"

#include <QFile>

// Qt has no call that flushes a folder; POSIX open and fsync do, on every Unix.
#include <fcntl.h>
#include <unistd.h>

namespace halvane {

bool syncFolder(const QString& folder) {
  const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = ::fsync(fd) == 0;
  ::close(fd);
  return synced;
}

}  // namespace halvane
