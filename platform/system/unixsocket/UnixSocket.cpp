#include "platform/system/unixsocket/UnixSocket.h"

#include "platform/system/unixsocket/UnixSocketAddress.h"

#include <QSocketNotifier>

#include <sys/socket.h>
#include <unistd.h>
#include <cerrno>
#include <optional>
#include <utility>

namespace halvane {

namespace {

constexpr size_t kReadChunk = 16 * 1024;

}  // namespace

UnixSocket::UnixSocket(QObject* parent) : QObject(parent) {}

UnixSocket::~UnixSocket() {
  if (fd_ >= 0) ::close(fd_);
}

void UnixSocket::connectTo(const QString& path) {
  if (fd_ >= 0) return;
  ++attempt_;
  received_.clear();
  unsent_.clear();
  const std::optional<sockaddr_un> address = unixSocketAddress(path);
  fd_ = address ? ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0) : -1;
  if (fd_ < 0) {
    emit closed();
    return;
  }
  readNotifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
  writeNotifier_ = new QSocketNotifier(fd_, QSocketNotifier::Write, this);
  readNotifier_->setEnabled(false);
  writeNotifier_->setEnabled(false);
  QObject::connect(readNotifier_, &QSocketNotifier::activated, this, &UnixSocket::onReadable);
  QObject::connect(writeNotifier_, &QSocketNotifier::activated, this, &UnixSocket::onWritable);
  if (::connect(fd_, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) == 0) {
    finishConnect();
  } else if (errno == EINPROGRESS) {
    writeNotifier_->setEnabled(true);  // writable when the connect has an outcome
  } else {
    close();  // no such socket, nobody listening, or a full backlog: the owner tries again
  }
}

void UnixSocket::finishConnect() {
  connected_ = true;
  readNotifier_->setEnabled(true);
  emit connected();
}

void UnixSocket::write(const QByteArray& bytes) {
  if (!connected_) return;
  unsent_.append(bytes);
  flush();
}

void UnixSocket::flush() {
  while (!unsent_.isEmpty()) {
    // MSG_NOSIGNAL: a peer gone in between is an error to report, not a SIGPIPE.
    const ssize_t sent = ::send(fd_, unsent_.constData(), size_t(unsent_.size()), MSG_NOSIGNAL);
    if (sent < 0 && errno == EINTR) continue;
    if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) break;
    if (sent < 0) {
      close();
      return;
    }
    unsent_.remove(0, sent);
  }
  writeNotifier_->setEnabled(!unsent_.isEmpty());
}

void UnixSocket::onWritable() {
  if (connected_) {
    flush();
    return;
  }
  int error = 0;
  socklen_t size = sizeof error;
  if (::getsockopt(fd_, SOL_SOCKET, SO_ERROR, &error, &size) != 0 || error != 0) {
    close();
    return;
  }
  writeNotifier_->setEnabled(false);
  finishConnect();
}

void UnixSocket::onReadable() {
  bool ended = false;
  const qsizetype before = received_.size();
  for (;;) {
    // Read through a chunk on the stack: a buffer grown by a whole chunk ahead of each read
    // would hand its spare capacity (a hundred KiB and more) to the reader, who keeps it.
    char chunk[kReadChunk];
    const ssize_t got = ::read(fd_, chunk, sizeof chunk);
    if (got > 0) {
      received_.append(chunk, qsizetype(got));
      continue;
    }
    if (got < 0 && errno == EINTR) continue;
    ended = got == 0 || (errno != EAGAIN && errno != EWOULDBLOCK);
    break;
  }
  if (received_.size() > before) {
    const unsigned attempt = attempt_;
    emit readyRead();
    if (fd_ < 0 || attempt_ != attempt) return;  // the owner closed it (or opened another)
  }
  if (ended) close();
}

QByteArray UnixSocket::readAll() {
  return std::exchange(received_, {});
}

void UnixSocket::abort() {
  if (fd_ >= 0) close();
}

void UnixSocket::close() {
  // Later: close may run inside a notifier's own signal.
  for (QSocketNotifier* notifier : {readNotifier_, writeNotifier_}) {
    notifier->setEnabled(false);
    notifier->deleteLater();
  }
  readNotifier_ = writeNotifier_ = nullptr;
  ::close(fd_);
  fd_ = -1;
  connected_ = false;
  unsent_.clear();
  emit closed();
}

}  // namespace halvane
