#include "platform/desktop/frontapp/LineSocket.h"

namespace halvane {

LineSocket::LineSocket(const QString& path, const QByteArray& greeting, int retryMs,
                       QObject* parent)
    : QObject(parent), path_(path), greeting_(greeting) {
  retry_.setSingleShot(true);
  retry_.setInterval(retryMs);
  QObject::connect(&retry_, &QTimer::timeout, this, &LineSocket::connectNow);
  QObject::connect(&socket_, &QLocalSocket::connected, this, [this] {
    wasConnected_ = true;
    buffer_.clear();
    if (!greeting_.isEmpty()) socket_.write(greeting_);
    emit connected();
  });
  QObject::connect(&socket_, &QLocalSocket::readyRead, this, [this] {
    buffer_.append(socket_.readAll());
    qsizetype end;
    while ((end = buffer_.indexOf('\n')) >= 0) {
      const QByteArray text = buffer_.left(end);
      buffer_.remove(0, end + 1);
      if (!text.isEmpty()) emit line(text);
    }
  });
  QObject::connect(&socket_, &QLocalSocket::disconnected, this, &LineSocket::lost);
  QObject::connect(&socket_, &QLocalSocket::errorOccurred, this,
                   [this](QLocalSocket::LocalSocketError) {
                     if (socket_.state() == QLocalSocket::UnconnectedState) lost();
                   });
  // From the loop, so that the owner has connected to our signals when `connected` comes.
  QMetaObject::invokeMethod(this, &LineSocket::connectNow, Qt::QueuedConnection);
}

void LineSocket::connectNow() {
  if (socket_.state() != QLocalSocket::UnconnectedState) return;
  socket_.connectToServer(path_);
}

void LineSocket::lost() {
  if (wasConnected_) {
    wasConnected_ = false;
    emit disconnected();
  }
  if (!retry_.isActive()) retry_.start();
}

}  // namespace halvane
