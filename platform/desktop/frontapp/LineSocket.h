#pragma once

#include "platform/system/unixsocket/UnixSocket.h"

#include <QByteArray>
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
  bool isConnected() const { return socket_.isConnected(); }

 signals:
  void connected();
  void line(const QByteArray& line);
  void disconnected();

 private:
  void connectNow();
  void lost();

  QString path_;
  QByteArray greeting_;
  UnixSocket socket_;
  QTimer retry_;
  QByteArray buffer_;
  bool wasConnected_ = false;
};

}  // namespace halvane
