#include "platform/input/uinput/UinputDevice.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <linux/uinput.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace halvane {
namespace {

int openNode(const QString& path) {
  return ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
}

bool configure(int fd, const QString& name, const UinputDevice::Capabilities& capabilities) {
  if (ioctl(fd, UI_SET_EVBIT, EV_SYN) < 0) return false;
  if (!capabilities.keys.empty() && ioctl(fd, UI_SET_EVBIT, EV_KEY) < 0) return false;
  for (int key : capabilities.keys)
    if (ioctl(fd, UI_SET_KEYBIT, key) < 0) return false;
  if (!capabilities.relative.empty() && ioctl(fd, UI_SET_EVBIT, EV_REL) < 0) return false;
  for (int axis : capabilities.relative)
    if (ioctl(fd, UI_SET_RELBIT, axis) < 0) return false;

  uinput_setup setup{};
  setup.id.bustype = BUS_VIRTUAL;
  const QByteArray utf8 = name.toUtf8().left(UINPUT_MAX_NAME_SIZE - 1);
  std::memcpy(setup.name, utf8.constData(), size_t(utf8.size()));
  if (ioctl(fd, UI_DEV_SETUP, &setup) < 0) return false;
  return ioctl(fd, UI_DEV_CREATE) >= 0;
}

}  // namespace

UinputDevice::Result UinputDevice::create(const QString& name, const Capabilities& capabilities,
                                          const QString& path) {
  const int fd = openNode(path);
  if (fd < 0) return {nullptr, errno};
  if (!configure(fd, name, capabilities)) {
    const int error = errno;
    ::close(fd);
    return {nullptr, error};
  }
  return {std::unique_ptr<UinputDevice>(new UinputDevice(fd)), 0};
}

QString UinputDevice::unusableReason(const QString& path) {
  const int fd = openNode(path);
  if (fd >= 0) {
    ::close(fd);
    return {};
  }
  return reasonForError(errno, path);
}

QString UinputDevice::reasonForError(int error, const QString& path) {
  switch (error) {
    case ENOENT:
      return QCoreApplication::translate("UinputDevice",
                                         "%1 does not exist: load the uinput kernel module (%2)")
          .arg(path, QStringLiteral("modprobe uinput"));
    case EACCES:
    case EPERM:
      return QCoreApplication::translate("UinputDevice",
                                         "no permission on %1: install Halvane's udev rules, which "
                                         "give the logged-in user access to it")
          .arg(path);
    case ENODEV:
    case ENXIO:
      return QCoreApplication::translate(
                 "UinputDevice", "%1 has no uinput driver behind it: load the uinput kernel module")
          .arg(path);
    default:
      return QCoreApplication::translate("UinputDevice", "cannot use %1: %2")
          .arg(path, QString::fromLocal8Bit(strerror(error)));
  }
}

UinputDevice::~UinputDevice() {
  ioctl(fd_, UI_DEV_DESTROY);
  ::close(fd_);
}

bool UinputDevice::emitFrame(const std::vector<InputEvent>& events) {
  std::vector<input_event> raw;
  raw.reserve(events.size() + 1);
  for (const InputEvent& e : events) {
    input_event ev{};
    ev.type = e.type;
    ev.code = e.code;
    ev.value = e.value;
    raw.push_back(ev);
  }
  input_event sync{};
  sync.type = EV_SYN;
  sync.code = SYN_REPORT;
  raw.push_back(sync);

  const auto* bytes = reinterpret_cast<const char*>(raw.data());
  size_t left = raw.size() * sizeof(input_event);
  while (left > 0) {
    const ssize_t written = ::write(fd_, bytes, left);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes += written;
    left -= size_t(written);
  }
  return true;
}

QString UinputDevice::eventNodePath() const {
  char sysname[64] = {};
  if (ioctl(fd_, UI_GET_SYSNAME(sizeof(sysname) - 1), sysname) < 0) return {};
  const QDir device(QStringLiteral("/sys/devices/virtual/input/") + QString::fromLatin1(sysname));
  const QStringList events =
      device.entryList({QStringLiteral("event*")}, QDir::Dirs | QDir::NoDotAndDotDot);
  if (events.isEmpty()) return {};
  return QStringLiteral("/dev/input/") + events.first();
}

}  // namespace halvane
