#pragma once

#include "platform/input/devices/HIDDeviceSource.h"

#include <memory>
#include <vector>

namespace halvane {

// Several sources seen as one registry. Registrations go to every source in order; a service
// is served by the source that has it. The sources must share one ServiceIdAllocator so that
// their ids never collide.
class CompositeHIDDeviceRegistry : public HIDDeviceRegistry {
 public:
  explicit CompositeHIDDeviceRegistry(std::vector<std::unique_ptr<HIDDeviceSource>> sources);

  void addFirstMatchNotification(const MatchingCriteria& criteria, ServiceHandler handler) override;
  void addTerminationNotification(const MatchingCriteria& criteria,
                                  ServiceHandler handler) override;
  std::unique_ptr<HIDDevice> createDeviceInterface(ServiceId service, int* status) override;
  int setProperties(ServiceId service, const DriverSettings& settings) override;

 private:
  HIDDeviceSource* owner(ServiceId service) const;
  std::vector<std::unique_ptr<HIDDeviceSource>> sources_;
};

class SystemLog;

// The registry the helper uses: hidraw nodes through libudev, then virtual keyboards. Problems
// the user can fix (missing permissions) go to log.
std::unique_ptr<HIDDeviceRegistry> createSystemHIDDeviceRegistry(SystemLog& log);

}  // namespace halvane
