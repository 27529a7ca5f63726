#include "platform/input/devices/ReportDescriptor.h"

#include <array>
#include <cstddef>

namespace halvane::hid {

namespace {

enum ItemType : std::uint8_t { kMain = 0, kGlobal = 1, kLocal = 2 };
// Tags, as the high nibble of a short item's prefix.
constexpr std::uint8_t kCollection = 0xA, kEndCollection = 0xC;    // main
constexpr std::uint8_t kUsagePage = 0x0, kPush = 0xA, kPop = 0xB;  // global
constexpr std::uint8_t kUsage = 0x0;                               // local
constexpr std::uint8_t kLongItemPrefix = 0xFE;
constexpr std::uint32_t kApplication = 0x01;
// Push nesting beyond this is ignored; real descriptors use one or two levels.
constexpr std::size_t kMaxPushDepth = 16;

std::uint32_t littleEndian(const std::uint8_t* data, std::size_t size) {
  std::uint32_t value = 0;
  for (std::size_t i = size; i-- > 0;) value = (value << 8) | data[i];
  return value;
}

}  // namespace

std::optional<PrimaryUsage> primaryUsage(std::span<const std::uint8_t> descriptor) {
  const std::size_t n = descriptor.size();
  std::uint32_t usagePage = 0;
  std::array<std::uint32_t, kMaxPushDepth> pushed{};
  std::size_t pushDepth = 0;
  // The first Usage item since the last main item.
  bool haveUsage = false;
  std::uint32_t firstUsage = 0;
  bool firstUsageExtended = false;
  int depth = 0;

  std::size_t i = 0;
  while (i < n) {
    const std::uint8_t prefix = descriptor[i];
    const std::size_t left = n - i - 1;  // bytes after the prefix
    if (prefix == kLongItemPrefix) {
      // Long item: size byte, tag byte, data. Carries nothing we read; skip it whole.
      if (left < 2 || std::size_t(descriptor[i + 1]) > left - 2) return std::nullopt;
      i += 3 + descriptor[i + 1];
      continue;
    }
    std::size_t size = prefix & 0x3;
    if (size == 3) size = 4;
    if (size > left) return std::nullopt;
    const std::uint32_t value = littleEndian(descriptor.data() + i + 1, size);
    const std::uint8_t type = (prefix >> 2) & 0x3;
    const std::uint8_t tag = prefix >> 4;
    i += 1 + size;

    if (type == kGlobal) {
      if (tag == kUsagePage) {
        usagePage = value & 0xFFFF;
      } else if (tag == kPush) {
        if (pushDepth < kMaxPushDepth) pushed[pushDepth++] = usagePage;
      } else if (tag == kPop) {
        if (pushDepth > 0) usagePage = pushed[--pushDepth];
      }
    } else if (type == kLocal) {
      if (tag == kUsage && !haveUsage) {
        haveUsage = true;
        firstUsage = value;
        firstUsageExtended = size == 4;
      }
    } else if (type == kMain) {
      if (tag == kCollection) {
        if (depth == 0 && (value & 0xFF) == kApplication) {
          if (firstUsageExtended)
            return PrimaryUsage{int(firstUsage >> 16), int(firstUsage & 0xFFFF)};
          return PrimaryUsage{int(usagePage), int(firstUsage & 0xFFFF)};
        }
        ++depth;
      } else if (tag == kEndCollection && depth > 0) {
        --depth;
      }
      // Local items apply to the next main item only.
      haveUsage = false;
      firstUsage = 0;
      firstUsageExtended = false;
    }
  }
  return std::nullopt;
}

}  // namespace halvane::hid
