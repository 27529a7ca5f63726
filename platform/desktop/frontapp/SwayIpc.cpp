#include "platform/desktop/frontapp/SwayIpc.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <cstring>
#include <utility>

namespace halvane {

namespace {

// i3's IPC framing, which sway keeps: magic, payload length and type in host byte order.
constexpr char kMagic[] = "i3-ipc";
constexpr std::size_t kMagicSize = 6;
constexpr std::size_t kHeaderSize = kMagicSize + 8;
constexpr std::uint32_t kSubscribe = 2;
constexpr std::uint32_t kGetTree = 4;
constexpr std::uint32_t kWindowEvent = 0x80000003;

}  // namespace

SwayIpc::SwayIpc(const QString& socketPath, QObject* parent) : QObject(parent) {
  QObject::connect(&socket_, &UnixSocket::readyRead, this, &SwayIpc::readMessages);
  QObject::connect(&socket_, &UnixSocket::connected, this, [this] {
    connected_ = true;
    send(kSubscribe, QByteArrayLiteral("[\"window\"]"));
    send(kGetTree, {});
  });
  QObject::connect(&socket_, &UnixSocket::closed, this, [this] {
    if (std::exchange(connected_, false)) emit disconnected();  // not for a failed connect
  });
  socket_.connectTo(socketPath);
}

void SwayIpc::send(std::uint32_t type, const QByteArray& payload) {
  QByteArray message(kMagic, kMagicSize);
  const std::uint32_t length = static_cast<std::uint32_t>(payload.size());
  message.append(reinterpret_cast<const char*>(&length), sizeof length);
  message.append(reinterpret_cast<const char*>(&type), sizeof type);
  message.append(payload);
  socket_.write(message);
}

void SwayIpc::readMessages() {
  buffer_.append(socket_.readAll());
  while (buffer_.size() >= static_cast<qsizetype>(kHeaderSize)) {
    if (std::memcmp(buffer_.constData(), kMagic, kMagicSize) != 0) {
      socket_.abort();  // not sway speaking; nothing after this can be trusted
      buffer_.clear();
      return;
    }
    std::uint32_t length = 0, type = 0;
    std::memcpy(&length, buffer_.constData() + kMagicSize, sizeof length);
    std::memcpy(&type, buffer_.constData() + kMagicSize + 4, sizeof type);
    if (buffer_.size() < static_cast<qsizetype>(kHeaderSize + length)) return;
    const QByteArray payload = buffer_.mid(kHeaderSize, length);
    buffer_.remove(0, kHeaderSize + length);
    handle(type, payload);
  }
}

void SwayIpc::handle(std::uint32_t type, const QByteArray& payload) {
  const QJsonObject object = QJsonDocument::fromJson(payload).object();
  if (type == kGetTree) {
    emit focused(focusedInTree(object));
  } else if (type == kWindowEvent &&
             object.value(QLatin1String("change")).toString() == QLatin1String("focus")) {
    emit focused(windowFromContainer(object.value(QLatin1String("container")).toObject()));
  }
}

SwayIpc::Window SwayIpc::windowFromContainer(const QJsonObject& container) {
  Window window;
  window.appId = container.value(QLatin1String("app_id")).toString();
  if (window.appId.isEmpty()) {
    window.appId = container.value(QLatin1String("window_properties"))
                       .toObject()
                       .value(QLatin1String("class"))
                       .toString();
  }
  window.pid = container.value(QLatin1String("pid")).toInteger();
  return window;
}

SwayIpc::Window SwayIpc::focusedInTree(const QJsonObject& node) {
  const bool isWindow = node.contains(QLatin1String("pid"));
  if (isWindow && node.value(QLatin1String("focused")).toBool()) return windowFromContainer(node);
  for (const char* key : {"nodes", "floating_nodes"}) {
    for (const QJsonValue& child : node.value(QLatin1String(key)).toArray()) {
      Window found = focusedInTree(child.toObject());
      if (!found.appId.isEmpty() || found.pid != 0) return found;
    }
  }
  return {};
}

}  // namespace halvane
