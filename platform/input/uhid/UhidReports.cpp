#include "platform/input/uhid/UhidReports.h"

#include "platform/input/devices/HidrawIdentity.h"

#include <QByteArray>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace halvane::uhid {

namespace {

// Interface 0: the USB boot keyboard, except that the key array's range is 0x00-0xFF.
constexpr std::uint8_t kKeyboardDescriptor[] = {
    0x05, 0x01,        // Usage Page (Generic Desktop)
    0x09, 0x06,        // Usage (Keyboard)
    0xA1, 0x01,        // Collection (Application)
    0x05, 0x07,        //   Usage Page (Keyboard/Keypad)
    0x19, 0xE0,        //   Usage Minimum (Left Control)
    0x29, 0xE7,        //   Usage Maximum (Right GUI)
    0x15, 0x00,        //   Logical Minimum (0)
    0x25, 0x01,        //   Logical Maximum (1)
    0x75, 0x01,        //   Report Size (1)
    0x95, 0x08,        //   Report Count (8)
    0x81, 0x02,        //   Input (Data, Variable, Absolute): modifier byte
    0x95, 0x01,        //   Report Count (1)
    0x75, 0x08,        //   Report Size (8)
    0x81, 0x01,        //   Input (Constant): reserved byte
    0x05, 0x08,        //   Usage Page (LEDs)
    0x19, 0x01,        //   Usage Minimum (Num Lock)
    0x29, 0x05,        //   Usage Maximum (Kana)
    0x95, 0x05,        //   Report Count (5)
    0x75, 0x01,        //   Report Size (1)
    0x91, 0x02,        //   Output (Data, Variable, Absolute): LEDs
    0x95, 0x01,        //   Report Count (1)
    0x75, 0x03,        //   Report Size (3)
    0x91, 0x01,        //   Output (Constant): padding
    0x05, 0x07,        //   Usage Page (Keyboard/Keypad)
    0x19, 0x00,        //   Usage Minimum (0)
    0x2A, 0xFF, 0x00,  //   Usage Maximum (0xFF)
    0x15, 0x00,        //   Logical Minimum (0)
    0x26, 0xFF, 0x00,  //   Logical Maximum (0xFF)
    0x95, 0x06,        //   Report Count (6)
    0x75, 0x08,        //   Report Size (8)
    0x81, 0x00,        //   Input (Data, Array): six key slots
    0xC0,              // End Collection
};

// Interface 1: consumer control, plus the vendor feature report that carries the driver
// settings (two 32-bit little-endian integers).
constexpr std::uint8_t kConsumerDescriptor[] = {
    0x05, 0x0C,               // Usage Page (Consumer)
    0x09, 0x01,               // Usage (Consumer Control)
    0xA1, 0x01,               // Collection (Application)
    0x85, kConsumerReportId,  //   Report ID (1)
    0x19, 0x00,               //   Usage Minimum (0)
    0x2A, 0xFF,
    0x02,        //   Usage Maximum (0x2FF)
    0x15, 0x00,  //   Logical Minimum (0)
    0x26, 0xFF,
    0x02,                                //   Logical Maximum (0x2FF)
    0x75, 0x10,                          //   Report Size (16)
    0x95, 0x01,                          //   Report Count (1)
    0x81, 0x00,                          //   Input (Data, Array): the media key
    0x85, hid::kDriverSettingsReportId,  // Report ID (0x48)
    0x06, 0x00,
    0xFF,        //   Usage Page (Vendor Defined 0xFF00)
    0x09, 0x48,  //   Usage (0x48)
    0x15, 0x00,  //   Logical Minimum (0)
    0x26, 0xFF,
    0x00,        //   Logical Maximum (0xFF)
    0x75, 0x08,  //   Report Size (8)
    0x95, 0x08,  //   Report Count (8)
    0xB1, 0x02,  //   Feature (Data, Variable, Absolute): SwapCmdAlt, MacroMask
    0xC0,        // End Collection
};

constexpr std::uint16_t kBusUsb = 0x03;

void copyText(std::uint8_t* out, std::size_t capacity, const QString& text) {
  const QByteArray bytes = text.toUtf8().left(qsizetype(capacity - 1));
  std::memcpy(out, bytes.constData(), std::size_t(bytes.size()));
}

qint32 int32le(const std::uint8_t* in) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | in[i];
  return qint32(value);
}

}  // namespace

std::span<const std::uint8_t> reportDescriptor(Interface interface) {
  if (interface == Interface::Consumer) return kConsumerDescriptor;
  return kKeyboardDescriptor;
}

uhid_event createEvent(const DeviceDescription& description) {
  uhid_event event{};
  event.type = UHID_CREATE2;
  uhid_create2_req& create = event.u.create2;
  copyText(create.name, sizeof create.name, description.name);
  const QString input = description.interface == Interface::Consumer ? QStringLiteral("/input1")
                                                                     : QStringLiteral("/input0");
  copyText(create.phys, sizeof create.phys, description.phys + input);
  const std::span<const std::uint8_t> descriptor = reportDescriptor(description.interface);
  create.rd_size = std::uint16_t(descriptor.size());
  std::copy(descriptor.begin(), descriptor.end(), create.rd_data);
  create.bus = kBusUsb;
  create.vendor = std::uint32_t(description.vendorID);
  create.product = std::uint32_t(description.productID);
  create.version = 0x0100;
  return event;
}

uhid_event destroyEvent() {
  uhid_event event{};
  event.type = UHID_DESTROY;
  return event;
}

uhid_event inputEvent(QByteArrayView report) {
  uhid_event event{};
  event.type = UHID_INPUT2;
  const std::size_t size = std::min<std::size_t>(std::size_t(report.size()), UHID_DATA_MAX);
  event.u.input2.size = std::uint16_t(size);
  std::memcpy(event.u.input2.data, report.data(), size);
  return event;
}

std::optional<DriverSettings> parseDriverSettingsReport(std::span<const std::uint8_t> report) {
  if (report.size() != std::tuple_size_v<hid::DriverSettingsReport> ||
      report[0] != hid::kDriverSettingsReportId)
    return std::nullopt;
  return DriverSettings{int32le(report.data() + 1), int32le(report.data() + 5)};
}

std::optional<uhid_event> answer(const uhid_event& request, FeatureState& state, bool* changed) {
  if (changed) *changed = false;
  uhid_event reply{};
  if (request.type == UHID_SET_REPORT) {
    const uhid_set_report_req& set = request.u.set_report;
    reply.type = UHID_SET_REPORT_REPLY;
    reply.u.set_report_reply.id = set.id;
    const std::size_t size = std::min<std::size_t>(set.size, UHID_DATA_MAX);
    const auto settings = parseDriverSettingsReport({set.data, size});
    if (set.rtype != UHID_FEATURE_REPORT || set.rnum != hid::kDriverSettingsReportId) {
      reply.u.set_report_reply.err = EIO;
    } else if (!settings) {
      reply.u.set_report_reply.err = EINVAL;
    } else {
      state.settings = *settings;
      state.received = true;
      if (changed) *changed = true;
    }
    return reply;
  }
  if (request.type == UHID_GET_REPORT) {
    const uhid_get_report_req& get = request.u.get_report;
    reply.type = UHID_GET_REPORT_REPLY;
    reply.u.get_report_reply.id = get.id;
    if (get.rtype != UHID_FEATURE_REPORT || get.rnum != hid::kDriverSettingsReportId) {
      reply.u.get_report_reply.err = EIO;
      return reply;
    }
    const hid::DriverSettingsReport report = hid::driverSettingsReport(state.settings);
    reply.u.get_report_reply.size = std::uint16_t(report.size());
    std::copy(report.begin(), report.end(), reply.u.get_report_reply.data);
    return reply;
  }
  return std::nullopt;
}

}  // namespace halvane::uhid
