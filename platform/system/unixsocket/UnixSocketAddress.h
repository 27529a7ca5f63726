#pragma once

#include <QString>

#include <optional>
#include <sys/un.h>

namespace halvane {

// The address of the socket file at `path`; nothing for an empty path or one too long to fit.
std::optional<sockaddr_un> unixSocketAddress(const QString& path);

}  // namespace halvane
