#include "platform/system/instance/InstanceLock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace halvane {

namespace {

QString systemError() {
  return QString::fromLocal8Bit(std::strerror(errno));
}

}  // namespace

QString InstanceLock::helperLockPath() {
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty()) return QDir::cleanPath(runtime + QStringLiteral("/halvane/helper.lock"));
  return QStringLiteral("/tmp/halvane-%1/helper.lock").arg(::getuid());
}

InstanceLock InstanceLock::acquire(const QString& path) {
  InstanceLock lock;
  const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
  if (::mkdir(folder.constData(), 0700) != 0 && errno != EEXIST) {
    lock.reason_ =
        QStringLiteral("cannot create %1: %2").arg(QFile::decodeName(folder), systemError());
    return lock;
  }
  // Never through a link, and only a file of our own: under /tmp another user could plant one.
  const int fd = ::open(QFile::encodeName(path).constData(),
                        O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
  if (fd < 0) {
    lock.reason_ = QStringLiteral("cannot open %1: %2").arg(path, systemError());
    return lock;
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::getuid()) {
    lock.reason_ = QStringLiteral("%1 is not a file of this user's").arg(path);
    ::close(fd);
    return lock;
  }
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const bool held = errno == EWOULDBLOCK;
    lock.reason_ = held ? QString() : QStringLiteral("cannot lock %1: %2").arg(path, systemError());
    if (held) {
      char text[32] = {};
      const ssize_t n = ::pread(fd, text, sizeof text - 1, 0);
      lock.holderPid_ = n > 0 ? QByteArray(text, int(n)).trimmed().toLongLong() : 0;
      lock.outcome_ = Outcome::HeldByOther;
    }
    ::close(fd);
    return lock;
  }
  // The holder's pid, for the message a second helper gives; the lock holds without it.
  const QByteArray pid = QByteArray::number(qint64(::getpid())) + '\n';
  [[maybe_unused]] const bool written =
      ::ftruncate(fd, 0) == 0 && ::pwrite(fd, pid.constData(), size_t(pid.size()), 0) == pid.size();
  lock.fd_ = fd;
  lock.outcome_ = Outcome::Taken;
  return lock;
}

InstanceLock::InstanceLock(InstanceLock&& other) noexcept
    : outcome_(other.outcome_),
      fd_(std::exchange(other.fd_, -1)),
      holderPid_(other.holderPid_),
      reason_(std::move(other.reason_)) {}

InstanceLock& InstanceLock::operator=(InstanceLock&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    outcome_ = other.outcome_;
    fd_ = std::exchange(other.fd_, -1);
    holderPid_ = other.holderPid_;
    reason_ = std::move(other.reason_);
  }
  return *this;
}

InstanceLock::~InstanceLock() {
  if (fd_ >= 0) ::close(fd_);
}

}  // namespace halvane
