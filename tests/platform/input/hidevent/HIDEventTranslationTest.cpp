// The HID event records as Linux input events: one golden row per record shape.
#include "platform/input/hidevent/HIDEventTranslation.h"
#include "platform/input/keycodes/MacKeyCodes.h"
#include "tests/platform/input/uinput/RecordingSink.h"

#include <linux/input-event-codes.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace halvane::test {
namespace {

using namespace hidevent;

// Little-endian fields at their offsets: {offset, width in bytes, value}.
struct Field {
  std::size_t offset;
  int width;
  std::int64_t value;
};

NXEventData record(std::initializer_list<Field> fields) {
  NXEventData r{};
  for (const Field& f : fields)
    for (int i = 0; i < f.width; ++i)
      r[f.offset + i] = std::uint8_t(std::uint64_t(f.value) >> (8 * i));
  return r;
}

InputEvent keyEv(int code, int value) {
  return {EV_KEY, std::uint16_t(code), value};
}
InputEvent relEv(int code, int value) {
  return {EV_REL, std::uint16_t(code), value};
}

struct Case {
  const char* name;
  quint32 type;
  NXEventData record;
  quint32 flags;
  quint32 options;
  Frames expected;
};

// Offsets: key.repeat 2, key.keyCode 8, compound.subType 2, data1 4, data2 8, mouseMove dx 0 /
// dy 4, scrollWheel axis1 0 / axis2 2.
const NXEventData kEjectPre = record({{2, 2, kSubtypeEjectKey}});
NXEventData aux(std::uint32_t data1) {
  return record({{2, 2, kSubtypeAuxControlButtons}, {4, 4, data1}, {8, 4, 0xFFFFFFFF}});
}
NXEventData keyRecord(int keyCode, int repeat = 0) {
  return record({{8, 2, keyCode}, {2, 2, repeat}});
}
NXEventData move(std::int32_t dx, std::int32_t dy) {
  return record({{0, 4, dx}, {4, 4, dy}});
}

const Case kCases[] = {
    // The eject key: a pre-event that announces it, then the auxiliary-control press and release.
    {"eject pre-event", kSystemDefined, kEjectPre, 0, 0, {}},
    {"eject press", kSystemDefined, aux(0x000E0A00), 0, 0, {{keyEv(KEY_EJECTCD, 1)}}},
    {"eject release", kSystemDefined, aux(0x000E0B00), 0, 0, {{keyEv(KEY_EJECTCD, 0)}}},
    {"sound up", kSystemDefined, aux(0x00000A00), 0, 0, {{keyEv(KEY_VOLUMEUP, 1)}}},
    {"sound down repeat", kSystemDefined, aux(0x00010A01), 0, 0, {{keyEv(KEY_VOLUMEDOWN, 2)}}},
    {"mute", kSystemDefined, aux(0x00070A00), 0, 0, {{keyEv(KEY_MUTE, 1)}}},
    {"brightness up", kSystemDefined, aux(0x00020A00), 0, 0, {{keyEv(KEY_BRIGHTNESSUP, 1)}}},
    {"play release", kSystemDefined, aux(0x00100B00), 0, 0, {{keyEv(KEY_PLAYPAUSE, 0)}}},
    {"next", kSystemDefined, aux(0x00110A00), 0, 0, {{keyEv(KEY_NEXTSONG, 1)}}},
    {"previous", kSystemDefined, aux(0x00120A00), 0, 0, {{keyEv(KEY_PREVIOUSSONG, 1)}}},
    {"contrast has no key", kSystemDefined, aux(0x000B0A00), 0, 0, {}},
    {"key type past the table", kSystemDefined, aux(0x00630A00), 0, 0, {}},
    {"unknown key state", kSystemDefined, aux(0x000E0500), 0, 0, {}},
    {"mouse button pre-event",
     kSystemDefined,
     record({{2, 2, kSubtypeAuxMouseButtons}, {4, 4, 1}, {8, 4, 1}}),
     0,
     0,
     {}},

    // Modifier keys: the flags after the change tell press from release.
    {"shift down", kFlagsChanged, keyRecord(kVK_Shift), 0x00020000, 1, {{keyEv(KEY_LEFTSHIFT, 1)}}},
    {"shift up", kFlagsChanged, keyRecord(kVK_Shift), 0, 1, {{keyEv(KEY_LEFTSHIFT, 0)}}},
    {"shift up, command held",
     kFlagsChanged,
     keyRecord(kVK_Shift),
     0x00100000,
     1,
     {{keyEv(KEY_LEFTSHIFT, 0)}}},
    {"command down, shift held",
     kFlagsChanged,
     keyRecord(kVK_Command),
     0x00120000,
     1,
     {{keyEv(KEY_LEFTMETA, 1)}}},
    {"option down", kFlagsChanged, keyRecord(kVK_Option), 0x00080000, 1, {{keyEv(KEY_LEFTALT, 1)}}},
    {"right control down",
     kFlagsChanged,
     keyRecord(kVK_RightControl),
     0x00040000,
     1,
     {{keyEv(KEY_RIGHTCTRL, 1)}}},
    {"caps lock toggles",
     kFlagsChanged,
     keyRecord(kVK_CapsLock),
     0x00010000,
     1,
     {{keyEv(KEY_CAPSLOCK, 1)}, {keyEv(KEY_CAPSLOCK, 0)}}},
    {"not a modifier key", kFlagsChanged, keyRecord(kVK_ANSI_A), 0x00020000, 1, {}},

    {"key down", kKeyDown, keyRecord(kVK_ANSI_A), 0, 1, {{keyEv(KEY_A, 1)}}},
    {"key repeat", kKeyDown, keyRecord(kVK_ANSI_A, 1), 0, 1, {{keyEv(KEY_A, 2)}}},
    {"key up", kKeyUp, keyRecord(kVK_Return), 0, 1, {{keyEv(KEY_ENTER, 0)}}},
    {"key without evdev twin", kKeyDown, keyRecord(0x34), 0, 1, {}},

    {"left down",
     kLeftMouseDown,
     record({{2, 2, 1}, {4, 4, 1}, {8, 1, 255}}),
     0,
     0,
     {{keyEv(BTN_LEFT, 1)}}},
    {"left up", kLeftMouseUp, record({{2, 2, 1}}), 0, 0, {{keyEv(BTN_LEFT, 0)}}},
    {"right down", kRightMouseDown, NXEventData{}, 0, 0, {{keyEv(BTN_RIGHT, 1)}}},
    {"other up", kOtherMouseUp, NXEventData{}, 0, 0, {{keyEv(BTN_MIDDLE, 0)}}},

    {"moved",
     kMouseMoved,
     move(5, -3),
     0,
     kSetRelativeCursorPosition,
     {{relEv(REL_X, 5), relEv(REL_Y, -3)}}},
    {"dragged, vertical only",
     kLeftMouseDragged,
     move(0, 7),
     0,
     kSetRelativeCursorPosition,
     {{relEv(REL_Y, 7)}}},
    {"large move",
     kMouseMoved,
     move(-70000, 0),
     0,
     kSetRelativeCursorPosition,
     {{relEv(REL_X, -70000)}}},
    {"absolute move is not done", kMouseMoved, move(5, 5), 0, 0, {}},
    {"no motion", kMouseMoved, move(0, 0), 0, kSetRelativeCursorPosition, {}},

    {"scroll",
     kScrollWheelMoved,
     record({{0, 2, 3}, {2, 2, -2}}),
     0,
     0,
     {{relEv(REL_WHEEL, 3), relEv(REL_HWHEEL, 2)}}},
    {"scroll left", kScrollWheelMoved, record({{2, 2, 4}}), 0, 0, {{relEv(REL_HWHEEL, -4)}}},
    {"third axis is not a wheel", kScrollWheelMoved, record({{4, 2, 9}}), 0, 0, {}},

    {"unknown event type", 99, keyRecord(kVK_ANSI_A), 0, 0, {}},
};

TEST(HIDEventTranslation, GoldenRecords) {
  ASSERT_FALSE(evdevForMacKeyCode(0x34)) << "the table now maps 0x34: pick another unmapped code";
  for (const Case& c : kCases)
    EXPECT_EQ(translateHIDEvent(c.type, c.record, c.flags, c.options), c.expected) << c.name;
}

TEST(HIDEventTranslation, TheDeviceDeclaresEverythingTranslationsProduce) {
  const UinputDevice::Capabilities caps = hidEventCapabilities();
  auto declared = [&](const InputEvent& e) {
    const std::vector<int>& list = e.type == EV_KEY ? caps.keys : caps.relative;
    return std::find(list.begin(), list.end(), e.code) != list.end();
  };
  // Every auxiliary key type and every Apple key code, pressed.
  for (std::uint32_t type = 0; type < 32; ++type)
    for (const auto& frame : translateHIDEvent(kSystemDefined, aux(type << 16 | 0x0A00), 0, 0))
      for (const InputEvent& e : frame) EXPECT_TRUE(declared(e)) << "aux key type " << type;
  for (int mac = 0; mac < 128; ++mac)
    for (const auto& frame : translateHIDEvent(kKeyDown, keyRecord(mac), 0, 0))
      for (const InputEvent& e : frame) EXPECT_TRUE(declared(e)) << "key code " << mac;
  for (const Case& c : kCases)
    for (const auto& frame : c.expected)
      for (const InputEvent& e : frame) EXPECT_TRUE(declared(e)) << c.name;
}

}  // namespace
}  // namespace halvane::test
