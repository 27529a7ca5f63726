#include "platform/input/uhid/UhidDevice.h"

#include <QFile>
#include <QSocketNotifier>

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

namespace halvane::uhid {

QString UhidDevice::reasonForError(int error, const QString& path) {
  switch (error) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
      return QStringLiteral("%1 does not exist: load the uhid kernel module (modprobe uhid)")
          .arg(path);
    case EACCES:
    case EPERM:
    case EROFS:
      return QStringLiteral(
                 "no permission to write %1: run as root, or give this user write "
                 "access to it")
          .arg(path);
    default:
      return QStringLiteral("%1: %2").arg(path, QString::fromLocal8Bit(std::strerror(error)));
  }
}

UhidDevice::Result UhidDevice::create(const DeviceDescription& description, const QString& path) {
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return {nullptr, reasonForError(errno, path)};
  std::unique_ptr<UhidDevice> device(new UhidDevice(fd));
  if (!device->write(createEvent(description))) {
    const int error = errno;
    // The device was never made, so there is nothing to destroy.
    device->fd_ = -1;
    ::close(fd);
    return {nullptr,
            QStringLiteral("creating the HID device failed: %1").arg(reasonForError(error, path))};
  }
  device->notifier_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
  QObject::connect(device->notifier_.get(), &QSocketNotifier::activated,
                   [raw = device.get()] { raw->receive(); });
  return {std::move(device), {}};
}

UhidDevice::UhidDevice(int fd) : fd_(fd) {}

UhidDevice::~UhidDevice() {
  notifier_.reset();
  if (fd_ < 0) return;
  // Closing would destroy it too; saying so keeps the kernel's log free of surprises.
  write(destroyEvent());
  ::close(fd_);
}

bool UhidDevice::write(const uhid_event& event) {
  const ssize_t n = ::write(fd_, &event, sizeof event);
  return n == ssize_t(sizeof event);
}

bool UhidDevice::send(QByteArrayView report) {
  return fd_ >= 0 && write(inputEvent(report));
}

void UhidDevice::receive() {
  uhid_event event{};
  for (;;) {
    const ssize_t n = ::read(fd_, &event, sizeof event);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    switch (event.type) {
      case UHID_OPEN:
      case UHID_CLOSE:
        open_ = event.type == UHID_OPEN;
        if (onOpenChanged) onOpenChanged();
        break;
      case UHID_SET_REPORT:
      case UHID_GET_REPORT: {
        bool changed = false;
        if (const auto reply = answer(event, features_, &changed)) write(*reply);
        if (changed && onDriverSettings) onDriverSettings(features_.settings);
        break;
      }
      default:  // start, stop, LED output reports: nothing to do
        break;
    }
  }
}

}  // namespace halvane::uhid
