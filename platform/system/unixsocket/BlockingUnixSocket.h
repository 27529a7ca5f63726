#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QString>

#include <optional>

namespace halvane {

// A short question on a Unix stream socket, asked while the caller waits: connecting, sending
// and reading all end by one deadline. For answers wanted at the moment of asking from a peer
// that answers from memory; the event loop waits meanwhile, so the deadline stays short.
class BlockingUnixSocket {
 public:
  BlockingUnixSocket(const QString& path, int timeoutMs);
  ~BlockingUnixSocket();
  BlockingUnixSocket(const BlockingUnixSocket&) = delete;
  BlockingUnixSocket& operator=(const BlockingUnixSocket&) = delete;

  bool isConnected() const { return fd_ >= 0; }
  // False when not all of it went out in time; the socket is closed then.
  bool send(const QByteArray& bytes);
  // Exactly `size` bytes, or nothing when the peer closed or the deadline passed first (the
  // socket is closed then).
  std::optional<QByteArray> read(qsizetype size);

 private:
  bool waitFor(short events);
  void close();

  QDeadlineTimer deadline_;
  int fd_ = -1;
};

}  // namespace halvane
