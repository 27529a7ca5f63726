// The uinput HID event service against a recording sink, and the uinput device itself, real
// where the machine lets this process make one. The uinput key poster is tested with the other
// key posters (tests/platform/input/posters).
#include "platform/input/hidevent/HIDEventTranslation.h"
#include "platform/input/hidevent/UinputHIDEventSystem.h"
#include "platform/input/uinput/UinputDevice.h"
#include "tests/platform/input/uinput/EventNodeReader.h"
#include "tests/platform/input/uinput/RecordingSink.h"

#include <QFile>
#include <QTemporaryDir>

#include <linux/input.h>

#include <gtest/gtest.h>

#include <cerrno>

namespace halvane::test {
namespace {

InputEvent keyEv(int code, int value) {
  return {EV_KEY, std::uint16_t(code), value};
}

// --- The HID event service ---------------------------------------------------------------------

struct SinkScript {
  int error = 0;  // 0: open succeeds
  int makes = 0;
  Frames frames;
  RecordingSink* sink = nullptr;
};

UinputHIDEventSystem scriptedSystem(SinkScript* script) {
  return UinputHIDEventSystem([script] {
    ++script->makes;
    if (script->error) return UinputHIDEventSystem::MadeSink{nullptr, script->error};
    auto sink = std::make_unique<RecordingSink>(&script->frames);
    script->sink = sink.get();
    return UinputHIDEventSystem::MadeSink{std::move(sink), 0};
  });
}

NXEventData ejectPress() {
  NXEventData r{};
  r[2] = hidevent::kSubtypeAuxControlButtons;
  r[5] = 0x0A;  // data1 = 0x000E0A00
  r[6] = 14;
  return r;
}

TEST(UinputHIDEventSystem, OpenTellsAMissingServiceFromAFailedOpen) {
  using Stage = HIDEventSystem::OpenResult::Stage;
  const struct {
    int error;
    Stage stage;
  } cases[] = {{ENOENT, Stage::NoService}, {ENODEV, Stage::NoService},
               {ENXIO, Stage::NoService},  {EACCES, Stage::OpenFailed},
               {EPERM, Stage::OpenFailed}, {ENOTTY, Stage::OpenFailed}};
  for (const auto& c : cases) {
    SinkScript script;
    script.error = c.error;
    UinputHIDEventSystem system = scriptedSystem(&script);
    const HIDEventSystem::OpenResult result = system.open();
    EXPECT_EQ(result.stage, c.stage) << c.error;
    EXPECT_EQ(result.status, c.error);
    EXPECT_EQ(result.connection, 0u);
    // Posts to the connection a failed open gives are refused, not written anywhere.
    EXPECT_EQ(system.post(0, hidevent::kSystemDefined, {}, ejectPress(), 2, 0, 0),
              UinputHIDEventSystem::kNotOpen);
  }
}

TEST(UinputHIDEventSystem, MakesTheDeviceOnceAndPostsTranslatedRecordsToIt) {
  SinkScript script;
  UinputHIDEventSystem system = scriptedSystem(&script);
  const HIDEventSystem::OpenResult first = system.open();
  const HIDEventSystem::OpenResult second = system.open();
  ASSERT_EQ(first.stage, HIDEventSystem::OpenResult::Stage::Opened);
  EXPECT_NE(first.connection, 0u);
  EXPECT_EQ(second.connection, first.connection);
  EXPECT_EQ(script.makes, 1);

  NXEventData pre{};
  pre[2] = hidevent::kSubtypeEjectKey;
  EXPECT_EQ(system.post(first.connection, hidevent::kSystemDefined, {}, pre, 2, 0, 0), 0);
  EXPECT_EQ(system.post(first.connection, hidevent::kSystemDefined, {}, ejectPress(), 2, 0, 0), 0);
  EXPECT_EQ(script.frames, Frames({{keyEv(KEY_EJECTCD, 1)}}));

  EXPECT_EQ(system.post(first.connection + 1, hidevent::kSystemDefined, {}, ejectPress(), 2, 0, 0),
            UinputHIDEventSystem::kNotOpen);
  script.sink->failWrites = true;
  EXPECT_EQ(system.post(first.connection, hidevent::kSystemDefined, {}, ejectPress(), 2, 0, 0),
            UinputHIDEventSystem::kIOError);
  EXPECT_EQ(script.frames.size(), 1u);
}

// --- The device itself ---------------------------------------------------------------------------

TEST(UinputDevice, ANodeThatIsNotUinputMakesNoDevice) {
  QTemporaryDir dir;
  const QString plain = dir.filePath(QStringLiteral("plain"));
  QFile file(plain);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();

  const UinputDevice::Result onFile =
      UinputDevice::create(QStringLiteral("x"), hidEventCapabilities(), plain);
  EXPECT_FALSE(onFile.device);
  EXPECT_EQ(onFile.error, ENOTTY);
  const QString missing = dir.filePath(QStringLiteral("missing"));
  const UinputDevice::Result onNothing = UinputDevice::create(QStringLiteral("x"), {}, missing);
  EXPECT_FALSE(onNothing.device);
  EXPECT_EQ(onNothing.error, ENOENT);
  EXPECT_EQ(UinputDevice::unusableReason(missing), UinputDevice::reasonForError(ENOENT, missing));
  EXPECT_TRUE(UinputDevice::unusableReason(plain).isEmpty());  // it opens; the ioctls fail later
}

std::unique_ptr<UinputDevice> realDevice(const UinputDevice::Capabilities& caps, QString* node) {
  UinputDevice::Result made = UinputDevice::create(QStringLiteral("Halvane test device"), caps);
  if (made.device) *node = made.device->eventNodePath();
  return std::move(made.device);
}

#define SKIP_WITHOUT_UINPUT()                                                    \
  if (const QString why = UinputDevice::unusableReason(); !why.isEmpty())        \
  GTEST_SKIP() << "uinput cannot be used on this machine (" << why.toStdString() \
               << "); the uinput HID event service is tested through the recording sink only"

TEST(UinputDeviceOnThisMachine, HIDEventsReachTheEventNode) {
  SKIP_WITHOUT_UINPUT();
  QString node;
  UinputHIDEventSystem system([&node] {
    std::unique_ptr<UinputDevice> device = realDevice(hidEventCapabilities(), &node);
    const int error = device ? 0 : EIO;
    return UinputHIDEventSystem::MadeSink{std::move(device), error};
  });
  const HIDEventSystem::OpenResult opened = system.open();
  ASSERT_EQ(opened.stage, HIDEventSystem::OpenResult::Stage::Opened);
  EventNodeReader reader(node);
  ASSERT_TRUE(reader.isOpen()) << node.toStdString();
  NXEventData release = ejectPress();
  release[5] = 0x0B;
  NXEventData moved{};
  moved[0] = 4;  // dx 4
  EXPECT_EQ(system.post(opened.connection, hidevent::kSystemDefined, {}, ejectPress(), 2, 0, 0), 0);
  EXPECT_EQ(system.post(opened.connection, hidevent::kSystemDefined, {}, release, 2, 0, 0), 0);
  EXPECT_EQ(system.post(opened.connection, hidevent::kMouseMoved, {}, moved, 2, 0,
                        hidevent::kSetRelativeCursorPosition),
            0);
  EXPECT_EQ(reader.next(), keyEv(KEY_EJECTCD, 1));
  EXPECT_EQ(reader.next(), keyEv(KEY_EJECTCD, 0));
  EXPECT_EQ(reader.next(), (InputEvent{EV_REL, REL_X, 4}));
}

}  // namespace
}  // namespace halvane::test
