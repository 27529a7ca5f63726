#pragma once

#include "tools/halvanectl/facts/DeviceFacts.h"

struct udev;

namespace halvane {

// DeviceFacts from libudev, access(2) and the evdev keymap ioctl.
class UdevDeviceFacts : public DeviceFacts {
 public:
  UdevDeviceFacts();
  ~UdevDeviceFacts() override;
  UdevDeviceFacts(const UdevDeviceFacts&) = delete;
  UdevDeviceFacts& operator=(const UdevDeviceFacts&) = delete;

  std::vector<Node> hidNodes(const QString& subsystem) override;
  std::optional<Node> miscNode(const QString& name) override;
  Access access(const QString& devnode) override;
  std::optional<int> keyCode(const QString& devnode, quint32 scanCode) override;
  QMap<QString, QString> hwdbProperties(const QString& modalias) override;

 private:
  udev* udev_ = nullptr;
};

}  // namespace halvane
