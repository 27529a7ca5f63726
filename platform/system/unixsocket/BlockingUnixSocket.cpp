#include "platform/system/unixsocket/BlockingUnixSocket.h"

#include "platform/system/unixsocket/UnixSocketAddress.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>

namespace halvane {

BlockingUnixSocket::BlockingUnixSocket(const QString& path, int timeoutMs) : deadline_(timeoutMs) {
  const std::optional<sockaddr_un> address = unixSocketAddress(path);
  if (!address) return;
  fd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (fd_ < 0) return;
  if (::connect(fd_, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) == 0) return;
  int error = errno;
  if (error == EINPROGRESS && waitFor(POLLOUT)) {
    socklen_t size = sizeof error;
    if (::getsockopt(fd_, SOL_SOCKET, SO_ERROR, &error, &size) != 0) error = errno;
  }
  if (error != 0) close();
}

BlockingUnixSocket::~BlockingUnixSocket() {
  close();
}

bool BlockingUnixSocket::waitFor(short events) {
  for (;;) {
    pollfd polled{fd_, events, 0};
    const qint64 left = deadline_.remainingTime();
    const int ready = ::poll(&polled, 1, int(std::min<qint64>(left, 60'000)));
    if (ready > 0) return true;  // an error or hang-up shows in the read or write that follows
    if (ready < 0 && errno == EINTR) continue;
    if (ready == 0 && !deadline_.hasExpired()) continue;
    return false;
  }
}

bool BlockingUnixSocket::send(const QByteArray& bytes) {
  qsizetype done = 0;
  while (fd_ >= 0 && done < bytes.size()) {
    const ssize_t sent =
        ::send(fd_, bytes.constData() + done, size_t(bytes.size() - done), MSG_NOSIGNAL);
    if (sent > 0) {
      done += sent;
    } else if (!(sent < 0 && errno == EINTR) &&
               !(sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) && waitFor(POLLOUT))) {
      close();
    }
  }
  return fd_ >= 0;
}

std::optional<QByteArray> BlockingUnixSocket::read(qsizetype size) {
  // Grows as bytes come: a size read from the peer is not trusted with memory before it is sent.
  constexpr qsizetype kChunk = 64 * 1024;
  QByteArray bytes;
  while (fd_ >= 0 && bytes.size() < size) {
    const qsizetype at = bytes.size();
    bytes.resize(at + std::min(size - at, kChunk));
    const ssize_t got = ::read(fd_, bytes.data() + at, size_t(bytes.size() - at));
    bytes.resize(at + std::max<qsizetype>(got, 0));
    if (got > 0 || (got < 0 && errno == EINTR)) continue;
    if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) && waitFor(POLLIN)) continue;
    close();  // the peer closed (0), an error, or the deadline passed
  }
  if (fd_ < 0) return std::nullopt;
  return bytes;
}

void BlockingUnixSocket::close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

}  // namespace halvane
