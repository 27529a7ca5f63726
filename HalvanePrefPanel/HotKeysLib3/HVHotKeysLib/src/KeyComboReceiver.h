#pragma once

#include "HVKeyCombo.h"

namespace halvane {

// What the key broadcaster hands its combinations to: the macro editor, which decides whether
// a combination is recorded.
class KeyComboReceiver {
 public:
  virtual ~KeyComboReceiver() = default;
  virtual void setKeyCombo(const HVKeyCombo& combo) = 0;
  // Whether the editor is in the macro action type, where key presses are recorded.
  virtual bool isRecordingMacro() const = 0;

  // The process's receiver (the shared macro editor sets itself here); nullptr when none.
  static KeyComboReceiver* shared();
  static void setShared(KeyComboReceiver* receiver);
};

}  // namespace halvane
