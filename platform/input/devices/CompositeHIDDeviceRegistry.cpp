#include "platform/input/devices/CompositeHIDDeviceRegistry.h"

#include "platform/input/devices/UdevHidrawRegistry.h"
#include "platform/input/devices/VirtualKeyboardRegistry.h"

#include <cerrno>

namespace halvane {

CompositeHIDDeviceRegistry::CompositeHIDDeviceRegistry(
    std::vector<std::unique_ptr<HIDDeviceSource>> sources)
    : sources_(std::move(sources)) {}

void CompositeHIDDeviceRegistry::addFirstMatchNotification(const MatchingCriteria& criteria,
                                                           ServiceHandler handler) {
  for (auto& source : sources_) source->addFirstMatchNotification(criteria, handler);
}

void CompositeHIDDeviceRegistry::addTerminationNotification(const MatchingCriteria& criteria,
                                                            ServiceHandler handler) {
  for (auto& source : sources_) source->addTerminationNotification(criteria, handler);
}

std::unique_ptr<HIDDevice> CompositeHIDDeviceRegistry::createDeviceInterface(ServiceId service,
                                                                             int* status) {
  if (HIDDeviceSource* source = owner(service))
    return source->createDeviceInterface(service, status);
  if (status) *status = ENODEV;
  return nullptr;
}

int CompositeHIDDeviceRegistry::setProperties(ServiceId service, const DriverSettings& settings) {
  HIDDeviceSource* source = owner(service);
  return source ? source->setProperties(service, settings) : ENODEV;
}

HIDDeviceSource* CompositeHIDDeviceRegistry::owner(ServiceId service) const {
  for (const auto& source : sources_)
    if (source->hasService(service)) return source.get();
  return nullptr;
}

std::unique_ptr<HIDDeviceRegistry> createSystemHIDDeviceRegistry(SystemLog& log) {
  auto ids = std::make_shared<ServiceIdAllocator>();
  std::vector<std::unique_ptr<HIDDeviceSource>> sources;
  sources.push_back(std::make_unique<UdevHidrawRegistry>(nullptr, ids, &log));
  sources.push_back(std::make_unique<VirtualKeyboardRegistry>(vkbd::folderPath(), ids));
  return std::make_unique<CompositeHIDDeviceRegistry>(std::move(sources));
}

}  // namespace halvane
