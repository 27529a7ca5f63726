#include "platform/input/keycodes/MacKeyEvent.h"

#include "platform/input/keycodes/MacKeyCodes.h"
#include "shared/settings/MacModifiers.h"

#include <QKeyEvent>

#include <algorithm>
#include <iterator>

namespace halvane {
namespace {

// The keys an Apple system marks with the function-key flag: function keys, arrows, the
// navigation block and the keypad's Clear.
// clang-format off
constexpr int kFunctionFlagKeys[] = {
    kVK_F1,  kVK_F2,  kVK_F3,  kVK_F4,  kVK_F5,  kVK_F6,  kVK_F7,  kVK_F8,  kVK_F9,  kVK_F10,
    kVK_F11, kVK_F12, kVK_F13, kVK_F14, kVK_F15, kVK_F16, kVK_F17, kVK_F18, kVK_F19, kVK_F20,
    kVK_LeftArrow, kVK_RightArrow, kVK_DownArrow, kVK_UpArrow,
    kVK_Home, kVK_End, kVK_PageUp, kVK_PageDown, kVK_ForwardDelete, kVK_Help,
    kVK_ANSI_KeypadClear,
};
// clang-format on

bool carriesFunctionFlag(int macKeyCode) {
  return std::find(std::begin(kFunctionFlagKeys), std::end(kFunctionFlagKeys), macKeyCode) !=
         std::end(kFunctionFlagKeys);
}

}  // namespace

int macModifierFlags(Qt::KeyboardModifiers modifiers, int macKeyCode) {
  int flags = 0;
  if (modifiers & Qt::MetaModifier) flags |= kEventFlagCommand;
  if (modifiers & Qt::AltModifier) flags |= kEventFlagOption;
  if (modifiers & Qt::ControlModifier) flags |= kEventFlagControl;
  if (modifiers & Qt::ShiftModifier) flags |= kEventFlagShift;
  if (modifiers & Qt::KeypadModifier) flags |= kEventFlagNumericPad;
  if (carriesFunctionFlag(macKeyCode)) flags |= kEventFlagFunction;
  return flags;
}

std::optional<MacKeyEvent> macKeyEventFromQt(const QKeyEvent& event) {
  const int evdev = int(event.nativeScanCode()) - kX11KeyCodeOffset;
  const std::optional<int> keyCode = macKeyCodeForEvdev(evdev);
  if (!keyCode || isMacModifierKeyCode(*keyCode)) return std::nullopt;
  return MacKeyEvent{*keyCode, macModifierFlags(event.modifiers(), *keyCode)};
}

}  // namespace halvane
