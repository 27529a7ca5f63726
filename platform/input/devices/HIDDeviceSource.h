#pragma once

#include "platform/input/devices/HIDDeviceRegistry.h"

#include <memory>

namespace halvane {

// Hands out service ids; sources that share one never hand out the same id.
class ServiceIdAllocator {
 public:
  ServiceId next() { return next_++; }

 private:
  ServiceId next_ = 0x1001;
};

// One source of keyboard interfaces (hidraw nodes, virtual keyboards) inside a composite.
class HIDDeviceSource : public HIDDeviceRegistry {
 public:
  // True while service is one of this source's attached interfaces.
  virtual bool hasService(ServiceId service) const = 0;
};

}  // namespace halvane
