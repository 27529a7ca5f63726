#include "platform/input/devices/HidrawIdentity.h"

#include <gtest/gtest.h>

namespace halvane::hid {
namespace {

TEST(HidrawIdentityTest, HidIdProperty) {
  const std::pair<const char*, std::optional<DeviceIds>> cases[] = {
      {"0003:00001209:00004856", DeviceIds{3, 0x1209, 0x4856}},
      {"0005:0000046D:0000B33D", DeviceIds{5, 0x046D, 0xB33D}},
      {"0003:1209:4857", DeviceIds{3, 0x1209, 0x4857}},
      {"0003:00001209", std::nullopt},
      {"0003:00001209:", std::nullopt},
      {"0003::00004856", std::nullopt},
      {"0003:0000120G:00004856", std::nullopt},
      {"0003:00011209:00004856", std::nullopt},  // wider than a USB vendor ID
      {"0003:00001209:00004856:01", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(parseHidId(text), expected) << text;
}

TEST(HidrawIdentityTest, UsbIdAttribute) {
  EXPECT_EQ(parseUsbIdAttribute("1209\n"), 0x1209);
  EXPECT_EQ(parseUsbIdAttribute("4857"), 0x4857);
  EXPECT_EQ(parseUsbIdAttribute("c52b\n"), 0xC52B);
  EXPECT_EQ(parseUsbIdAttribute("12090"), std::nullopt);
  EXPECT_EQ(parseUsbIdAttribute("\n"), std::nullopt);
  EXPECT_EQ(parseUsbIdAttribute("12 9"), std::nullopt);
}

TEST(HidrawIdentityTest, DriverSettingsFeatureReport) {
  const std::pair<DriverSettings, DriverSettingsReport> cases[] = {
      {{1, 9}, {0x48, 0x01, 0x00, 0x00, 0x00, 0x09, 0x00, 0x00, 0x00}},
      {{0, 0}, {0x48, 0, 0, 0, 0, 0, 0, 0, 0}},
      {{0, -1}, {0x48, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF}},
      {{0x12345678, 0x3FF}, {0x48, 0x78, 0x56, 0x34, 0x12, 0xFF, 0x03, 0x00, 0x00}},
  };
  for (const auto& [settings, expected] : cases)
    EXPECT_EQ(driverSettingsReport(settings), expected)
        << settings.swapCmdAlt << " " << settings.macroMask;
}

}  // namespace
}  // namespace halvane::hid
