#include "helper/hidsystem/HIDSystem.h"

#include "platform/input/hidevent/EventRecord.h"
#include "platform/input/keycodes/MacKeyCodes.h"
#include "shared/settings/MacModifiers.h"

namespace halvane {

using namespace hidevent;

HIDSystem::HIDSystem(HIDEventSystem& events, std::FILE* errors) : mEvents(events), mErrors(errors) {
  if (findHIDSystem(&hidsys) != 0) std::fputs("failed to find the HID system\n", mErrors);
}

int HIDSystem::findHIDSystem(quint32* handle) {
  using Stage = HIDEventSystem::OpenResult::Stage;
  const HIDEventSystem::OpenResult result = mEvents.open();
  *handle = 0;
  switch (result.stage) {
    case Stage::NoMatchingDictionary:
      std::fputs("IOServiceMatching returned a NULL dictionary.\n", mErrors);
      return kNotFound;
    case Stage::MatchingFailed:
      std::fprintf(mErrors, "IOServiceGetMatchingServices returned %d\n", result.status);
      break;
    case Stage::NoService:
      break;
    case Stage::OpenFailed:
      std::fprintf(mErrors, "IOServiceOpen returned error 0x%X\n", unsigned(result.status));
      break;
    case Stage::Opened:
      *handle = result.connection;
      break;
  }
  if (*handle != 0) return 0;
  std::fputs("No cursor device found\n", mErrors);
  return kNotFound;
}

void HIDSystem::globalMouseLocation(IOGPoint* location) const {
  location->x = 0;
  location->y = 0;
}

int HIDSystem::post(quint32 eventType, const NXEventData& record, quint32 flags, quint32 options) {
  IOGPoint location;
  globalMouseLocation(&location);
  return mEvents.post(hidsys, eventType, location, record, kRecordVersion, flags, options);
}

int HIDSystem::postModifierKeyCodeEvent(quint16 keyCode) {
  std::fprintf(mErrors, "shiftState and cmdState is 0x%X\n", unsigned(currFlagState()));
  NXEventData record{};
  put16(record, kKeyCode, keyCode);
  return post(kFlagsChanged, record, quint32(currFlagState()), kSetGlobalEventFlags);
}

int HIDSystem::postKeyCodeEvent(quint16 keyCode, quint8 down, quint8 repeat) {
  NXEventData record{};
  put16(record, kKeyCode, keyCode);
  put16(record, kKeyRepeat, repeat);
  return post(down == 1 ? kKeyDown : kKeyUp, record, quint32(currFlagState()),
              kSetGlobalEventFlags);
}

int HIDSystem::postSystemDefineEvent(quint8 keyType, quint8 down) {
  if (keyType == kAuxKeyEject && down) {
    NXEventData pre{};
    put16(pre, kCompoundSubType, kSubtypeEjectKey);
    if (const int status = post(kSystemDefined, pre, 0, 0)) return status;
  }
  const quint32 state = down ? kAuxKeyDown : kAuxKeyUp;
  NXEventData record{};
  put16(record, kCompoundSubType, kSubtypeAuxControlButtons);
  put32(record, kCompoundData1, (quint32(keyType) << 16) | (state << 8));
  put32(record, kCompoundData2, 0xFFFFFFFFu);
  return post(kSystemDefined, record, 0, 0);
}

int HIDSystem::postMouseButtonEvent(quint8 down) {
  // Any non-zero value is a press, for the event type as well as the state, so a press never
  // goes out as a button-up carrying click 1.
  const bool press = down != 0;
  bool stateChanged = false;
  if (press) {
    if (!mouseDown) {
      mouseEventNum = qint16(quint16(mouseEventNum) + 1);  // wraps at 16 bits
      std::fputs("mouse button down state to TRUE\n", mErrors);
      stateChanged = true;
    }
    mouseDown = 1;
  } else {
    if (mouseDown) {
      std::fputs("mouse button down state to FALSE\n", mErrors);
      stateChanged = true;
    }
    mouseDown = 0;
  }
  if (stateChanged) {
    NXEventData pre{};
    put16(pre, kCompoundSubType, kSubtypeAuxMouseButtons);
    put32(pre, kCompoundData1, 1);
    put32(pre, kCompoundData2, press ? 1 : 0);
    if (const int status = post(kSystemDefined, pre, 0, 0)) return status;
  }
  NXEventData record{};
  put16(record, kMouseEventNum, quint16(mouseEventNum));
  put32(record, kMouseClick, press ? 1 : 0);
  put8(record, kMousePressure, press ? 255 : 0);
  return post(press ? kLeftMouseDown : kLeftMouseUp, record, 0, 0);
}

int HIDSystem::postCursorMoveEvent(qint32 dx, qint32 dy) {
  NXEventData record{};
  put32(record, kMouseMoveDx, quint32(dx));
  put32(record, kMouseMoveDy, quint32(dy));
  return post(mouseDown ? kLeftMouseDragged : kMouseMoved, record, 0, kSetRelativeCursorPosition);
}

int HIDSystem::postScrollWheelEvent(qint16 deltaAxis1, qint16 deltaAxis2) {
  NXEventData record{};
  put16(record, kScrollDeltaAxis1, quint16(deltaAxis1));
  put16(record, kScrollDeltaAxis2, quint16(deltaAxis2));
  put16(record, kScrollDeltaAxis3, 0);
  return post(kScrollWheelMoved, record, 0, 0);
}

void HIDSystem::setModifierState(qint32* state, qint32 flag, quint16 keyCode, bool down) {
  const qint32 wanted = down ? flag : 0;
  if (*state == wanted) return;
  // The state changes first, so the flags-changed event carries the flags after the change.
  *state = wanted;
  postModifierKeyCodeEvent(keyCode);
}

void HIDSystem::setCmdState(bool down) {
  setModifierState(&cmdState, kEventFlagCommand, kVK_Command, down);
}

void HIDSystem::setShiftState(bool down) {
  setModifierState(&shiftState, kEventFlagShift, kVK_Shift, down);
}

}  // namespace halvane
