// The keyboard list: registrations, attachment and removal, failures, driver settings.

#include "tests/helper/controller/ControllerRig.h"

#include <gtest/gtest.h>

namespace halvane::test {
namespace {

std::vector<ServiceId> listed(const Controller& controller) {
  std::vector<ServiceId> services;
  for (const auto& record : controller.keyboards()) services.push_back(record->service);
  return services;
}

TEST(DeviceLink, RegistersBothInterfacesOfBothProductsInOrder) {
  ControllerRig rig;
  EXPECT_EQ(rig.controller->InitKeyboard(), 0);
  EXPECT_EQ(rig.registrations.registrations,
            QStringList({"first 1209:4856 1/6", "term 1209:4856 1/6", "first 1209:4856 c/1",
                         "term 1209:4856 c/1", "first 1209:4857 1/6", "term 1209:4857 1/6",
                         "first 1209:4857 c/1", "term 1209:4857 c/1"}));
}

TEST(DeviceLink, PresentKeyboardsInRegistrationOrderThenHotPluggedOnes) {
  ControllerRig rig;
  const ServiceId secondConsumer = rig.attach(keyboard::kSecondProductID, true);
  const ServiceId firstKeyboard = rig.attach(keyboard::kFirstProductID, false);
  rig.devices.attach(MatchingCriteria{0x046D, keyboard::kFirstProductID, 1, 6});  // another vendor
  rig.devices.attach(MatchingCriteria{keyboard::kVendorID, keyboard::kFirstProductID, 1, 2});
  rig.controller->InitKeyboard();
  const ServiceId later = rig.attach(keyboard::kFirstProductID, true);
  EXPECT_EQ(listed(*rig.controller),
            std::vector<ServiceId>({firstKeyboard, secondConsumer, later}));
  // Attaching sends no driver settings; the next switch or reload does.
  EXPECT_EQ(rig.take({"driver"}), QStringList());
  EXPECT_EQ(rig.out.take(), QString());
}

TEST(DeviceLink, RemovalFreesTheRecordAndSaysSo) {
  ControllerRig rig;
  rig.controller->InitKeyboard();
  for (int i = 0; i < 9; ++i) rig.devices.attach(MatchingCriteria{0x046D, 1, 1, 6});  // not ours
  const ServiceId a = rig.attach();
  const ServiceId b = rig.attach(keyboard::kFirstProductID, true);
  const ServiceId c = rig.attach(keyboard::kSecondProductID);
  ASSERT_EQ(b, 0x100Bu);
  rig.devices.detach(b);
  EXPECT_EQ(rig.out.take(), QStringLiteral("keyboard record for service 0x100B removed\n"));
  EXPECT_EQ(listed(*rig.controller), std::vector<ServiceId>({a, c}));
  EXPECT_EQ(rig.devices.liveDevices, 2);
  EXPECT_FALSE(rig.devices.sendReport(b, keys(0, {0xF1})));
  rig.devices.detach(a);
  rig.devices.detach(c);
  EXPECT_TRUE(rig.controller->keyboards().empty());
  EXPECT_EQ(rig.devices.liveDevices, 0);
}

struct FailureCase {
  const char* name;
  FakeHIDDeviceRegistry::Service service;
  QString out;
};

TEST(DeviceLink, AServiceThatFailsIsSkippedAndFreed) {
  const MatchingCriteria keyboard{keyboard::kVendorID, keyboard::kFirstProductID, 1, 6};
  const std::vector<FailureCase> cases = {
      {"no device interface",
       {keyboard, int(0xE00002BC)},
       "unable to create a plugin (e00002bc)\n"},
      {"open", {keyboard, 0, int(0xE00002C5)}, "unable to open device: e00002c5\n"},
      {"open, small status", {keyboard, 0, 0x2A}, "unable to open device: 0000002a\n"},
      {"event source",
       {keyboard, 0, 0, int(0xE00002BD)},
       "createAsyncEventSource returned 0xE00002BD\n"},
      {"report handler", {keyboard, 0, 0, 0, int(0xE00002C2)}, ""},
  };
  for (const FailureCase& c : cases) {
    ControllerRig rig;
    rig.controller->InitKeyboard();
    const ServiceId before = rig.attach();
    const ServiceId failing = rig.devices.attach(c.service);
    const ServiceId after = rig.attach();
    EXPECT_EQ(rig.out.take(), c.out) << c.name;
    EXPECT_EQ(listed(*rig.controller), std::vector<ServiceId>({before, after})) << c.name;
    EXPECT_EQ(rig.devices.liveDevices, 2) << c.name;
    // Its termination finds no record: nothing is printed.
    rig.devices.detach(failing);
    EXPECT_EQ(rig.out.take(), QString()) << c.name;
  }
}

TEST(DriverSettings, SwapAndMaskOfTheCurrentProfileToEveryKeyboardInListOrder) {
  ControllerRig rig;
  PlistValue tree = ControllerRig::defaultSettings();
  ControllerRig::setMacro(tree, 2, 0, {{1}});
  ControllerRig::macroKey(tree, 2, 3)
      .set(QStringLiteral("ActionType"), QStringLiteral("LaunchApp"));
  ControllerRig::macroKey(tree, 2, 9).set(QStringLiteral("ActionType"), QStringLiteral(""));
  ControllerRig::macroKey(tree, 2, 8).set(QStringLiteral("ActionType"), 5);  // not a text
  ControllerRig::macroKey(tree, 5, 4).set(QStringLiteral("ActionType"), QStringLiteral("Anything"));
  ControllerRig::profile(tree, 5).set(QStringLiteral("SwapCmdAlt"), false);
  rig.load(tree);
  rig.controller->InitKeyboard();
  rig.attach(keyboard::kSecondProductID);
  rig.attach();
  rig.take();

  rig.controller->setCurrentProfile(2);
  rig.controller->setCurrentProfile(5);
  EXPECT_EQ(rig.take({"driver"}), QStringList({"driver 0x1001 1 9", "driver 0x1002 1 9",
                                               "driver 0x1001 0 16", "driver 0x1002 0 16"}));
}

TEST(DriverSettings, ZeroWithoutSettingsAndNowhereWithoutKeyboards) {
  ControllerRig rig;
  EXPECT_EQ(rig.controller->driverSettings(), DriverSettings{});
  rig.controller->SendPrefsToDriver();
  rig.controller->InitKeyboard();
  rig.attach();
  rig.controller->SendPrefsToDriver();
  EXPECT_EQ(rig.take(), QStringList{"driver 0x1001 0 0"});
}

TEST(DriverSettings, MaskOfAnOddlyShapedProfile) {
  ControllerRig rig;
  PlistValue tree = ControllerRig::defaultSettings();
  PlistValue keysArray = PlistValue::array();
  for (int k = 0; k < 40; ++k) {  // more keys than the mask has bits
    PlistValue entry = PlistValue::dictionary();
    entry.set(QStringLiteral("ActionType"), QStringLiteral("LaunchApp"));
    keysArray.append(entry);
  }
  ControllerRig::profile(tree, 0).set(QStringLiteral("MacroKeys"), keysArray);
  ControllerRig::profile(tree, 1).set(QStringLiteral("MacroKeys"), QStringLiteral("none"));
  ControllerRig::profile(tree, 1).set(QStringLiteral("SwapCmdAlt"), 7);
  rig.load(tree);
  EXPECT_EQ(rig.controller->driverSettings(), (DriverSettings{1, -1}));
  rig.controller->setCurrentProfile(1);
  EXPECT_EQ(rig.controller->driverSettings(), (DriverSettings{7, 0}));
}

}  // namespace
}  // namespace halvane::test
