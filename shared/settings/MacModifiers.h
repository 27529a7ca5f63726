#pragma once

namespace halvane {

// Modifier mask of a key combination, in the Carbon bit layout that settings files keep.
enum CarbonModifier : int {
  kCarbonCommand = 0x0100,
  kCarbonShift = 0x0200,
  kCarbonOption = 0x0800,
  kCarbonControl = 0x1000,
  kCarbonFunction = 0x8000,
};

// Modifier flags of a key event, in the Cocoa bit layout. The low 16 bits are device-dependent.
enum KeyEventFlag : int {
  kEventFlagCapsLock = 1 << 16,
  kEventFlagShift = 1 << 17,
  kEventFlagControl = 1 << 18,
  kEventFlagOption = 1 << 19,
  kEventFlagCommand = 1 << 20,
  kEventFlagNumericPad = 1 << 21,
  kEventFlagHelp = 1 << 22,
  kEventFlagFunction = 1 << 23,
};

}  // namespace halvane
