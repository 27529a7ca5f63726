#include "platform/input/devices/ChannelRegistry.h"

#include <QPointer>

#include <cerrno>

namespace halvane {

// A device interface: a handle on one service of the registry. Should the registry go first,
// its calls fail with ENODEV.
class ChannelRegistry::Device : public HIDDevice {
 public:
  Device(ChannelRegistry* registry, ServiceId id) : registry_(registry), id_(id) {}
  ~Device() override {
    if (open_ && registry_) registry_->closeDevice(id_);
  }
  int open() override {
    if (open_) return 0;
    const int status = registry_ ? registry_->openDevice(id_) : ENODEV;
    open_ = status == 0;
    return status;
  }
  int createAsyncEventSource() override {
    if (!open_) return EBADF;
    return registry_ ? registry_->prepareEvents(id_) : ENODEV;
  }
  int setInterruptReportHandler(std::uint8_t* buffer, quint32 size,
                                ReportHandler handler) override {
    if (!open_) return EBADF;
    return registry_ ? registry_->setReportHandler(id_, buffer, size, std::move(handler)) : ENODEV;
  }

 private:
  QPointer<ChannelRegistry> registry_;
  ServiceId id_;
  bool open_ = false;
};

ChannelRegistry::ChannelRegistry(std::shared_ptr<ServiceIdAllocator> ids)
    : ids_(ids ? std::move(ids) : std::make_shared<ServiceIdAllocator>()) {}

ChannelRegistry::~ChannelRegistry() = default;

void ChannelRegistry::addFirstMatchNotification(const MatchingCriteria& criteria,
                                                ServiceHandler handler) {
  firstMatch_.emplace_back(criteria, handler);
  std::vector<ServiceId> present;
  for (const auto& [id, service] : services_)
    if (service.properties == criteria) present.push_back(id);
  for (ServiceId id : present)
    if (services_.count(id)) handler(id);
  discover();
}

void ChannelRegistry::addTerminationNotification(const MatchingCriteria& criteria,
                                                 ServiceHandler handler) {
  termination_.emplace_back(criteria, std::move(handler));
}

bool ChannelRegistry::wanted(const MatchingCriteria& properties) const {
  for (const auto& registration : firstMatch_)
    if (registration.first == properties) return true;
  return false;
}

ServiceId ChannelRegistry::attach(Service service, int fd) {
  const ServiceId id = ids_->next();
  if (fd >= 0) service.channel = makeChannel(id, fd);
  const MatchingCriteria properties = service.properties;
  services_.emplace(id, std::move(service));
  // A copy: a handler may add registrations.
  const auto handlers = firstMatch_;
  for (const auto& [criteria, handler] : handlers)
    if (criteria == properties && services_.count(id)) handler(id);
  return id;
}

void ChannelRegistry::end(ServiceId id) {
  auto it = services_.find(id);
  if (it == services_.end()) return;
  if (it->second.channel) {
    it->second.channel->drain();
    // A report handler may have let go of the service meanwhile.
    it = services_.find(id);
    if (it == services_.end()) return;
  }
  const MatchingCriteria properties = it->second.properties;
  services_.erase(it);
  QMetaObject::invokeMethod(
      this,
      [this, id, properties] {
        const auto handlers = termination_;
        for (const auto& [criteria, handler] : handlers)
          if (criteria == properties) handler(id);
      },
      Qt::QueuedConnection);
}

std::unique_ptr<ReportChannel> ChannelRegistry::makeChannel(ServiceId id, int fd) {
  // The channel may not be destroyed inside its own read: end the service from the loop.
  return std::make_unique<ReportChannel>(fd, [this, id] {
    QMetaObject::invokeMethod(
        this, [this, id] { end(id); }, Qt::QueuedConnection);
  });
}

ChannelRegistry::Service* ChannelRegistry::find(ServiceId id) {
  auto it = services_.find(id);
  return it == services_.end() ? nullptr : &it->second;
}

ChannelRegistry::Service* ChannelRegistry::findByKey(const QString& key) {
  for (auto& [id, service] : services_)
    if (service.key == key) return &service;
  return nullptr;
}

std::unique_ptr<HIDDevice> ChannelRegistry::createDeviceInterface(ServiceId service, int* status) {
  const bool known = services_.count(service) != 0;
  if (status) *status = known ? 0 : ENODEV;
  return known ? std::make_unique<Device>(this, service) : nullptr;
}

int ChannelRegistry::setProperties(ServiceId id, const DriverSettings& settings) {
  Service* service = find(id);
  return service ? sendSettings(*service, settings) : ENODEV;
}

// One device interface at a time has a service open.
int ChannelRegistry::openDevice(ServiceId id) {
  Service* service = find(id);
  if (!service) return ENODEV;
  if (service->deviceOpen) return EBUSY;
  const int status = openChannel(id, *service);
  service->deviceOpen = status == 0;
  return status;
}

int ChannelRegistry::prepareEvents(ServiceId id) {
  Service* service = find(id);
  if (!service) return ENODEV;
  return service->channel ? 0 : EBADF;
}

int ChannelRegistry::setReportHandler(ServiceId id, std::uint8_t* buffer, quint32 size,
                                      HIDDevice::ReportHandler handler) {
  Service* service = find(id);
  if (!service) return ENODEV;
  if (!service->channel) return EBADF;
  if (!buffer || size == 0 || !handler) return EINVAL;
  service->channel->setReportHandler(buffer, size, std::move(handler));
  return 0;
}

void ChannelRegistry::closeDevice(ServiceId id) {
  Service* service = find(id);
  if (!service || !service->deviceOpen) return;
  service->deviceOpen = false;
  if (service->channel) service->channel->clearReportHandler();
  closeChannel(*service);
}

}  // namespace halvane
