#include "tools/vkbd/UhidInterface.h"

namespace halvane::vkbd {

UhidInterface::UhidInterface(uhid::DeviceDescription description, QString path)
    : description_(std::move(description)), path_(std::move(path)) {}

bool UhidInterface::plugIn(QString* error) {
  uhid::UhidDevice::Result made = uhid::UhidDevice::create(description_, path_);
  if (!made.device) {
    if (error) *error = made.error;
    return false;
  }
  device_ = std::move(made.device);
  device_->onDriverSettings = [this](const DriverSettings& settings) {
    if (onDriverSettings) onDriverSettings(settings);
  };
  device_->onOpenChanged = [this] {
    if (onConnectionChanged)
      onConnectionChanged(QStringLiteral("%1 %2").arg(
          label(), device_->isOpen() ? QStringLiteral("opened") : QStringLiteral("closed")));
  };
  return true;
}

void UhidInterface::unplug() {
  device_.reset();
}

QString UhidInterface::pluggedInText() const {
  return QStringLiteral("created %1").arg(label());
}

bool UhidInterface::send(QByteArrayView report) {
  return device_ && device_->send(report);
}

bool UhidInterface::connected() const {
  return device_ && device_->isOpen();
}

QString UhidInterface::label() const {
  return QStringLiteral("uhid %1 interface (%2)")
      .arg(description_.interface == uhid::Interface::Consumer ? QStringLiteral("consumer")
                                                               : QStringLiteral("keyboard"),
           description_.phys);
}

std::uint8_t UhidInterface::consumerReportId() const {
  return description_.interface == uhid::Interface::Consumer ? uhid::kConsumerReportId : 0;
}

}  // namespace halvane::vkbd
