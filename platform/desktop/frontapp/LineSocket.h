#pragma once

#include <QByteArray>
#include <QLocalSocket>
#include <QObject>
#include <QTimer>

namespace halvane {

// A Unix socket that speaks in lines and keeps coming back: the compositors' IPC sockets go
// away when the compositor restarts, and reappear at the same path. After connecting it sends
// `greeting` (may be empty); when the socket closes or cannot be reached it tries again.
class LineSocket : public QObject {
  Q_OBJECT

 public:
  LineSocket(const QString& path, const QByteArray& greeting, int retryMs,
             QObject* parent = nullptr);
  // A socket closing as it is destroyed is no news to anyone.
  ~LineSocket() override { socket_.disconnect(this); }
  bool isConnected() const { return socket_.state() == QLocalSocket::ConnectedState; }

 signals:
  void connected();
  void line(const QByteArray& line);
  void disconnected();

 private:
  void connectNow();
  void lost();

  QString path_;
  QByteArray greeting_;
  QLocalSocket socket_;
  QTimer retry_;
  QByteArray buffer_;
  bool wasConnected_ = false;
};

}  // namespace halvane
