#pragma once

#include "platform/input/devices/HIDDeviceRegistry.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

// The virtual keyboard protocol, shared by the device registry (the helper's side) and the
// halvane-vkbd tool (the keyboard's side).
//
// A virtual keyboard interface is a listening SOCK_SEQPACKET Unix socket in the folder below,
// named "VVVV-PPPP-UUUU-SSSS-<anything>.sock" (vendor ID, product ID, primary usage page and
// primary usage as four lower-case hex digits each). The helper connects to it; each datagram
// from the keyboard is one input report of 0 to 32 bytes; the helper sends the driver settings
// as one text datagram "SwapCmdAlt=<int> MacroMask=<int>\n".
//
// A keyboard should bind and listen under a name that does not parse (a leading dot) and then
// rename the socket into place, so the helper never sees a socket that is not yet listening.
namespace halvane::vkbd {

inline constexpr quint32 kMaxReportSize = 32;

// $XDG_RUNTIME_DIR/halvane/keyboards, or /tmp/halvane-<uid>/keyboards without XDG_RUNTIME_DIR.
QString folderPath();

// Creates path (and missing parents) with mode 0700. The folder and its parent must be real
// directories owned by this user; their group and other permissions are removed. Returns an
// empty string on success, otherwise why the folder cannot be used.
QString ensureFolder(const QString& path);

// The properties encoded in an interface's file name; nothing for any other name.
std::optional<MatchingCriteria> parseInterfaceName(QStringView fileName);
QString interfaceName(const MatchingCriteria& properties, const QString& name);

QByteArray settingsDatagram(const DriverSettings& settings);
// Accepts exactly the form settingsDatagram writes (the final newline may be missing).
std::optional<DriverSettings> parseSettingsDatagram(QByteArrayView datagram);

// Connects to the interface socket at path: a non-blocking, close-on-exec descriptor, or -1
// with errno set (ECONNREFUSED: a stale socket file nobody listens on).
int connectInterface(const QString& path);

struct ListeningInterface {
  int fd = -1;        // non-blocking listening socket
  quint64 inode = 0;  // of the socket file, so that only our own file is removed
  QString error;      // why it failed, when fd is -1
};
// Creates the interface socket at path (its folder must exist): binds and listens under a
// hidden name, then renames it into place. A stale file of the same name is replaced; a live
// interface of the same name is left alone and reported as an error.
ListeningInterface listenInterface(const QString& path);
// Removes the socket file at path if it is still the one listenInterface made.
void removeInterface(const QString& path, quint64 inode);

}  // namespace halvane::vkbd
