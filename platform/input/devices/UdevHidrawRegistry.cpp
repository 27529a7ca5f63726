#include "platform/input/devices/UdevHidrawRegistry.h"

#include "platform/input/devices/HidrawIdentity.h"
#include "platform/input/devices/UdevHidrawDiscovery.h"
#include "platform/system/log/SystemLog.h"

#include <QFile>

#include <fcntl.h>
#include <linux/hidraw.h>
#include <sys/ioctl.h>
#include <unistd.h>
#include <cerrno>

namespace halvane {

UdevHidrawRegistry::UdevHidrawRegistry(std::unique_ptr<HidrawDiscovery> discovery,
                                       std::shared_ptr<ServiceIdAllocator> ids, SystemLog* log)
    : ChannelRegistry(std::move(ids)),
      discovery_(discovery ? std::move(discovery) : std::make_unique<UdevHidrawDiscovery>()),
      log_(log) {}

UdevHidrawRegistry::~UdevHidrawRegistry() = default;

// Later registrations need no new look: the watch keeps the services up to date.
void UdevHidrawRegistry::discover() {
  if (started_) return;
  started_ = true;
  const auto nodes =
      discovery_->start([this](const HidrawDiscovery::Node& node) { nodeAdded(node); },
                        [this](const QString& syspath) { nodeRemoved(syspath); });
  for (const auto& node : nodes) nodeAdded(node);
}

void UdevHidrawRegistry::nodeAdded(const HidrawDiscovery::Node& node) {
  if (findByKey(node.syspath)) return;
  Service service;
  service.key = node.syspath;
  service.path = node.devnode;
  service.properties = node.properties;
  attach(std::move(service));
}

void UdevHidrawRegistry::nodeRemoved(const QString& syspath) {
  for (const auto& [id, service] : services())
    if (service.key == syspath) return end(id);
}

// Read-write when allowed, so driver settings can use the open node; read-only is enough for
// reports. A refusal is returned as its errno (EACCES: the udev rules are not installed).
int UdevHidrawRegistry::openChannel(ServiceId id, Service& service) {
  const QByteArray path = QFile::encodeName(service.path);
  int fd = ::open(path.constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  service.writable = fd >= 0;
  if (fd < 0 && (errno == EACCES || errno == EPERM || errno == EROFS))
    fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    const int error = errno;
    // Without the udev rules every node of the keyboard is refused: say it once, with the fix.
    if ((error == EACCES || error == EPERM) && log_ && !permissionTold_) {
      permissionTold_ = true;
      log_->log(
          QStringLiteral("No permission to open the Halvane keyboard at %1: install Halvane's "
                         "udev rules (70-halvane.rules), which give the logged-in user access "
                         "to it, then plug the keyboard in again")
              .arg(service.path));
    }
    return error;
  }
  service.channel = makeChannel(id, fd);
  return 0;
}

void UdevHidrawRegistry::closeChannel(Service& service) {
  service.channel.reset();
  service.writable = false;
}

int UdevHidrawRegistry::sendSettings(Service& service, const DriverSettings& settings) {
  hid::DriverSettingsReport report = hid::driverSettingsReport(settings);
  int fd = service.writable && service.channel ? service.channel->fd() : -1;
  const bool temporary = fd < 0;
  if (temporary) {
    fd = ::open(QFile::encodeName(service.path).constData(),
                O_RDWR | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return errno;
  }
  const int status = ::ioctl(fd, HIDIOCSFEATURE(report.size()), report.data()) < 0 ? errno : 0;
  if (temporary) ::close(fd);
  return status;
}

}  // namespace halvane
