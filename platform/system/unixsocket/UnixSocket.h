#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;

namespace halvane {

// A client of a Unix stream socket, driven by the event loop (socket notifiers, QtCore only):
// the compositors' IPC sockets without a networking library in the process. Every connectTo
// ends in exactly one `closed` (failed to connect, the peer closed, an error, or abort), and
// `connected` comes between them when the connection was made. Both may come before
// connectTo returns, as the kernel answers a local connect at once.
class UnixSocket : public QObject {
  Q_OBJECT

 public:
  explicit UnixSocket(QObject* parent = nullptr);
  // Closes without signals: a socket closing as it is destroyed is no news to anyone.
  ~UnixSocket() override;

  void connectTo(const QString& path);
  bool isConnected() const { return connected_; }
  // Queued and sent as the peer takes it; dropped when not connected.
  void write(const QByteArray& bytes);
  // Everything received and not yet read, also after `closed`.
  QByteArray readAll();
  // Closes now; unsent bytes are dropped, received ones stay readable.
  void abort();

 signals:
  void connected();
  void readyRead();
  void closed();

 private:
  void onReadable();
  void onWritable();
  void finishConnect();
  void flush();
  void close();

  int fd_ = -1;
  unsigned attempt_ = 0;  // counts connectTo calls: tells a handler closed or reopened the socket
  bool connected_ = false;
  QSocketNotifier* readNotifier_ = nullptr;  // children; both exist while fd_ is open
  QSocketNotifier* writeNotifier_ = nullptr;
  QByteArray received_;
  QByteArray unsent_;
};

}  // namespace halvane
