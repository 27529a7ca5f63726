#pragma once

#include <QPushButton>

class QKeyEvent;

namespace halvane {

// The key-capturing button of the macro editor: each key press, with the modifiers held, goes to
// the shared KeyComboReceiver as a combination with no delay. A captured key never clicks the
// button, and modifier keys pressed alone give nothing.
class HVKeyBroadcaster : public QPushButton {
  Q_OBJECT

 public:
  explicit HVKeyBroadcaster(QWidget* parent = nullptr);

  // Key-event flags (Cocoa bit layout) to a Carbon modifier mask; other flags are dropped.
  static int cocoaModifiersAsCarbonModifiers(int flags);

  // Asked before the window's shortcuts see a key. Answers whether the key is consumed.
  bool performKeyEquivalent(QKeyEvent* event);

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
};

}  // namespace halvane
