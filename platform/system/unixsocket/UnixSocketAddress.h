#pragma once

#include <QString>

#include <sys/un.h>
#include <optional>

namespace halvane {

// The address of the socket file at `path`; nothing for an empty path or one too long to fit.
std::optional<sockaddr_un> unixSocketAddress(const QString& path);

}  // namespace halvane
