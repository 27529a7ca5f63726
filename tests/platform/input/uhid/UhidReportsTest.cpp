#include "platform/input/devices/HidrawIdentity.h"
#include "platform/input/devices/ReportDescriptor.h"
#include "platform/input/uhid/UhidDevice.h"
#include "platform/input/uhid/UhidReports.h"
#include "shared/KeyboardIdentity.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <map>
#include <vector>

namespace halvane::uhid {
namespace {

using Bytes = std::vector<std::uint8_t>;

// What a HID parser makes of a descriptor: the size in bytes of each report (report ID byte
// included when there is one), keyed by main item (Input 0x8, Output 0x9, Feature 0xB) and ID,
// and the largest Logical Maximum given to an Input array.
struct Layout {
  std::map<std::pair<int, int>, int> reportBytes;
  bool usesIds = false;
  std::uint32_t arrayLogicalMax = 0;
};

Layout layoutOf(std::span<const std::uint8_t> d) {
  Layout layout;
  std::map<std::pair<int, int>, int> bits;
  std::uint32_t reportSize = 0, reportCount = 0, logicalMax = 0;
  int reportId = 0;
  for (std::size_t i = 0; i < d.size();) {
    std::size_t size = d[i] & 3;
    if (size == 3) size = 4;
    std::uint32_t value = 0;
    for (std::size_t b = size; b-- > 0;) value = (value << 8) | d[i + 1 + b];
    const int type = (d[i] >> 2) & 3, tag = d[i] >> 4;
    if (type == 1 && tag == 0x7) reportSize = value;
    if (type == 1 && tag == 0x9) reportCount = value;
    if (type == 1 && tag == 0x2) logicalMax = value;
    if (type == 1 && tag == 0x8) {
      reportId = int(value);
      layout.usesIds = true;
    }
    if (type == 0 && (tag == 0x8 || tag == 0x9 || tag == 0xB)) {
      bits[{tag, reportId}] += int(reportSize * reportCount);
      if (tag == 0x8 && !(value & 0x2))
        layout.arrayLogicalMax = std::max(layout.arrayLogicalMax, logicalMax);
    }
    i += 1 + size;
  }
  for (const auto& [key, n] : bits) layout.reportBytes[key] = n / 8 + (key.second ? 1 : 0);
  return layout;
}

// The helper tells the reports apart by length: 8 bytes from the keyboard, 3 from the consumer
// interface; the driver settings are a 9-byte feature report 0x48.
TEST(UhidReportsTest, DescriptorsGiveTheReportsTheHelperDecodes) {
  const Layout keyboard = layoutOf(reportDescriptor(Interface::Keyboard));
  EXPECT_FALSE(keyboard.usesIds) << "a boot keyboard's reports carry no ID";
  EXPECT_EQ(keyboard.reportBytes.at({0x8, 0}), 8);
  EXPECT_EQ(keyboard.reportBytes.at({0x9, 0}), 1);  // LEDs
  EXPECT_GE(keyboard.arrayLogicalMax, 0xFEu) << "the vendor codes must be inside the key range";
  EXPECT_EQ(hid::primaryUsage(reportDescriptor(Interface::Keyboard)),
            (hid::PrimaryUsage{0x01, 0x06}));

  const Layout consumer = layoutOf(reportDescriptor(Interface::Consumer));
  EXPECT_EQ(consumer.reportBytes.at({0x8, kConsumerReportId}), 3);
  EXPECT_EQ(consumer.reportBytes.at({0xB, hid::kDriverSettingsReportId}),
            int(std::tuple_size_v<hid::DriverSettingsReport>));
  EXPECT_EQ(consumer.reportBytes.size(), 2u);
  EXPECT_EQ(hid::primaryUsage(reportDescriptor(Interface::Consumer)),
            (hid::PrimaryUsage{0x0C, 0x01}));
}

TEST(UhidReportsTest, CreateEventDescribesAUsbInterface) {
  for (const Interface interface : {Interface::Keyboard, Interface::Consumer}) {
    const uhid_event event =
        createEvent({interface, keyboard::kVendorID, keyboard::kSecondProductID,
                     QStringLiteral("Halvane Keyboard"), QString(200, u'p')});
    EXPECT_EQ(event.type, std::uint32_t(UHID_CREATE2));
    const uhid_create2_req& c = event.u.create2;
    EXPECT_EQ(c.bus, 0x03);  // hwdb and udev rules match the USB bus
    EXPECT_EQ(c.vendor, 0x1209u);
    EXPECT_EQ(c.product, 0x4857u);
    EXPECT_STREQ(reinterpret_cast<const char*>(c.name), "Halvane Keyboard");
    // A long physical path is cut, never left without its terminating zero.
    EXPECT_EQ(c.phys[sizeof c.phys - 1], 0);
    const auto descriptor = reportDescriptor(interface);
    ASSERT_EQ(c.rd_size, descriptor.size());
    EXPECT_EQ(Bytes(c.rd_data, c.rd_data + c.rd_size), Bytes(descriptor.begin(), descriptor.end()));
  }
  const uhid_event consumer = createEvent({Interface::Consumer, 1, 2, {}, QStringLiteral("x")});
  EXPECT_STREQ(reinterpret_cast<const char*>(consumer.u.create2.phys), "x/input1");
  EXPECT_EQ(destroyEvent().type, std::uint32_t(UHID_DESTROY));
}

TEST(UhidReportsTest, InputEventCarriesTheReport) {
  const uhid_event event = inputEvent(QByteArrayView("\x08\x00\xf1\x00\x00\x00\x00\x00", 8));
  EXPECT_EQ(event.type, std::uint32_t(UHID_INPUT2));
  ASSERT_EQ(event.u.input2.size, 8);
  EXPECT_EQ(Bytes(event.u.input2.data, event.u.input2.data + 8),
            (Bytes{0x08, 0, 0xF1, 0, 0, 0, 0, 0}));
  const QByteArray huge(UHID_DATA_MAX + 10, 'x');
  EXPECT_EQ(inputEvent(huge).u.input2.size, UHID_DATA_MAX);
}

uhid_event setReport(std::uint8_t rnum, std::uint8_t rtype, const Bytes& data) {
  uhid_event event{};
  event.type = UHID_SET_REPORT;
  event.u.set_report.id = 77;
  event.u.set_report.rnum = rnum;
  event.u.set_report.rtype = rtype;
  event.u.set_report.size = std::uint16_t(data.size());
  std::copy(data.begin(), data.end(), event.u.set_report.data);
  return event;
}

uhid_event getReport(std::uint8_t rnum, std::uint8_t rtype) {
  uhid_event event{};
  event.type = UHID_GET_REPORT;
  event.u.get_report.id = 78;
  event.u.get_report.rnum = rnum;
  event.u.get_report.rtype = rtype;
  return event;
}

Bytes settingsBytes(qint32 swap, qint32 mask) {
  const hid::DriverSettingsReport r = hid::driverSettingsReport({swap, mask});
  return {r.begin(), r.end()};
}

TEST(UhidReportsTest, SetReportAnswers) {
  struct Case {
    const char* what;
    uhid_event request;
    std::uint16_t err;
    bool accepted;
  };
  const Case cases[] = {
      {"settings", setReport(0x48, UHID_FEATURE_REPORT, settingsBytes(1, 9)), 0, true},
      {"negative values", setReport(0x48, UHID_FEATURE_REPORT, settingsBytes(-1, -1023)), 0, true},
      {"short", setReport(0x48, UHID_FEATURE_REPORT, {0x48, 1, 0, 0, 0}), EINVAL, false},
      {"ID byte differs", setReport(0x48, UHID_FEATURE_REPORT, {0x47, 1, 0, 0, 0, 9, 0, 0, 0}),
       EINVAL, false},
      {"other report", setReport(0x47, UHID_FEATURE_REPORT, settingsBytes(1, 9)), EIO, false},
      {"output report", setReport(0x48, UHID_OUTPUT_REPORT, settingsBytes(1, 9)), EIO, false},
  };
  for (const Case& c : cases) {
    FeatureState state;
    bool changed = true;
    const auto reply = answer(c.request, state, &changed);
    ASSERT_TRUE(reply) << c.what;
    EXPECT_EQ(reply->type, std::uint32_t(UHID_SET_REPORT_REPLY)) << c.what;
    EXPECT_EQ(reply->u.set_report_reply.id, 77u) << c.what;
    EXPECT_EQ(reply->u.set_report_reply.err, c.err) << c.what;
    EXPECT_EQ(changed, c.accepted) << c.what;
    EXPECT_EQ(state.received, c.accepted) << c.what;
    if (c.accepted) {
      EXPECT_EQ(state.settings, parseDriverSettingsReport({c.request.u.set_report.data, 9}).value())
          << c.what;
    }
  }
  FeatureState state;
  answer(setReport(0x48, UHID_FEATURE_REPORT, settingsBytes(-1, -1023)), state);
  EXPECT_EQ(state.settings, (DriverSettings{-1, -1023}));
}

TEST(UhidReportsTest, GetReportAnswersWithTheLastSettings) {
  FeatureState state;
  answer(setReport(0x48, UHID_FEATURE_REPORT, settingsBytes(1, 0x3FF)), state);
  auto reply = answer(getReport(0x48, UHID_FEATURE_REPORT), state);
  ASSERT_TRUE(reply);
  EXPECT_EQ(reply->type, std::uint32_t(UHID_GET_REPORT_REPLY));
  EXPECT_EQ(reply->u.get_report_reply.id, 78u);
  EXPECT_EQ(reply->u.get_report_reply.err, 0);
  ASSERT_EQ(reply->u.get_report_reply.size, 9);
  EXPECT_EQ(Bytes(reply->u.get_report_reply.data, reply->u.get_report_reply.data + 9),
            settingsBytes(1, 0x3FF));

  reply = answer(getReport(0x01, UHID_FEATURE_REPORT), state);
  ASSERT_TRUE(reply);
  EXPECT_EQ(reply->u.get_report_reply.err, EIO);
  EXPECT_EQ(reply->u.get_report_reply.size, 0);

  uhid_event open{};
  open.type = UHID_OPEN;
  EXPECT_FALSE(answer(open, state));
}

TEST(UhidReportsTest, UnusableNodeIsExplained) {
  const UhidDevice::Result missing =
      UhidDevice::create({Interface::Keyboard, 1, 2, {}, {}}, QStringLiteral("/nonexistent/uhid"));
  EXPECT_FALSE(missing.device);
  EXPECT_EQ(missing.error,
            QStringLiteral("/nonexistent/uhid does not exist: load the uhid kernel module "
                           "(modprobe uhid)"));
  EXPECT_TRUE(UhidDevice::reasonForError(EACCES, QStringLiteral("/dev/uhid"))
                  .startsWith(QStringLiteral("no permission to write /dev/uhid")));
  // A node that refuses the create event is not taken for a device.
  const UhidDevice::Result refused =
      UhidDevice::create({Interface::Keyboard, 1, 2, {}, {}}, QStringLiteral("/dev/full"));
  EXPECT_FALSE(refused.device);
  EXPECT_TRUE(
      refused.error.startsWith(QStringLiteral("creating the HID device failed: /dev/full:")))
      << refused.error.toStdString();
}

}  // namespace
}  // namespace halvane::uhid
