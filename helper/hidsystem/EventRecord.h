#pragma once

#include "platform/input/hidevent/HIDEventSystem.h"

#include <cstddef>
#include <cstdint>

namespace halvane::eventrecord {

// Field offsets inside the 48-byte event record (little-endian layout).
inline constexpr std::size_t kKeyRepeat = 2;         // 16-bit
inline constexpr std::size_t kKeyCode = 8;           // 16-bit
inline constexpr std::size_t kCompoundSubType = 2;   // 16-bit
inline constexpr std::size_t kCompoundData1 = 4;     // 32-bit, misc.L[0]
inline constexpr std::size_t kCompoundData2 = 8;     // 32-bit, misc.L[1]
inline constexpr std::size_t kMouseEventNum = 2;     // signed 16-bit
inline constexpr std::size_t kMouseClick = 4;        // signed 32-bit
inline constexpr std::size_t kMousePressure = 8;     // 8-bit
inline constexpr std::size_t kMouseMoveDx = 0;       // signed 32-bit
inline constexpr std::size_t kMouseMoveDy = 4;       // signed 32-bit
inline constexpr std::size_t kScrollDeltaAxis1 = 0;  // signed 16-bit
inline constexpr std::size_t kScrollDeltaAxis2 = 2;  // signed 16-bit
inline constexpr std::size_t kScrollDeltaAxis3 = 4;  // signed 16-bit

inline void put8(NXEventData& record, std::size_t offset, std::uint8_t value) {
  record[offset] = value;
}

inline void put16(NXEventData& record, std::size_t offset, std::uint16_t value) {
  record[offset] = std::uint8_t(value);
  record[offset + 1] = std::uint8_t(value >> 8);
}

inline void put32(NXEventData& record, std::size_t offset, std::uint32_t value) {
  for (std::size_t i = 0; i < 4; ++i) record[offset + i] = std::uint8_t(value >> (8 * i));
}

inline std::uint16_t get16(const NXEventData& record, std::size_t offset) {
  return std::uint16_t(record[offset] | (record[offset + 1] << 8));
}

inline std::uint32_t get32(const NXEventData& record, std::size_t offset) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) value |= std::uint32_t(record[offset + i]) << (8 * i);
  return value;
}

}  // namespace halvane::eventrecord
