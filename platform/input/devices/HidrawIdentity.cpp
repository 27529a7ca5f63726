#include "platform/input/devices/HidrawIdentity.h"

#include <QList>

namespace halvane::hid {

namespace {

std::optional<quint32> hexField(QByteArrayView text, qsizetype maxDigits) {
  if (text.isEmpty() || text.size() > maxDigits) return std::nullopt;
  quint32 value = 0;
  for (char c : text) {
    int digit;
    if (c >= '0' && c <= '9')
      digit = c - '0';
    else if (c >= 'a' && c <= 'f')
      digit = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
      digit = c - 'A' + 10;
    else
      return std::nullopt;
    value = value * 16 + quint32(digit);
  }
  return value;
}

void putInt32le(std::uint8_t* out, qint32 value) {
  const auto bits = quint32(value);
  for (int i = 0; i < 4; ++i) out[i] = std::uint8_t(bits >> (8 * i));
}

}  // namespace

std::optional<DeviceIds> parseHidId(QByteArrayView hidId) {
  const qsizetype first = hidId.indexOf(':');
  const qsizetype second = first < 0 ? -1 : hidId.sliced(first + 1).indexOf(':');
  if (second < 0) return std::nullopt;
  const auto bus = hexField(hidId.first(first), 4);
  const auto vendor = hexField(hidId.sliced(first + 1, second), 8);
  const auto product = hexField(hidId.sliced(first + 2 + second), 8);
  // IDs wider than 16 bits are not USB or Bluetooth ones; they match nothing we look for.
  if (!bus || !vendor || !product || *vendor > 0xFFFF || *product > 0xFFFF) return std::nullopt;
  return DeviceIds{int(*bus), int(*vendor), int(*product)};
}

std::optional<int> parseUsbIdAttribute(QByteArrayView text) {
  if (text.endsWith('\n')) text.chop(1);
  const auto value = hexField(text, 4);
  return value ? std::optional<int>(int(*value)) : std::nullopt;
}

DriverSettingsReport driverSettingsReport(const DriverSettings& settings) {
  DriverSettingsReport report{};
  report[0] = kDriverSettingsReportId;
  putInt32le(report.data() + 1, settings.swapCmdAlt);
  putInt32le(report.data() + 5, settings.macroMask);
  return report;
}

}  // namespace halvane::hid
