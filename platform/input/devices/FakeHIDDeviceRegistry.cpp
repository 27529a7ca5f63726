#include "platform/input/devices/FakeHIDDeviceRegistry.h"

#include <algorithm>
#include <cstring>

namespace halvane {

class FakeHIDDeviceRegistry::Device : public HIDDevice {
 public:
  Device(FakeHIDDeviceRegistry& registry, ServiceId id) : registry_(registry), id_(id) {
    ++registry_.liveDevices;
  }
  ~Device() override {
    --registry_.liveDevices;
    auto it = registry_.services_.find(id_);
    if (it != registry_.services_.end()) it->second.handler = nullptr;
  }
  int open() override { return service() ? service()->service.openStatus : -1; }
  int createAsyncEventSource() override {
    return service() ? service()->service.eventSourceStatus : -1;
  }
  int setInterruptReportHandler(std::uint8_t* buffer, quint32 size,
                                ReportHandler handler) override {
    Attached* attached = service();
    if (!attached) return -1;
    if (attached->service.handlerStatus) return attached->service.handlerStatus;
    attached->buffer = buffer;
    attached->bufferSize = size;
    attached->handler = std::move(handler);
    return 0;
  }

 private:
  Attached* service() {
    auto it = registry_.services_.find(id_);
    return it == registry_.services_.end() ? nullptr : &it->second;
  }
  FakeHIDDeviceRegistry& registry_;
  ServiceId id_;
};

ServiceId FakeHIDDeviceRegistry::attach(const Service& service) {
  const ServiceId id = nextId_++;
  services_[id] = Attached{service, nullptr, 0, {}};
  // Copy: a handler may register further notifications.
  const auto handlers = firstMatch_;
  for (const auto& [criteria, handler] : handlers)
    if (criteria == service.properties) handler(id);
  return id;
}

void FakeHIDDeviceRegistry::detach(ServiceId service) {
  auto it = services_.find(service);
  if (it == services_.end()) return;
  const MatchingCriteria properties = it->second.service.properties;
  services_.erase(it);
  const auto handlers = termination_;
  for (const auto& [criteria, handler] : handlers)
    if (criteria == properties) handler(service);
}

bool FakeHIDDeviceRegistry::sendReport(ServiceId service, const std::vector<std::uint8_t>& bytes,
                                       int result) {
  auto it = services_.find(service);
  if (it == services_.end() || !it->second.handler) return false;
  Attached& attached = it->second;
  const quint32 n = std::min<quint32>(quint32(bytes.size()), attached.bufferSize);
  if (n) std::memcpy(attached.buffer, bytes.data(), n);
  attached.handler(result, n);
  return true;
}

void FakeHIDDeviceRegistry::addFirstMatchNotification(const MatchingCriteria& criteria,
                                                      ServiceHandler handler) {
  firstMatchRegistrations.push_back(criteria);
  firstMatch_.emplace_back(criteria, handler);
  std::vector<ServiceId> present;
  for (const auto& [id, attached] : services_)
    if (attached.service.properties == criteria) present.push_back(id);
  for (ServiceId id : present) handler(id);
}

void FakeHIDDeviceRegistry::addTerminationNotification(const MatchingCriteria& criteria,
                                                       ServiceHandler handler) {
  terminationRegistrations.push_back(criteria);
  termination_.emplace_back(criteria, std::move(handler));
}

std::unique_ptr<HIDDevice> FakeHIDDeviceRegistry::createDeviceInterface(ServiceId service,
                                                                        int* status) {
  auto it = services_.find(service);
  const int failure = it == services_.end() ? -1 : it->second.service.createStatus;
  if (status) *status = failure;
  if (failure) return nullptr;
  return std::make_unique<Device>(*this, service);
}

int FakeHIDDeviceRegistry::setProperties(ServiceId service, const DriverSettings& settings) {
  propertiesSet.emplace_back(service, settings);
  return 0;
}

}  // namespace halvane
