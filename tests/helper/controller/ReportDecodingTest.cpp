// Reports in, actions out: the scan order of keyboard reports, repeats, read statuses, media
// reports. Every macro key of profile p is bound to launching "/apps/p<p>k<key>", so each
// macro action names the key and the profile it was read from.

#include "tests/helper/controller/ControllerRig.h"

#include "shared/settings/SettingsLimits.h"

#include <gtest/gtest.h>

namespace halvane::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr int kFailedRead = int(0xE00002D8);

struct Report {
  int keyboard;  // 0: the first keyboard interface, 1: a second one
  Bytes bytes;
  int result = kIOReturnSuccess;
};

struct DecodeCase {
  const char* name;
  std::vector<Report> reports;
  QStringList actions;
  QString out = {};
};

const QStringList kEject{QStringLiteral("hid 14 sub 10 00000000 00000000"),
                         QStringLiteral("hid 14 sub 8 000e0a00 ffffffff"),
                         QStringLiteral("hid 14 sub 8 000e0b00 ffffffff")};

Bytes k(std::initializer_list<std::uint8_t> codes) {
  return keys(0, codes);
}

const std::vector<DecodeCase> kCases = {
    {"macro codes F1 to FA are keys 0 to 9",
     {{0, k({0xF1})}, {0, k({0xF5})}, {0, k({0xFA})}},
     {"open /apps/p0k0", "open /apps/p0k4", "open /apps/p0k9"}},
    {"held key acts once, release does nothing, a change while held acts again",
     {{0, k({0xF1})}, {0, k({0xF1})}, {0, k({0xF1, 0x04})}, {0, k({})}},
     {"open /apps/p0k0", "open /apps/p0k0"}},
    {"only the first macro code of a report acts", {{0, k({0xF3, 0xF1})}}, {"open /apps/p0k2"}},
    {"F-key before the profile key selects its profile",
     {{0, k({0x3C, 0xFB})}, {0, k({0x41, 0xFB})}},
     {"notify 2", "notify 7"}},
    {"profile key before the F-key stops the scan", {{0, k({0xFB, 0x3C})}}, {}},
    {"F-key without the profile key stops the scan", {{0, k({0x3B, 0xF1})}}, {}},
    {"profile 8 and 9 keys both switch, then the profile key stops",
     {{0, k({0xFD, 0xFE, 0xFB, 0xF1})}},
     {"notify 8", "notify 9"}},
    {"profile key first: profile 8 and 9 keys are not reached", {{0, k({0xFB, 0xFD, 0xFE})}}, {}},
    {"profile 8 and 9 keys without the profile key: the scan goes on",
     {{0, k({0xFD, 0xFE, 0xF2})}},
     {"open /apps/p0k1"}},
    {"profile 8 then an F-key in one report",
     {{0, k({0xFD, 0x3A, 0xFB})}},
     {"notify 8", "notify 0"}},
    {"a macro key after a profile 8 switch reads profile 8",
     {{0, k({0xFD, 0xF1, 0xFB})}},
     {"notify 8", "open /apps/p8k0"}},
    {"eject twice in one report, and the scan goes on",
     {{0, k({0xFC, 0x00, 0xFC, 0xF3})}},
     kEject + kEject + QStringList{"open /apps/p0k2"}},
    {"byte 1 is never acted on", {{0, {0x00, 0xF1, 0, 0, 0, 0, 0, 0}}}, {}},
    {"profile-key script only for one Command key alone",
     {{0, keys(0x08, {0xFB})},
      {0, keys(0x0A, {0xFB})},
      {0, keys(0x80, {0xFB})},
      {0, keys(0x88, {0xFB})},
      {0, keys(0x00, {0xFB})}},
     {"script ProfileKey/", "script ProfileKey/"}},
    {"profile-key script does not stop profile 8 before it",
     {{0, keys(0x80, {0xFD, 0xFB, 0x3A})}},
     {"notify 8", "script ProfileKey/"}},
    {"zero-length report after attach is dropped; between equal reports it makes both count",
     {{0, {}}, {0, k({0xF1})}, {0, {}}, {0, k({0xF1})}},
     {"open /apps/p0k0", "open /apps/p0k0"}},
    {"each keyboard has its own last report",
     {{0, k({0xF1})}, {1, k({0xF1})}, {0, k({0xF1})}},
     {"open /apps/p0k0", "open /apps/p0k0"}},
    {"a failed read is reported and leaves the last report as it was",
     {{0, k({0xF1})}, {0, k({}), kFailedRead}, {0, k({0xF1})}, {0, k({0xF2}), kFailedRead}},
     {"open /apps/p0k0"},
     "hidCallback called with result 0xe00002d8\nhidCallback called with result 0xe00002d8\n"},
    {"an underrun is decoded like a successful read",
     {{0, k({0xF4}), kIOReturnUnderrun}},
     {"open /apps/p0k3"}},
    {"media report: byte 1 is the code, bytes 0 and 2 are not examined",
     {{1, {0x01, 0xF1, 0x00}},
      {1, {0xFF, 0xF2, 0xFF}},
      {1, {0x00, 0x00, 0x00}},
      {1, {0x00, 0x01, 0x00}}},
     {"script Play/iTunes", "script Stop/iTunes"}},
    {"reports of other lengths do nothing",
     {{0, {0, 0, 0xF1, 0, 0, 0, 0}},
      {0, {0, 0, 0xF1, 0, 0, 0, 0, 0, 0}},
      {0, {0, 0xF1, 0, 0}},
      {0, Bytes(32, 0xF1)},
      {0, {0xF1, 0xF1}}},
     {}},
    {"reports of different lengths never compare equal",
     {{0, k({0xF1})}, {0, {0x00, 0xF1, 0x00}}, {0, k({0xF1})}},
     {"open /apps/p0k0", "script Play/iTunes", "open /apps/p0k0"}},
};

class ReportDecoding : public testing::TestWithParam<DecodeCase> {};

TEST_P(ReportDecoding, ReportsToActions) {
  const DecodeCase& c = GetParam();
  ControllerRig rig;
  PlistValue tree = ControllerRig::defaultSettings();
  for (int p = 0; p < settings::kProfileCount; ++p)
    for (int key = 0; key < settings::kMacroKeyCount; ++key) {
      PlistValue entry = ControllerRig::macroKey(tree, p, key);
      entry.set(QStringLiteral("ActionType"), QStringLiteral("LaunchApp"));
      entry.set(QStringLiteral("LaunchAppURL"), QStringLiteral("/apps/p%1k%2").arg(p).arg(key));
    }
  rig.load(tree);
  rig.controller->createHIDSystem();
  rig.controller->InitKeyboard();
  const ServiceId keyboards[] = {rig.attach(), rig.attach(keyboard::kFirstProductID, true)};
  rig.take();
  rig.err.take();

  for (const Report& report : c.reports)
    ASSERT_TRUE(rig.devices.sendReport(keyboards[report.keyboard], report.bytes, report.result));

  const QStringList actions = rig.take({"open", "notify", "script", "hid", "log"});
  EXPECT_EQ(actions, c.actions) << c.name;
  EXPECT_EQ(rig.out.take(), c.out) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Golden, ReportDecoding, testing::ValuesIn(kCases));

TEST(ReportHandler, SizeBeyondTheBufferIsClampedNotCopiedPast) {
  ControllerRig rig;
  rig.load(ControllerRig::defaultSettings());
  KeyboardRecord record;
  ReportBuffer& buffer = rig.controller->reportBuffer();
  buffer.fill(0xF1);
  Controller::hidCallback(&record, kIOReturnSuccess, rig.controller.get(), 4096);
  EXPECT_EQ(record.lastReportSize, kReportBufferSize);
  EXPECT_EQ(record.lastReport, buffer);
  // The same oversized report again is a repeat.
  Controller::hidCallback(&record, kIOReturnSuccess, rig.controller.get(), 33);
  EXPECT_EQ(rig.take(), QStringList());
}

}  // namespace
}  // namespace halvane::test
