#include "platform/input/keyboardlayout/SwayKeyboardLayoutIndex.h"

#include "platform/system/unixsocket/BlockingUnixSocket.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdint>
#include <cstring>

namespace halvane {
namespace {

// i3's IPC framing, which sway keeps: magic, payload length and type in host byte order.
constexpr char kMagic[] = "i3-ipc";
constexpr qsizetype kMagicSize = 6;
constexpr qsizetype kHeaderSize = kMagicSize + 8;
constexpr std::uint32_t kGetInputs = 100;

}  // namespace

// A short blocking question, as the X server's keyboard is asked afresh at every call: the
// callers want the layout of this moment, and sway answers from memory.
std::optional<unsigned> swayActiveLayoutIndex(const QString& socketPath, int timeoutMs) {
  if (socketPath.isEmpty()) return std::nullopt;
  BlockingUnixSocket socket(socketPath, timeoutMs);
  QByteArray request(kMagic, kMagicSize);
  const std::uint32_t header[2] = {0, kGetInputs};
  request.append(reinterpret_cast<const char*>(header), sizeof header);
  if (!socket.send(request)) return std::nullopt;
  const std::optional<QByteArray> head = socket.read(kHeaderSize);
  if (!head || std::memcmp(head->constData(), kMagic, kMagicSize) != 0) return std::nullopt;
  std::uint32_t length = 0;
  std::memcpy(&length, head->constData() + kMagicSize, sizeof length);
  const std::optional<QByteArray> payload = socket.read(qsizetype(length));
  if (!payload) return std::nullopt;
  for (const QJsonValue& input : QJsonDocument::fromJson(*payload).array()) {
    const QJsonObject device = input.toObject();
    if (device.value(QLatin1String("type")).toString() != QLatin1String("keyboard")) continue;
    const QJsonValue index = device.value(QLatin1String("xkb_active_layout_index"));
    if (index.isDouble() && index.toInt() >= 0) return unsigned(index.toInt());
  }
  return std::nullopt;
}

}  // namespace halvane
