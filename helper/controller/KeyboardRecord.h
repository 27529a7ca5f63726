#pragma once

#include "platform/input/devices/HIDDeviceRegistry.h"

#include <array>
#include <cstdint>
#include <memory>

namespace halvane {

// Size of the report buffer every keyboard writes into, and of each keyboard's copy of its
// last report.
inline constexpr quint32 kReportBufferSize = 32;

using ReportBuffer = std::array<std::uint8_t, kReportBufferSize>;

// One attached keyboard interface. Owned by the Controller's keyboard list from the service's
// first match until its termination.
struct KeyboardRecord {
  std::unique_ptr<HIDDevice> deviceInterface;
  ServiceId service = 0;
  quint32 lastReportSize = 0;
  ReportBuffer lastReport{};
};

}  // namespace halvane
