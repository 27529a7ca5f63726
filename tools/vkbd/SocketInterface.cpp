#include "tools/vkbd/SocketInterface.h"

#include "platform/input/devices/VirtualKeyboardProtocol.h"

namespace halvane::vkbd {

SocketInterface::SocketInterface(QString folder, MatchingCriteria properties, QString name)
    : folder_(std::move(folder)), properties_(properties), name_(std::move(name)) {}

bool SocketInterface::plugIn(QString* error) {
  auto socket = std::make_unique<VirtualInterface>(folder_, properties_, name_);
  if (!socket->listen(error)) return false;
  socket_ = std::move(socket);
  socket_->onDatagram = [this](const QByteArray& datagram) {
    if (const auto settings = parseSettingsDatagram(datagram)) {
      if (onDriverSettings) onDriverSettings(*settings);
    } else if (onUnexpected) {
      onUnexpected(QString::fromLatin1(datagram.toPercentEncoding(" =-")));
    }
  };
  socket_->onConnectionsChanged = [this] {
    if (onConnectionChanged)
      onConnectionChanged(QStringLiteral("%1 helper(s) connected to %2")
                              .arg(socket_->connectionCount())
                              .arg(socket_->fileName()));
  };
  return true;
}

void SocketInterface::unplug() {
  socket_.reset();
}

QString SocketInterface::pluggedInText() const {
  return QStringLiteral("listening on %1").arg(socket_ ? socket_->path() : QString());
}

bool SocketInterface::send(QByteArrayView report) {
  return socket_ && socket_->send(report) > 0;
}

bool SocketInterface::connected() const {
  return socket_ && socket_->connectionCount() > 0;
}

QString SocketInterface::label() const {
  return socket_ ? socket_->fileName() : interfaceName(properties_, name_);
}

}  // namespace halvane::vkbd
