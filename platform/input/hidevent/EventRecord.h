#pragma once

#include <QtGlobal>

#include <array>
#include <cstddef>
#include <cstdint>

namespace halvane {

// The 48-byte event record (little-endian layout) that accompanies every posted HID event.
using NXEventData = std::array<std::uint8_t, 48>;

// Event types, subtypes, post options and record fields of the HID event records, as the Mac
// numbers them; the helper writes records with them and the backends read them back.
namespace hidevent {

inline constexpr quint32 kLeftMouseDown = 1, kLeftMouseUp = 2, kRightMouseDown = 3,
                         kRightMouseUp = 4, kMouseMoved = 5, kLeftMouseDragged = 6,
                         kRightMouseDragged = 7, kKeyDown = 10, kKeyUp = 11, kFlagsChanged = 12,
                         kSystemDefined = 14, kScrollWheelMoved = 22, kOtherMouseDown = 25,
                         kOtherMouseUp = 26, kOtherMouseDragged = 27;
// Subtypes of system-defined events.
inline constexpr quint16 kSubtypeAuxMouseButtons = 7, kSubtypeAuxControlButtons = 8,
                         kSubtypeEjectKey = 10;
// An auxiliary control key's data1: its key type in bits 16-23 (eject is 14), its state in bits
// 8-15, the repeat flag in bit 0.
inline constexpr quint8 kAuxKeyEject = 14;
inline constexpr quint32 kAuxKeyDown = 0x0A, kAuxKeyUp = 0x0B;
// Post options.
inline constexpr quint32 kSetGlobalEventFlags = 1, kSetRelativeCursorPosition = 4;
// The record version every post carries.
inline constexpr quint32 kRecordVersion = 2;

// Field offsets inside the record.
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

}  // namespace hidevent
}  // namespace halvane
