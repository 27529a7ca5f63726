#include "shared/plist/FileRead.h"

#include <QCoreApplication>
#include <QFile>

// Qt's QFile opens FIFOs blocking and reads devices without end; POSIX calls do neither.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace halvane {

namespace {

struct FileRead {
  Q_DECLARE_TR_FUNCTIONS(FileRead)
};

QString systemError(int error) {
  return QString::fromLocal8Bit(std::strerror(error));
}

// What a path is instead of a file; it follows "is" in messages such as "The settings file %1
// is %2".
QString notRegularText(mode_t mode) {
  if (S_ISDIR(mode)) return FileRead::tr("a folder, not a regular file");
  if (S_ISFIFO(mode)) return FileRead::tr("a FIFO, not a regular file");
  if (S_ISSOCK(mode)) return FileRead::tr("a socket, not a regular file");
  if (S_ISCHR(mode)) return FileRead::tr("a character device, not a regular file");
  if (S_ISBLK(mode)) return FileRead::tr("a block device, not a regular file");
  return FileRead::tr("a special file, not a regular file");
}

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

ReadResult<QByteArray> readRegularFile(const QString& path, qint64 maxSize) {
  ReadResult<QByteArray> result;
  auto fail = [&result](FileFault fault, const QString& why) {
    result.fault = fault;
    result.error = why;
    return result;
  };
  // A resource compiled into the program (":/..."): in memory, of a size known at build time.
  if (path.startsWith(u':')) {
    QFile resource(path);
    if (!resource.open(QIODevice::ReadOnly))
      return fail(resource.exists() ? FileFault::Unreadable : FileFault::Missing,
                  resource.errorString());
    if (resource.size() > maxSize) return fail(FileFault::Unreadable, tooLargeText(maxSize));
    result.value = resource.readAll();
    return result;
  }
  // Something other than a regular file is not even opened: opening a device may do something.
  const QByteArray name = QFile::encodeName(path);
  struct stat st {};
  if (::stat(name.constData(), &st) != 0) {
    const int error = errno;
    return fail(error == ENOENT ? FileFault::Missing : FileFault::Unreadable, systemError(error));
  }
  if (!S_ISREG(st.st_mode)) return fail(FileFault::NotRegular, notRegularText(st.st_mode));
  // It may have been replaced since: non-blocking, so that a FIFO put there opens at once
  // instead of waiting for a writer, and looked at again once open.
  const Descriptor fd(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (fd.get() < 0) return fail(FileFault::Unreadable, systemError(errno));
  if (::fstat(fd.get(), &st) != 0) return fail(FileFault::Unreadable, systemError(errno));
  if (!S_ISREG(st.st_mode)) return fail(FileFault::NotRegular, notRegularText(st.st_mode));
  const int flags = ::fcntl(fd.get(), F_GETFL);
  if (flags < 0 || ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK) != 0)
    return fail(FileFault::Unreadable, systemError(errno));
  if (st.st_size > maxSize) return fail(FileFault::Unreadable, tooLargeText(maxSize));

  // The file may grow while it is read: one byte past the limit is enough to tell.
  QByteArray bytes(qsizetype(st.st_size) + 1, Qt::Uninitialized);
  qint64 total = 0;
  for (;;) {
    if (total == bytes.size()) {
      if (total > maxSize) return fail(FileFault::Unreadable, tooLargeText(maxSize));
      bytes.resize(qsizetype(qMin<qint64>(maxSize + 1, total * 2 + 4096)));
    }
    const ssize_t n = ::read(fd.get(), bytes.data() + total, size_t(bytes.size() - total));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return fail(FileFault::Unreadable, systemError(errno));
    if (n == 0) break;
    total += n;
  }
  if (total > maxSize) return fail(FileFault::Unreadable, tooLargeText(maxSize));
  bytes.truncate(qsizetype(total));
  result.value = std::move(bytes);
  return result;
}

QString tooLargeText(qint64 maxSize) {
  //: Why a file is not read: %1 is a size in mebibytes.
  return FileRead::tr("larger than %1 MiB").arg(double(maxSize) / (1024 * 1024));
}

QString notRegularReason(const QString& path) {
  struct stat st {};
  if (::stat(QFile::encodeName(path).constData(), &st) != 0 || S_ISREG(st.st_mode)) return {};
  return notRegularText(st.st_mode);
}

}  // namespace halvane
