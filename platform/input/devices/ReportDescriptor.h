#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace halvane::hid {

struct PrimaryUsage {
  int usagePage = 0;
  int usage = 0;
  bool operator==(const PrimaryUsage&) const = default;
};

// The usage page and usage of the first top-level application collection of a HID report
// descriptor: the Usage Page in effect and the first Usage item before that Collection (an
// extended four-byte Usage carries its own page). Nothing when the descriptor holds no such
// collection or is cut off before it. Every read is bounds-checked; any bytes are safe.
std::optional<PrimaryUsage> primaryUsage(std::span<const std::uint8_t> descriptor);

}  // namespace halvane::hid
