#pragma once

#include "platform/input/devices/ChannelRegistry.h"
#include "platform/input/devices/HidrawDiscovery.h"

namespace halvane {

class SystemLog;

// Keyboard interfaces that are hidraw nodes. Nodes are found when the first registration comes
// (the discovery's watch starts before it lists them) and as they are plugged in; a node seen
// twice is one service. A device interface opens /dev/hidrawN read-write when allowed, else
// read-only; reports are read on the main loop; a node whose read fails because the device
// went away ends like a removal. Driver settings go out as feature report 0x48. The first node
// that cannot be opened for lack of permission is told in the log, with the fix.
class UdevHidrawRegistry : public ChannelRegistry {
 public:
  // Without a discovery, libudev's.
  explicit UdevHidrawRegistry(std::unique_ptr<HidrawDiscovery> discovery = nullptr,
                              std::shared_ptr<ServiceIdAllocator> ids = {},
                              SystemLog* log = nullptr);
  ~UdevHidrawRegistry() override;

 protected:
  void discover() override;
  int openChannel(ServiceId id, Service& service) override;
  void closeChannel(Service& service) override;
  int sendSettings(Service& service, const DriverSettings& settings) override;

 private:
  void nodeAdded(const HidrawDiscovery::Node& node);
  void nodeRemoved(const QString& syspath);

  std::unique_ptr<HidrawDiscovery> discovery_;
  SystemLog* log_;
  bool started_ = false;
  bool permissionTold_ = false;
};

}  // namespace halvane
