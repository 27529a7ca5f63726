// The key posters that type into the desktop, each as a reader of its keys sees them: XTest as
// an X client with the focus receives them, uinput through the kernel's event node, and the
// uinput poster's frames as its sink gets them. Each backend is skipped, saying why, where this
// machine cannot run it.
#include "platform/input/keycodes/MacKeyCodes.h"
#include "platform/input/posters/UinputKeyboardEventPoster.h"
#include "platform/input/posters/XTestKeyboardEventPoster.h"
#include "platform/input/uinput/UinputDevice.h"
#include "platform/system/log/FakeSystemLog.h"
#include "tests/platform/input/uinput/EventNodeReader.h"
#include "tests/platform/input/uinput/RecordingSink.h"
#include "tests/support/XClient.h"

#include <linux/input-event-codes.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace halvane::test {
namespace {

// A key as the reader saw it: pressed or released, its evdev code and, where the reader knows
// it (X), the modifiers held before it.
struct SeenKey {
  bool press;
  int code;
  std::optional<std::uint16_t> state;
};

// One backend: makes its poster and reads back what the poster typed.
class PosterRig {
 public:
  virtual ~PosterRig() = default;
  // Empty when the backend can run on this machine, else why not.
  virtual QString unusable() { return {}; }
  // A fresh poster in place of the last one (which releases what it still holds as it goes).
  virtual std::unique_ptr<KeyboardEventPoster> makePoster() = 0;
  // The next n keys (fewer when they do not come).
  virtual std::vector<SeenKey> read(size_t n) = 0;
  // Where the reader sees every frame: fails on anything after the keys read.
  virtual void expectNothingMore() {}
  // The X modifier mask an evdev modifier sets; nothing where the reader has no such state.
  virtual std::optional<std::uint16_t> modifierMask(int) { return std::nullopt; }

 protected:
  FakeSystemLog log_;  // what the uinput poster says of failed writes
};

class XTestRig : public PosterRig {
 public:
  QString unusable() override {
    return qEnvironmentVariableIsEmpty("DISPLAY")
               ? QStringLiteral("no X display: run through scripts/with-session")
               : QString();
  }
  std::unique_ptr<KeyboardEventPoster> makePoster() override {
    if (!client_) {
      client_ = XClient::connect();
      EXPECT_TRUE(client_) << "cannot connect to X display " << qgetenv("DISPLAY").toStdString();
      if (!client_) return nullptr;
      client_->focus(client_->createWindow());
    }
    QString why;
    std::unique_ptr<KeyboardEventPoster> poster = XTestKeyboardEventPoster::connect(&why);
    EXPECT_TRUE(poster) << why.toStdString();
    return poster;
  }
  std::vector<SeenKey> read(size_t n) override {
    std::vector<SeenKey> seen;
    while (client_ && seen.size() < n) {
      const std::optional<XClient::Key> key = client_->nextKey(3000);
      if (!key) break;
      seen.push_back({key->press, key->keycode - kX11KeyCodeOffset, key->state});
    }
    return seen;
  }
  std::optional<std::uint16_t> modifierMask(int code) override {
    return client_->modifierMaskOf(std::uint8_t(code + kX11KeyCodeOffset));
  }

 private:
  std::unique_ptr<XClient> client_;
};

// Forwards to a device the rig keeps, so that the keys a poster releases as it goes can still
// be read from the device's node.
class ForwardingSink : public InputEventSink {
 public:
  explicit ForwardingSink(InputEventSink& to) : to_(to) {}
  bool emitFrame(const std::vector<InputEvent>& events) override { return to_.emitFrame(events); }

 private:
  InputEventSink& to_;
};

class UinputDeviceRig : public PosterRig {
 public:
  QString unusable() override {
    const QString why = UinputDevice::unusableReason();
    return why.isEmpty() ? why
                         : QStringLiteral(
                               "uinput cannot be used on this machine (%1); the uinput "
                               "poster is tested through its recording sink")
                               .arg(why);
  }
  std::unique_ptr<KeyboardEventPoster> makePoster() override {
    if (!device_) {
      UinputDevice::Result made = UinputDevice::create(QStringLiteral("Halvane test device"),
                                                       UinputKeyboardEventPoster::capabilities());
      EXPECT_TRUE(made.device) << made.error;
      if (!made.device) return nullptr;
      device_ = std::move(made.device);
      reader_ = std::make_unique<EventNodeReader>(device_->eventNodePath());
      EXPECT_TRUE(reader_->isOpen()) << device_->eventNodePath().toStdString();
    }
    return std::make_unique<UinputKeyboardEventPoster>(std::make_unique<ForwardingSink>(*device_),
                                                       log_);
  }
  std::vector<SeenKey> read(size_t n) override {
    std::vector<SeenKey> seen;
    while (reader_ && seen.size() < n) {
      const std::optional<InputEvent> event = reader_->next();
      if (!event) break;
      EXPECT_EQ(event->type, EV_KEY);
      seen.push_back({event->value == 1, event->code, std::nullopt});
    }
    return seen;
  }

 private:
  std::unique_ptr<UinputDevice> device_;
  std::unique_ptr<EventNodeReader> reader_;
};

class RecordingRig : public PosterRig {
 public:
  std::unique_ptr<KeyboardEventPoster> makePoster() override {
    return std::make_unique<UinputKeyboardEventPoster>(std::make_unique<RecordingSink>(&frames_),
                                                       log_);
  }
  // Each event comes in a frame of its own.
  std::vector<SeenKey> read(size_t n) override {
    std::vector<SeenKey> seen;
    for (; read_ < frames_.size() && seen.size() < n; ++read_) {
      const std::vector<InputEvent>& frame = frames_[read_];
      EXPECT_EQ(frame.size(), 1u) << "frame " << read_;
      if (frame.empty()) continue;
      EXPECT_EQ(frame[0].type, EV_KEY);
      seen.push_back({frame[0].value == 1, frame[0].code, std::nullopt});
    }
    return seen;
  }
  void expectNothingMore() override { EXPECT_EQ(frames_.size(), read_) << "frames after the keys"; }

 private:
  Frames frames_;
  size_t read_ = 0;
};

struct Backend {
  const char* name;
  std::function<std::unique_ptr<PosterRig>()> make;
};

const Backend kBackends[] = {
    {"XTest", [] { return std::make_unique<XTestRig>(); }},
    {"UinputDevice", [] { return std::make_unique<UinputDeviceRig>(); }},
    {"UinputRecordingSink", [] { return std::make_unique<RecordingRig>(); }},
};

void PrintTo(const Backend& backend, std::ostream* os) {
  *os << backend.name;
}

class KeyboardEventPosterTest : public ::testing::TestWithParam<Backend> {
 protected:
  void SetUp() override {
    rig = GetParam().make();
    if (const QString why = rig->unusable(); !why.isEmpty()) GTEST_SKIP() << why.toStdString();
    poster = rig->makePoster();
    ASSERT_TRUE(poster);
  }
  void post(const std::vector<std::pair<int, bool>>& events) {
    for (auto [key, down] : events) poster->postKeyboardEvent(quint16(key), down);
  }
  // Expects exactly want; where the reader knows the modifier state, each key's is the
  // modifiers held before it.
  void expectKeys(const std::vector<SeenKey>& want) {
    const std::vector<SeenKey> got = rig->read(want.size());
    ASSERT_EQ(got.size(), want.size());
    std::vector<int> held;
    for (size_t i = 0; i < want.size(); ++i) {
      EXPECT_EQ(got[i].press, want[i].press) << "key " << i;
      EXPECT_EQ(got[i].code, want[i].code) << "key " << i;
      if (got[i].state) {
        std::uint16_t state = 0;
        for (int code : held) state |= *rig->modifierMask(code);
        EXPECT_EQ(*got[i].state, state) << "key " << i;
      }
      if (rig->modifierMask(want[i].code).value_or(0)) {
        if (want[i].press)
          held.push_back(want[i].code);
        else
          std::erase(held, want[i].code);
      }
    }
  }

  std::unique_ptr<PosterRig> rig;
  std::unique_ptr<KeyboardEventPoster> poster;
};

std::vector<SeenKey> keys(std::initializer_list<std::pair<bool, int>> list) {
  std::vector<SeenKey> out;
  for (auto [press, code] : list) out.push_back({press, code, std::nullopt});
  return out;
}

TEST_P(KeyboardEventPosterTest, MacrosArriveInOrderWithTheirModifiersHeld) {
  // Where the reader knows modifier masks, each modifier has one of its own.
  if (rig->modifierMask(KEY_LEFTSHIFT)) {
    std::vector<std::uint16_t> masks;
    for (int code : {KEY_LEFTSHIFT, KEY_LEFTCTRL, KEY_LEFTALT, KEY_LEFTMETA}) {
      const std::uint16_t mask = *rig->modifierMask(code);
      EXPECT_NE(mask, 0) << code;
      EXPECT_EQ(std::count(masks.begin(), masks.end(), mask), 0) << code;
      masks.push_back(mask);
    }
  }
  // Shift, Control, Option, Command down; the key; then the modifiers up in reverse.
  post({{kVK_Shift, true},
        {kVK_Control, true},
        {kVK_Option, true},
        {kVK_Command, true},
        {0x0B, true},
        {0x0B, false},
        {kVK_Command, false},
        {kVK_Option, false},
        {kVK_Control, false},
        {kVK_Shift, false}});
  expectKeys(keys({{true, KEY_LEFTSHIFT},
                   {true, KEY_LEFTCTRL},
                   {true, KEY_LEFTALT},
                   {true, KEY_LEFTMETA},
                   {true, KEY_B},
                   {false, KEY_B},
                   {false, KEY_LEFTMETA},
                   {false, KEY_LEFTALT},
                   {false, KEY_LEFTCTRL},
                   {false, KEY_LEFTSHIFT}}));
  // Command-Shift-A as a macro step plays it; 0x34 has no key and must leave no trace.
  post({{kVK_Shift, true},
        {kVK_Command, true},
        {0x34, true},
        {kVK_ANSI_A, true},
        {kVK_ANSI_A, false},
        {0x34, false},
        {kVK_Command, false},
        {kVK_Shift, false}});
  expectKeys(keys({{true, KEY_LEFTSHIFT},
                   {true, KEY_LEFTMETA},
                   {true, KEY_A},
                   {false, KEY_A},
                   {false, KEY_LEFTMETA},
                   {false, KEY_LEFTSHIFT}}));
  // Option is Alt and Control is Ctrl.
  post({{kVK_Control, true},
        {kVK_Option, true},
        {kVK_ANSI_Z, true},
        {kVK_ANSI_Z, false},
        {kVK_Option, false},
        {kVK_Control, false}});
  expectKeys(keys({{true, KEY_LEFTCTRL},
                   {true, KEY_LEFTALT},
                   {true, KEY_Z},
                   {false, KEY_Z},
                   {false, KEY_LEFTALT},
                   {false, KEY_LEFTCTRL}}));
  post({{kVK_Command, true}, {kVK_ANSI_Q, true}, {kVK_ANSI_Q, false}, {kVK_Command, false}});
  expectKeys(keys({{true, KEY_LEFTMETA}, {true, KEY_Q}, {false, KEY_Q}, {false, KEY_LEFTMETA}}));
  rig->expectNothingMore();
}

TEST_P(KeyboardEventPosterTest, KeyCodesWithoutAKeyLeaveNoTrace) {
  // The release of Return after them is the first thing to come after its press.
  post({{0x34, true}, {0xFFFF, true}, {kVK_Return, true}, {kVK_Return, false}});
  expectKeys(keys({{true, KEY_ENTER}, {false, KEY_ENTER}}));
  rig->expectNothingMore();
}

TEST_P(KeyboardEventPosterTest, KeysStillHeldAreReleasedWhenThePosterGoes) {
  post({{kVK_Shift, true}, {kVK_ANSI_S, true}, {kVK_ANSI_D, true}, {kVK_ANSI_D, false}});
  expectKeys(keys({{true, KEY_LEFTSHIFT}, {true, KEY_S}, {true, KEY_D}, {false, KEY_D}}));
  poster.reset();
  std::vector<SeenKey> released = rig->read(2);
  ASSERT_EQ(released.size(), 2u);
  std::vector<int> codes;
  for (const SeenKey& key : released) {
    EXPECT_FALSE(key.press) << key.code;
    codes.push_back(key.code);
  }
  std::sort(codes.begin(), codes.end());
  EXPECT_EQ(codes, (std::vector<int>{KEY_S, KEY_LEFTSHIFT}));  // sorted
  // Nothing else came from the poster that went: a new one's key is the next thing read.
  poster = rig->makePoster();
  ASSERT_TRUE(poster);
  post({{kVK_ANSI_M, true}, {kVK_ANSI_M, false}});
  expectKeys(keys({{true, KEY_M}, {false, KEY_M}}));
  rig->expectNothingMore();
}

INSTANTIATE_TEST_SUITE_P(KeyboardEventPoster, KeyboardEventPosterTest,
                         ::testing::ValuesIn(kBackends),
                         [](const ::testing::TestParamInfo<Backend>& info) {
                           return std::string(info.param.name);
                         });

TEST(XTestPosterConnect, AnUnreachableDisplayGivesNoPosterAndSaysWhy) {
  QString why;
  EXPECT_FALSE(XTestKeyboardEventPoster::connect(&why, ":987"));
  EXPECT_TRUE(why.contains(QStringLiteral(":987"))) << why.toStdString();
}

// A key the device refuses is not held, and the failure is logged once per change of state.
TEST(UinputKeyboardEventPoster, AKeyTheDeviceRefusesIsNotHeldAndIsLoggedOncePerChange) {
  const auto key = [](std::uint16_t code, std::int32_t value) {
    return InputEvent{EV_KEY, code, value};
  };
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
  const Frames released = {{key(KEY_LEFTSHIFT, 0)}, {key(KEY_C, 0)}};
  EXPECT_EQ(frames, released);
}

}  // namespace
}  // namespace halvane::test
