#include "platform/desktop/frontapp/LineSocket.h"

namespace halvane {

LineSocket::LineSocket(const QString& path, const QByteArray& greeting, int retryMs,
                       QObject* parent)
    : QObject(parent), path_(path), greeting_(greeting) {
  retry_.setSingleShot(true);
  retry_.setInterval(retryMs);
  QObject::connect(&retry_, &QTimer::timeout, this, &LineSocket::connectNow);
  QObject::connect(&socket_, &UnixSocket::connected, this, [this] {
    wasConnected_ = true;
    buffer_.clear();
    if (!greeting_.isEmpty()) socket_.write(greeting_);
    emit connected();
  });
  QObject::connect(&socket_, &UnixSocket::readyRead, this, [this] {
    buffer_.append(socket_.readAll());
    qsizetype end;
    while ((end = buffer_.indexOf('\n')) >= 0) {
      const QByteArray text = buffer_.left(end);
      buffer_.remove(0, end + 1);
      if (!text.isEmpty()) emit line(text);
    }
  });
  QObject::connect(&socket_, &UnixSocket::closed, this, &LineSocket::lost);
  // From the loop, so that the owner has connected to our signals when `connected` comes.
  QMetaObject::invokeMethod(this, &LineSocket::connectNow, Qt::QueuedConnection);
}

void LineSocket::connectNow() {
  socket_.connectTo(path_);  // does nothing while connected
}

void LineSocket::lost() {
  if (wasConnected_) {
    wasConnected_ = false;
    emit disconnected();
  }
  if (!retry_.isActive()) retry_.start();
}

}  // namespace halvane
