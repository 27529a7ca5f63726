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
      // Outside a macro nothing is recorded: Tab and Backtab move the focus on as from any
      // button. While recording, straight to the capture, before they can.
      if (!performKeyEquivalent(static_cast<QKeyEvent*>(event))) break;
      keyPressEvent(static_cast<QKeyEvent*>(event));
      return true;
    default:
      break;
  }
  return QPushButton::event(event);
}

void HVKeyBroadcaster::keyPressEvent(QKeyEvent* event) {
  KeyComboReceiver* receiver = KeyComboReceiver::shared();
  // Never the button's own key handling: no click, no focus move. A key that is not recorded
  // goes on to the window instead: Escape cancels it, Enter confirms it.
  event->setAccepted(receiver && receiver->isRecordingMacro());
  // A key held down records once, not once per repeat.
  if (event->isAutoRepeat()) return;
  const std::optional<MacKeyEvent> key = macKeyEventFromQt(*event);
  if (!key || !receiver) return;
  const int modifiers = cocoaModifiersAsCarbonModifiers(key->modifierFlags);
  receiver->setKeyCombo(HVKeyCombo(qint16(key->keyCode), modifiers, 0));
}

// The button clicks on the release of Space; captured keys must not.
void HVKeyBroadcaster::keyReleaseEvent(QKeyEvent* event) {
  event->accept();
}

}  // namespace halvane
