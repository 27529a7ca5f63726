// The HID event poster: records byte for byte, event types, flags, options, state, messages.

#include "helper/hidsystem/HIDSystem.h"
#include "platform/input/hidevent/FakeHIDEventSystem.h"
#include "tests/helper/controller/ControllerRig.h"

#include <gtest/gtest.h>

#include <functional>

namespace halvane::test {
namespace {

using Stage = HIDEventSystem::OpenResult::Stage;

// "<type> <flags, hex> <options> <record bytes 0-3> <4-7> <8-11>"; the record's other bytes,
// the location and the version are checked to be 0, (0, 0) and 2.
QStringList describe(const std::vector<FakeHIDEventSystem::Post>& posts, quint32 connection) {
  QStringList lines;
  for (const FakeHIDEventSystem::Post& p : posts) {
    EXPECT_EQ(p.connection, connection);
    EXPECT_EQ(p.location.x, 0);
    EXPECT_EQ(p.location.y, 0);
    EXPECT_EQ(p.recordVersion, 2u);
    for (size_t i = 12; i < p.record.size(); ++i) EXPECT_EQ(p.record[i], 0) << "byte " << i;
    const QByteArray bytes(reinterpret_cast<const char*>(p.record.data()), 12);
    lines.append(QStringLiteral("%1 %2 %3 %4 %5 %6")
                     .arg(p.eventType)
                     .arg(p.flags, 0, 16)
                     .arg(p.options)
                     .arg(QString::fromLatin1(bytes.mid(0, 4).toHex()))
                     .arg(QString::fromLatin1(bytes.mid(4, 4).toHex()))
                     .arg(QString::fromLatin1(bytes.mid(8, 4).toHex())));
  }
  return lines;
}

struct PosterCase {
  const char* name;
  std::function<void(HIDSystem&, FakeHIDEventSystem&)> act;
  QStringList posts;
  QString errors = {};
};

const std::vector<PosterCase> kCases = {
    {"eject press and release: the eject event, then the aux-control press and release",
     [](HIDSystem& s, FakeHIDEventSystem&) {
       EXPECT_EQ(s.postSystemDefineEvent(14, 1), 0);
       EXPECT_EQ(s.postSystemDefineEvent(14, 0), 0);
     },
     {"14 0 0 00000a00 00000000 00000000", "14 0 0 00000800 000a0e00 ffffffff",
      "14 0 0 00000800 000b0e00 ffffffff"}},
    {"another key type: no eject event; any non-zero down is a press",
     [](HIDSystem& s, FakeHIDEventSystem&) {
       s.postSystemDefineEvent(16, 1);
       s.postSystemDefineEvent(16, 0);
       s.postSystemDefineEvent(14, 0);
       s.postSystemDefineEvent(14, 2);
     },
     {"14 0 0 00000800 000a1000 ffffffff", "14 0 0 00000800 000b1000 ffffffff",
      "14 0 0 00000800 000b0e00 ffffffff", "14 0 0 00000a00 00000000 00000000",
      "14 0 0 00000800 000a0e00 ffffffff"}},
    {"a failing eject event stops the press",
     [](HIDSystem& s, FakeHIDEventSystem& events) {
       events.failNextPosts = 1;
       EXPECT_EQ(s.postSystemDefineEvent(14, 1), events.postFailure);
       EXPECT_EQ(s.postSystemDefineEvent(14, 0), 0);
     },
     {"14 0 0 00000a00 00000000 00000000", "14 0 0 00000800 000b0e00 ffffffff"}},
    {"shift: one flags-changed event per change",
     [](HIDSystem& s, FakeHIDEventSystem&) {
       s.setShiftState(true);
       s.setShiftState(true);
       EXPECT_EQ(s.currFlagState(), 0x00020000);
       s.setShiftState(false);
       s.setShiftState(false);
     },
     {"12 20000 1 00000000 00000000 38000000", "12 0 1 00000000 00000000 38000000"},
     "shiftState and cmdState is 0x20000\nshiftState and cmdState is 0x0\n"},
    {"shift while command is held carries both flags",
     [](HIDSystem& s, FakeHIDEventSystem&) {
       s.setCmdState(true);
       s.setShiftState(true);
       EXPECT_EQ(s.currFlagState(), 0x00120000);
       s.setShiftState(false);
     },
     {"12 100000 1 00000000 00000000 37000000", "12 120000 1 00000000 00000000 38000000",
      "12 100000 1 00000000 00000000 38000000"},
     "shiftState and cmdState is 0x100000\nshiftState and cmdState is 0x120000\n"
     "shiftState and cmdState is 0x100000\n"},
    {"key events carry the key, the repeat and the modifier flags",
     [](HIDSystem& s, FakeHIDEventSystem&) {
       s.setCmdState(true);
       s.postKeyCodeEvent(0x31, 1, 1);
       s.postKeyCodeEvent(0x31, 0, 0);
       s.postKeyCodeEvent(0x1234, 2, 0xFF);  // only 1 is a key-down
       s.postModifierKeyCodeEvent(56);
     },
     {"12 100000 1 00000000 00000000 37000000", "10 100000 1 00000100 00000000 31000000",
      "11 100000 1 00000000 00000000 31000000", "11 100000 1 0000ff00 00000000 34120000",
      "12 100000 1 00000000 00000000 38000000"},
     "shiftState and cmdState is 0x100000\nshiftState and cmdState is 0x100000\n"},
    {"mouse: a new click number on the first press, kept until the release",
     [](HIDSystem& s, FakeHIDEventSystem&) {
       s.postMouseButtonEvent(1);
       s.postMouseButtonEvent(1);
       s.postMouseButtonEvent(0);
       s.postMouseButtonEvent(0);
       s.postMouseButtonEvent(1);
     },
     {"14 0 0 00000700 01000000 01000000", "1 0 0 00000100 01000000 ff000000",
      "1 0 0 00000100 01000000 ff000000", "14 0 0 00000700 01000000 00000000",
      "2 0 0 00000100 00000000 00000000", "2 0 0 00000100 00000000 00000000",
      "14 0 0 00000700 01000000 01000000", "1 0 0 00000200 01000000 ff000000"},
     "mouse button down state to TRUE\nmouse button down state to FALSE\n"
     "mouse button down state to TRUE\n"},
    {"a release with no button held: only the button-up",
     [](HIDSystem& s, FakeHIDEventSystem&) { s.postMouseButtonEvent(0); },
     {"2 0 0 00000000 00000000 00000000"}},
    {"a failing button-state event stops the press, the state has changed",
     [](HIDSystem& s, FakeHIDEventSystem& events) {
       events.failNextPosts = 1;
       EXPECT_EQ(s.postMouseButtonEvent(1), events.postFailure);
       EXPECT_TRUE(s.mouseButtonDown());
       EXPECT_EQ(s.postMouseButtonEvent(1), 0);
     },
     {"14 0 0 00000700 01000000 01000000", "1 0 0 00000100 01000000 ff000000"},
     "mouse button down state to TRUE\n"},
    {"cursor moves: dragged while the button is held, moved otherwise",
     [](HIDSystem& s, FakeHIDEventSystem&) {
       s.postCursorMoveEvent(3, -4);
       s.postMouseButtonEvent(1);
       s.postCursorMoveEvent(-1, 2);
       s.postMouseButtonEvent(0);
       s.postCursorMoveEvent(0x12345678, 0);
     },
     {"5 0 4 03000000 fcffffff 00000000", "14 0 0 00000700 01000000 01000000",
      "1 0 0 00000100 01000000 ff000000", "6 0 4 ffffffff 02000000 00000000",
      "14 0 0 00000700 01000000 00000000", "2 0 0 00000100 00000000 00000000",
      "5 0 4 78563412 00000000 00000000"},
     "mouse button down state to TRUE\nmouse button down state to FALSE\n"},
    {"scroll wheel: two axes, the third 0",
     [](HIDSystem& s, FakeHIDEventSystem&) { s.postScrollWheelEvent(-1, 0x0102); },
     {"22 0 0 ffff0201 00000000 00000000"}},
};

class Poster : public testing::TestWithParam<PosterCase> {};

TEST_P(Poster, Records) {
  const PosterCase& c = GetParam();
  FakeHIDEventSystem events;
  CapturedStream errors;
  HIDSystem system(events, errors.file());
  c.act(system, events);
  EXPECT_EQ(describe(events.posts, 0x1234), c.posts) << c.name;
  EXPECT_EQ(errors.take(), c.errors) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Golden, Poster, testing::ValuesIn(kCases));

struct OpenCase {
  HIDEventSystem::OpenResult result;
  quint32 connection;
  QString errors;
};

TEST(PosterOpen, MessagesForEachWayOfFailing) {
  const QString failed = QStringLiteral("failed to find the HID system\n");
  const QString none = QStringLiteral("No cursor device found\n");
  const std::vector<OpenCase> cases = {
      {{Stage::Opened, 0, 0x77}, 0x77, ""},
      {{Stage::Opened, 0, 0}, 0, none + failed},
      {{Stage::NoMatchingDictionary, 0, 0},
       0,
       "IOServiceMatching returned a NULL dictionary.\n" + failed},
      {{Stage::MatchingFailed, int(0xE00002BC), 0},
       0,
       "IOServiceGetMatchingServices returned -536870212\n" + none + failed},
      {{Stage::NoService, 0, 0}, 0, none + failed},
      {{Stage::OpenFailed, int(0xE00002C1), 0},
       0,
       "IOServiceOpen returned error 0xE00002C1\n" + none + failed},
  };
  for (const OpenCase& c : cases) {
    FakeHIDEventSystem events;
    events.openResult = c.result;
    CapturedStream errors;
    HIDSystem system(events, errors.file());
    EXPECT_EQ(system.connection(), c.connection);
    EXPECT_EQ(errors.take(), c.errors);
    quint32 handle = 99;
    EXPECT_EQ(system.findHIDSystem(&handle), c.connection ? 0 : 5);
    EXPECT_EQ(handle, c.connection);
  }
}

TEST(PosterOpen, WithoutAConnectionPostsStillGoOutAndStateIsKept) {
  FakeHIDEventSystem events;
  events.openResult = {Stage::NoService, 0, 0};
  CapturedStream errors;
  HIDSystem system(events, errors.file());
  system.setShiftState(true);
  system.postMouseButtonEvent(1);
  EXPECT_EQ(system.currFlagState(), 0x00020000);
  EXPECT_TRUE(system.mouseButtonDown());
  EXPECT_EQ(describe(events.posts, 0).size(), 3);
  IOGPoint location{12, -7};
  system.globalMouseLocation(&location);
  EXPECT_EQ(location.x, 0);
  EXPECT_EQ(location.y, 0);
}

}  // namespace
}  // namespace halvane::test
