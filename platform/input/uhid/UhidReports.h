#pragma once

#include "platform/input/devices/HIDDeviceRegistry.h"

#include <QByteArrayView>
#include <QString>

#include <linux/uhid.h>

#include <cstdint>
#include <optional>
#include <span>

// The keyboard as the kernel sees it when it is made through /dev/uhid: the report descriptors
// of its two interfaces, the events that create and feed them, and the device's answers to the
// kernel's feature report requests.
namespace halvane::uhid {

enum class Interface { Keyboard, Consumer };

// Interface 0: a boot keyboard (modifier byte, reserved byte, six key slots, LED output)
// whose key array reaches 0xFF, so the vendor codes 0xF1-0xFE are reported as they are.
// Interface 1: consumer control, input report 1 (one 16-bit usage; its low byte is the media
// code) and feature report 0x48 (the driver settings).
std::span<const std::uint8_t> reportDescriptor(Interface interface);

// The report ID the consumer interface's input reports start with.
inline constexpr std::uint8_t kConsumerReportId = 0x01;

struct DeviceDescription {
  Interface interface = Interface::Keyboard;
  int vendorID = 0;
  int productID = 0;
  QString name;  // the product name the kernel shows
  QString phys;  // tells the interfaces apart, as a USB path would ("<phys>/input0")
};

uhid_event createEvent(const DeviceDescription& description);
uhid_event destroyEvent();
// An input report, cut to what one uhid event carries.
uhid_event inputEvent(QByteArrayView report);

// The driver settings in feature report 0x48 as the kernel hands it over (report ID first).
std::optional<DriverSettings> parseDriverSettingsReport(std::span<const std::uint8_t> report);

// What the device keeps between feature report requests.
struct FeatureState {
  DriverSettings settings;
  bool received = false;
};

// The reply to a UHID_SET_REPORT or UHID_GET_REPORT request; nothing for other events. A set of
// report 0x48 with the right length updates state (and *changed says so); any other report
// number, type or length is refused with EIO or EINVAL, as firmware stalls the request.
std::optional<uhid_event> answer(const uhid_event& request, FeatureState& state,
                                 bool* changed = nullptr);

}  // namespace halvane::uhid
