// The uinput backends against a recording sink, and against the real device where the machine
// lets this process make one.
#include "platform/input/hidevent/HIDEventTranslation.h"
#include "platform/input/hidevent/UinputHIDEventSystem.h"
#include "platform/input/keycodes/MacKeyCodes.h"
#include "platform/input/posters/UinputKeyboardEventPoster.h"
#include "platform/input/uinput/UinputDevice.h"
#include "platform/system/log/FakeSystemLog.h"
#include "tests/desktop/RecordingSink.h"

#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <linux/input.h>
#include <poll.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>

namespace halvane::test {
namespace {

InputEvent keyEv(int code, int value) {
  return {EV_KEY, std::uint16_t(code), value};
}

std::unique_ptr<UinputKeyboardEventPoster> recordingPoster(Frames* frames) {
  static FakeSystemLog log;
  return std::make_unique<UinputKeyboardEventPoster>(std::make_unique<RecordingSink>(frames), log);
}

TEST(UinputKeyboardEventPoster, PostsAMacroInOrderWithEachEventInAFrameOfItsOwn) {
  Frames frames;
  auto poster = recordingPoster(&frames);
  // Shift, Control, Option, Command down; the key; then the modifiers up in reverse.
  const std::pair<int, bool> macro[] = {{56, true},   {59, true},    {58, true},  {55, true},
                                        {0x0B, true}, {0x0B, false}, {55, false}, {58, false},
                                        {59, false},  {56, false}};
  for (auto [key, down] : macro) poster->postKeyboardEvent(quint16(key), down);
  const Frames expected = {{keyEv(KEY_LEFTSHIFT, 1)}, {keyEv(KEY_LEFTCTRL, 1)},
                           {keyEv(KEY_LEFTALT, 1)},   {keyEv(KEY_LEFTMETA, 1)},
                           {keyEv(KEY_B, 1)},         {keyEv(KEY_B, 0)},
                           {keyEv(KEY_LEFTMETA, 0)},  {keyEv(KEY_LEFTALT, 0)},
                           {keyEv(KEY_LEFTCTRL, 0)},  {keyEv(KEY_LEFTSHIFT, 0)}};
  EXPECT_EQ(frames, expected);
}

TEST(UinputKeyboardEventPoster, SkipsKeyCodesWithoutAnEvdevKey) {
  Frames frames;
  auto poster = recordingPoster(&frames);
  poster->postKeyboardEvent(0x34, true);
  poster->postKeyboardEvent(0xFFFF, true);
  poster->postKeyboardEvent(kVK_Return, true);
  EXPECT_EQ(frames, Frames({{keyEv(KEY_ENTER, 1)}}));
}

TEST(UinputKeyboardEventPoster, ReleasesTheKeysStillHeldWhenDestroyed) {
  Frames frames;
  auto poster = recordingPoster(&frames);
  poster->postKeyboardEvent(kVK_Shift, true);
  poster->postKeyboardEvent(kVK_ANSI_S, true);
  poster->postKeyboardEvent(kVK_ANSI_D, true);
  poster->postKeyboardEvent(kVK_ANSI_D, false);
  frames.clear();
  poster.reset();
  ASSERT_EQ(frames.size(), 2u);
  EXPECT_NE(std::find(frames.begin(), frames.end(), std::vector{keyEv(KEY_LEFTSHIFT, 0)}),
            frames.end());
  EXPECT_NE(std::find(frames.begin(), frames.end(), std::vector{keyEv(KEY_S, 0)}), frames.end());
}

TEST(UinputKeyboardEventPoster, AKeyTheDeviceRefusesIsNotHeldAndIsLoggedOncePerChange) {
  Frames frames;
  FakeSystemLog log;
  auto sink = std::make_unique<RecordingSink>(&frames);
  RecordingSink* device = sink.get();
  auto poster = std::make_unique<UinputKeyboardEventPoster>(std::move(sink), log);
  ASSERT_TRUE(poster->postKeyboardEvent(kVK_Shift, true));
  ASSERT_TRUE(poster->postKeyboardEvent(kVK_Control, true));
  EXPECT_TRUE(log.lines.isEmpty());

  device->failWrites = true;
  EXPECT_FALSE(poster->postKeyboardEvent(kVK_ANSI_A, true));
  EXPECT_FALSE(poster->postKeyboardEvent(kVK_ANSI_B, true));
  EXPECT_FALSE(poster->postKeyboardEvent(kVK_Shift, false));
  ASSERT_EQ(log.lines.size(), 1) << qPrintable(log.lines.join('\n'));
  EXPECT_TRUE(log.lines[0].contains(QLatin1String("could not be written")));

  device->failWrites = false;
  EXPECT_TRUE(poster->postKeyboardEvent(kVK_Control, false));
  EXPECT_TRUE(poster->postKeyboardEvent(kVK_ANSI_C, true));
  ASSERT_EQ(log.lines.size(), 2) << qPrintable(log.lines.join('\n'));
  EXPECT_TRUE(log.lines[1].contains(QLatin1String("again")));
  device->failWrites = true;
  EXPECT_FALSE(poster->postKeyboardEvent(kVK_ANSI_C, false));
  EXPECT_EQ(log.lines.size(), 3) << "a new failure after the recovery is a new change";

  // Held now: Shift (its release was refused) and C (likewise); A and B never went down.
  device->failWrites = false;
  frames.clear();
  poster.reset();
  std::sort(frames.begin(), frames.end(),
            [](const auto& a, const auto& b) { return a.front().code < b.front().code; });
  const Frames released = {{keyEv(KEY_LEFTSHIFT, 0)}, {keyEv(KEY_C, 0)}};
  EXPECT_EQ(frames, released);
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

// Reads the key events the kernel hands to readers of the device's event node.
class EventNodeReader {
 public:
  explicit EventNodeReader(const QString& node)
      : fd_(::open(QFile::encodeName(node).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)) {}
  ~EventNodeReader() {
    if (fd_ >= 0) ::close(fd_);
  }
  bool isOpen() const { return fd_ >= 0; }
  // The next key or relative event, skipping synchronisation; nothing after a bounded wait.
  std::optional<InputEvent> next() {
    for (int tries = 0; tries < 50; ++tries) {
      input_event ev{};
      if (::read(fd_, &ev, sizeof(ev)) == ssize_t(sizeof(ev))) {
        if (ev.type == EV_SYN || ev.type == EV_MSC) continue;
        return InputEvent{ev.type, ev.code, ev.value};
      }
      pollfd p{fd_, POLLIN, 0};
      ::poll(&p, 1, 100);
    }
    return std::nullopt;
  }

 private:
  int fd_;
};

std::unique_ptr<UinputDevice> realDevice(const UinputDevice::Capabilities& caps, QString* node) {
  UinputDevice::Result made = UinputDevice::create(QStringLiteral("Halvane test device"), caps);
  if (made.device) *node = made.device->eventNodePath();
  return std::move(made.device);
}

#define SKIP_WITHOUT_UINPUT()                                                    \
  if (const QString why = UinputDevice::unusableReason(); !why.isEmpty())        \
  GTEST_SKIP() << "uinput cannot be used on this machine (" << why.toStdString() \
               << "); the uinput backends are tested through the recording sink only"

TEST(UinputDeviceOnThisMachine, KeyboardPosterKeysReachTheEventNode) {
  SKIP_WITHOUT_UINPUT();
  QString node;
  std::unique_ptr<UinputDevice> device =
      realDevice(UinputKeyboardEventPoster::capabilities(), &node);
  ASSERT_TRUE(device);
  ASSERT_FALSE(node.isEmpty());
  EventNodeReader reader(node);
  ASSERT_TRUE(reader.isOpen()) << node.toStdString();
  FakeSystemLog log;
  UinputKeyboardEventPoster poster(std::move(device), log);
  poster.postKeyboardEvent(kVK_Command, true);
  poster.postKeyboardEvent(kVK_ANSI_Q, true);
  poster.postKeyboardEvent(kVK_ANSI_Q, false);
  poster.postKeyboardEvent(kVK_Command, false);
  for (const InputEvent& want :
       {keyEv(KEY_LEFTMETA, 1), keyEv(KEY_Q, 1), keyEv(KEY_Q, 0), keyEv(KEY_LEFTMETA, 0)})
    EXPECT_EQ(reader.next(), want);
}

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
