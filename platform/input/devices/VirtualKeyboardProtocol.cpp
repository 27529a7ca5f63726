#include "platform/input/devices/VirtualKeyboardProtocol.h"

#include "platform/system/unixsocket/UnixSocketAddress.h"

#include <QDir>
#include <QFileInfo>

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

namespace halvane::vkbd {

namespace {

constexpr int kHexGroups = 4;
constexpr int kPrefixLength = kHexGroups * 5;  // "VVVV-PPPP-UUUU-SSSS-"
const QString kSuffix = QStringLiteral(".sock");

std::optional<int> lowerHex4(QStringView text) {
  int value = 0;
  for (QChar c : text) {
    const char16_t u = c.unicode();
    int digit;
    if (u >= '0' && u <= '9')
      digit = u - '0';
    else if (u >= 'a' && u <= 'f')
      digit = u - 'a' + 10;
    else
      return std::nullopt;
    value = value * 16 + digit;
  }
  return value;
}

// Makes sure one folder is a directory of ours that nobody else can enter.
QString secureDirectory(const QByteArray& path) {
  struct stat st {};
  if (::lstat(path.constData(), &st) != 0)
    return QStringLiteral("%1: %2").arg(QString::fromLocal8Bit(path),
                                        QString::fromLocal8Bit(std::strerror(errno)));
  if (!S_ISDIR(st.st_mode))
    return QStringLiteral("%1 is not a directory").arg(QString::fromLocal8Bit(path));
  if (st.st_uid != ::geteuid())
    return QStringLiteral("%1 belongs to another user").arg(QString::fromLocal8Bit(path));
  if ((st.st_mode & 077) && ::chmod(path.constData(), 0700) != 0)
    return QStringLiteral("%1: cannot restrict its permissions").arg(QString::fromLocal8Bit(path));
  return {};
}

QString errnoText(int error) {
  return QString::fromLocal8Bit(std::strerror(error));
}

int seqpacketSocket() {
  return ::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
}

}  // namespace

QString folderPath() {
  const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty())
    return QDir::cleanPath(QString::fromLocal8Bit(runtime) + QStringLiteral("/halvane/keyboards"));
  return QStringLiteral("/tmp/halvane-%1/keyboards").arg(::getuid());
}

QString ensureFolder(const QString& path) {
  const QString clean = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
  const QStringList parts = clean.split(u'/', Qt::SkipEmptyParts);
  QByteArray current;
  for (const QString& part : parts) {
    current += '/' + QFile::encodeName(part);
    if (::mkdir(current.constData(), 0700) != 0 && errno != EEXIST)
      return QStringLiteral("cannot create %1: %2")
          .arg(QString::fromLocal8Bit(current), QString::fromLocal8Bit(std::strerror(errno)));
  }
  // The parent is checked too: under /tmp it is the folder we created among other users' files.
  const QString parent = QFileInfo(clean).path();
  if (parent != QStringLiteral("/")) {
    QString problem = secureDirectory(QFile::encodeName(parent));
    if (!problem.isEmpty()) return problem;
  }
  return secureDirectory(QFile::encodeName(clean));
}

std::optional<MatchingCriteria> parseInterfaceName(QStringView fileName) {
  if (fileName.size() < kPrefixLength + kSuffix.size() || !fileName.endsWith(kSuffix))
    return std::nullopt;
  int values[kHexGroups];
  for (int group = 0; group < kHexGroups; ++group) {
    if (fileName[group * 5 + 4] != u'-') return std::nullopt;
    const auto value = lowerHex4(fileName.mid(group * 5, 4));
    if (!value) return std::nullopt;
    values[group] = *value;
  }
  return MatchingCriteria{values[0], values[1], values[2], values[3]};
}

QString interfaceName(const MatchingCriteria& properties, const QString& name) {
  auto hex = [](int value) { return QStringLiteral("%1").arg(value & 0xFFFF, 4, 16, QChar(u'0')); };
  return QStringLiteral("%1-%2-%3-%4-%5.sock")
      .arg(hex(properties.vendorID), hex(properties.productID), hex(properties.primaryUsagePage),
           hex(properties.primaryUsage), name);
}

QByteArray settingsDatagram(const DriverSettings& settings) {
  return QByteArrayLiteral("SwapCmdAlt=") + QByteArray::number(settings.swapCmdAlt) +
         QByteArrayLiteral(" MacroMask=") + QByteArray::number(settings.macroMask) + '\n';
}

std::optional<DriverSettings> parseSettingsDatagram(QByteArrayView datagram) {
  if (datagram.endsWith('\n')) datagram.chop(1);
  // "<key><optional minus><digits>", nothing else: toInt alone would also take spaces.
  auto field = [](QByteArrayView text, QByteArrayView key) -> std::optional<qint32> {
    if (!text.startsWith(key)) return std::nullopt;
    const QByteArrayView number = text.sliced(key.size());
    const QByteArrayView digits = number.startsWith('-') ? number.sliced(1) : number;
    if (digits.isEmpty()) return std::nullopt;
    for (char c : digits)
      if (c < '0' || c > '9') return std::nullopt;
    bool ok = false;
    const int value = number.toInt(&ok, 10);
    return ok ? std::optional<qint32>(value) : std::nullopt;
  };
  const qsizetype space = datagram.indexOf(' ');
  if (space < 0) return std::nullopt;
  const auto swap = field(datagram.first(space), "SwapCmdAlt=");
  const auto mask = field(datagram.sliced(space + 1), "MacroMask=");
  if (!swap || !mask) return std::nullopt;
  return DriverSettings{*swap, *mask};
}

int connectInterface(const QString& path) {
  const std::optional<sockaddr_un> address = unixSocketAddress(path);
  if (!address) {
    errno = ENAMETOOLONG;
    return -1;
  }
  const int fd = seqpacketSocket();
  if (fd < 0) return -1;
  if (::connect(fd, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) != 0) {
    const int error = errno;
    ::close(fd);
    errno = error;
    return -1;
  }
  return fd;
}

ListeningInterface listenInterface(const QString& path) {
  ListeningInterface result;
  const QFileInfo info(path);
  static int counter = 0;
  const QString hidden = info.path() + QStringLiteral("/.%1-%2.tmp").arg(::getpid()).arg(++counter);
  const std::optional<sockaddr_un> hiddenAddress = unixSocketAddress(hidden);
  if (!unixSocketAddress(path) || !hiddenAddress) {
    result.error = QStringLiteral("%1: the path is too long for a socket").arg(path);
    return result;
  }
  const int live = connectInterface(path);
  if (live >= 0) {
    ::close(live);
    result.error = QStringLiteral("%1 is already in use by another keyboard").arg(path);
    return result;
  }
  const QByteArray hiddenName = QFile::encodeName(hidden);
  const QByteArray finalName = QFile::encodeName(path);
  const int fd = seqpacketSocket();
  if (fd < 0) {
    result.error = errnoText(errno);
    return result;
  }
  ::unlink(hiddenName.constData());
  struct stat st {};
  if (::bind(fd, reinterpret_cast<const sockaddr*>(&*hiddenAddress), sizeof *hiddenAddress) != 0 ||
      ::listen(fd, 8) != 0 || ::rename(hiddenName.constData(), finalName.constData()) != 0 ||
      ::lstat(finalName.constData(), &st) != 0) {
    result.error = QStringLiteral("%1: %2").arg(path, errnoText(errno));
    ::unlink(hiddenName.constData());
    ::close(fd);
    return result;
  }
  result.fd = fd;
  result.inode = st.st_ino;
  return result;
}

void removeInterface(const QString& path, quint64 inode) {
  const QByteArray name = QFile::encodeName(path);
  struct stat st {};
  if (::lstat(name.constData(), &st) == 0 && st.st_ino == inode) ::unlink(name.constData());
}

}  // namespace halvane::vkbd
