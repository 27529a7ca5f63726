#include "platform/system/unixsocket/UnixSocketAddress.h"

#include <QFile>

#include <sys/socket.h>
#include <cstring>

namespace halvane {

std::optional<sockaddr_un> unixSocketAddress(const QString& path) {
  const QByteArray name = QFile::encodeName(path);
  sockaddr_un address{};
  if (name.isEmpty() || size_t(name.size()) >= sizeof address.sun_path) return std::nullopt;
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
  return address;
}

}  // namespace halvane
