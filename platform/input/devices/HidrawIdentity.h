#pragma once

#include "platform/input/devices/HIDDeviceRegistry.h"

#include <QByteArrayView>

#include <array>
#include <cstdint>
#include <optional>

namespace halvane::hid {

struct DeviceIds {
  int bus = 0;
  int vendorID = 0;
  int productID = 0;
  bool operator==(const DeviceIds&) const = default;
};

// The HID_ID property of a hid device, "BBBB:VVVVVVVV:PPPPPPPP" in hex.
std::optional<DeviceIds> parseHidId(QByteArrayView hidId);
// A USB idVendor / idProduct attribute: up to four hex digits, maybe followed by a newline.
std::optional<int> parseUsbIdAttribute(QByteArrayView text);

// The keyboard's driver takes its settings as feature report 0x48:
// uint8 report id, int32le SwapCmdAlt, int32le MacroMask.
inline constexpr std::uint8_t kDriverSettingsReportId = 0x48;
using DriverSettingsReport = std::array<std::uint8_t, 9>;
DriverSettingsReport driverSettingsReport(const DriverSettings& settings);

}  // namespace halvane::hid
