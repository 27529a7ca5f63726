#pragma once

#include "platform/input/hidevent/HIDEventSystem.h"

#include <QtGlobal>

#include <cstdio>

namespace halvane {

// Posts synthetic HID events (keys, modifiers, system-defined keys such as eject, mouse buttons,
// cursor moves, scroll wheel) into the system's event stream, and remembers the synthetic Shift,
// Command and left-button state so that later events carry consistent flags and click numbers.
// The connection is opened once, on construction; a failure is reported on the error stream and
// the object works on with connection 0.
class HIDSystem {
 public:
  // Status of findHIDSystem when no connection could be had.
  static constexpr int kNotFound = 5;

  // errors receives the diagnostics (standard error in the helper).
  explicit HIDSystem(HIDEventSystem& events, std::FILE* errors = stderr);
  HIDSystem(const HIDSystem&) = delete;
  HIDSystem& operator=(const HIDSystem&) = delete;

  // Opens the event service into *handle: 0 on success, kNotFound otherwise.
  int findHIDSystem(quint32* handle);
  // Always (0, 0): every event is posted at that location.
  void globalMouseLocation(IOGPoint* location) const;

  // Each post returns the event service's status unchanged (0 is success).
  int postModifierKeyCodeEvent(quint16 keyCode);
  int postKeyCodeEvent(quint16 keyCode, quint8 down, quint8 repeat);
  int postSystemDefineEvent(quint8 keyType, quint8 down);
  int postMouseButtonEvent(quint8 down);
  int postCursorMoveEvent(qint32 dx, qint32 dy);
  int postScrollWheelEvent(qint16 deltaAxis1, qint16 deltaAxis2);

  void setCmdState(bool down);
  void setShiftState(bool down);
  qint32 currFlagState() const { return shiftState + cmdState; }

  quint32 connection() const { return hidsys; }
  bool mouseButtonDown() const { return mouseDown != 0; }
  qint16 mouseEventNumber() const { return mouseEventNum; }

 private:
  int post(quint32 eventType, const NXEventData& record, quint32 flags, quint32 options);
  // Sets *state to flag (or 0) and posts the modifier's flags-changed event when it changed.
  void setModifierState(qint32* state, qint32 flag, quint16 keyCode, bool down);

  HIDEventSystem& mEvents;
  std::FILE* mErrors;

  quint32 hidsys = 0;
  qint32 shiftState = 0;
  qint32 cmdState = 0;
  qint16 mouseEventNum = 0;
  quint8 mouseDown = 0;
};

}  // namespace halvane
