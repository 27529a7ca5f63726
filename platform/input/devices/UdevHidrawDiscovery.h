#pragma once

#include "platform/input/devices/HidrawDiscovery.h"

#include <memory>
#include <optional>

class QSocketNotifier;
struct udev;
struct udev_device;
struct udev_monitor;

namespace halvane {

// hidraw nodes through libudev: enumeration and the udev monitor. A node's vendor and product
// come from its hid parent (HID_ID, else the USB device's attributes), its primary usage page
// and usage from the hid device's report descriptor in sysfs (else HIDIOCGRDESC on the node).
class UdevHidrawDiscovery : public HidrawDiscovery {
 public:
  UdevHidrawDiscovery();
  ~UdevHidrawDiscovery() override;
  std::vector<Node> start(Added added, Removed removed) override;

 private:
  void receive();

  udev* udev_ = nullptr;
  udev_monitor* monitor_ = nullptr;
  std::unique_ptr<QSocketNotifier> notifier_;
  Added added_;
  Removed removed_;
};

// What a hidraw udev device stands for; nothing when it has no node.
std::optional<HidrawDiscovery::Node> describeHidraw(udev_device* device);

}  // namespace halvane
