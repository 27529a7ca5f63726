#include "HVKeyBroadcaster.h"

#include "HVKeyCombo.h"
#include "KeyComboReceiver.h"

#include "platform/input/keycodes/MacKeyEvent.h"
#include "shared/settings/MacModifiers.h"

#include <QKeyEvent>

namespace halvane {
namespace {

struct ModifierRow {
  int eventFlag;
  int carbonBit;
};

constexpr ModifierRow kModifierRows[] = {
    {kEventFlagCommand, kCarbonCommand},   {kEventFlagOption, kCarbonOption},
    {kEventFlagControl, kCarbonControl},   {kEventFlagShift, kCarbonShift},
    {kEventFlagFunction, kCarbonFunction},
};

}  // namespace

HVKeyBroadcaster::HVKeyBroadcaster(QWidget* parent) : QPushButton(parent) {
  setFocusPolicy(Qt::StrongFocus);
}

int HVKeyBroadcaster::cocoaModifiersAsCarbonModifiers(int flags) {
  int carbon = 0;
  for (const ModifierRow& row : kModifierRows) {
    if (flags & row.eventFlag) carbon += row.carbonBit;
  }
  return carbon;
}

// Qt offers the key here and then, once it is consumed (or no shortcut wanted it), delivers the
// same press to keyPressEvent, which records it: recording here too would record it twice.
// While the editor records a macro every key is consumed, so Ctrl and Super shortcuts of the
// host window do not fire in the middle of a recording; otherwise the host's shortcuts work.
bool HVKeyBroadcaster::performKeyEquivalent(QKeyEvent*) {
  const KeyComboReceiver* receiver = KeyComboReceiver::shared();
  return receiver && receiver->isRecordingMacro();
}

bool HVKeyBroadcaster::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::ShortcutOverride:
      if (!performKeyEquivalent(static_cast<QKeyEvent*>(event))) break;
      event->accept();
      return true;
    case QEvent::KeyPress:
      // Straight to the capture, before Tab and Backtab can move the focus.
      keyPressEvent(static_cast<QKeyEvent*>(event));
      return true;
    default:
      break;
  }
  return QPushButton::event(event);
}

void HVKeyBroadcaster::keyPressEvent(QKeyEvent* event) {
  event->accept();  // never the button's own key handling: no click, no focus move
  // A key held down records once, not once per repeat.
  if (event->isAutoRepeat()) return;
  const std::optional<MacKeyEvent> key = macKeyEventFromQt(*event);
  KeyComboReceiver* receiver = KeyComboReceiver::shared();
  if (!key || !receiver) return;
  const int modifiers = cocoaModifiersAsCarbonModifiers(key->modifierFlags);
  receiver->setKeyCombo(HVKeyCombo(qint16(key->keyCode), modifiers, 0));
}

// The button clicks on the release of Space; captured keys must not.
void HVKeyBroadcaster::keyReleaseEvent(QKeyEvent* event) {
  event->accept();
}

}  // namespace halvane
