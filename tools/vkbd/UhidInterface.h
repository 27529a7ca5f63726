#pragma once

#include "platform/input/uhid/UhidDevice.h"
#include "tools/vkbd/KeyboardInterface.h"

#include <memory>

namespace halvane::vkbd {

// A keyboard interface made through /dev/uhid: the kernel's HID core drives it like the USB
// keyboard, so the helper finds it as a hidraw node.
class UhidInterface : public KeyboardInterface {
 public:
  UhidInterface(uhid::DeviceDescription description,
                QString path = uhid::UhidDevice::defaultPath());
  bool plugIn(QString* error) override;
  void unplug() override;
  QString pluggedInText() const override;
  bool send(QByteArrayView report) override;
  bool connected() const override;
  QString label() const override;
  std::uint8_t consumerReportId() const override;

 private:
  uhid::DeviceDescription description_;
  QString path_;
  std::unique_ptr<uhid::UhidDevice> device_;
};

}  // namespace halvane::vkbd
