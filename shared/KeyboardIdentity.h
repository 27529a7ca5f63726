#pragma once

// The keyboard's USB identity, used by device matching and by the installed udev rules.
namespace halvane::keyboard {

inline constexpr int kVendorID = 0x1209;
inline constexpr int kFirstProductID = 0x4856;
inline constexpr int kSecondProductID = 0x4857;

}  // namespace halvane::keyboard
