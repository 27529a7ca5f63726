// The pointer posters as their readers see them: uinput's frames (and, where /dev/uinput can be
// used, the kernel's node), XTest's buttons at an X window, the backend choice, the trace lines.

#include "platform/input/pointer/FakePointerEventPoster.h"
#include "platform/input/pointer/PointerEventPosterFactory.h"
#include "platform/input/pointer/TracedPointerEventPoster.h"
#include "platform/input/pointer/UinputPointerEventPoster.h"
#include "platform/input/pointer/XTestPointerEventPoster.h"
#include "platform/system/log/FakeSystemLog.h"
#include "tests/platform/input/uinput/EventNodeReader.h"
#include "tests/platform/input/uinput/RecordingSink.h"

#include <QFile>
#include <QTemporaryDir>

#include <linux/input.h>
#include <sys/ioctl.h>
#include <xcb/xcb.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

namespace halvane::test {
namespace {

using settings::MouseButton;
using settings::WheelDirection;

InputEvent key(int code, int value) {
  return {EV_KEY, std::uint16_t(code), value};
}
InputEvent rel(int code, int value) {
  return {EV_REL, std::uint16_t(code), value};
}

// One call to a poster.
struct Post {
  bool wheel;
  MouseButton button = MouseButton::Left;
  bool down = false;
  WheelDirection direction = WheelDirection::Up;
  int notches = 0;
};
Post button(MouseButton b, bool down) {
  return {false, b, down};
}
Post wheel(WheelDirection d, int notches) {
  return {true, MouseButton::Left, false, d, notches};
}
bool post(PointerEventPoster& poster, const Post& p) {
  return p.wheel ? poster.postWheel(p.direction, p.notches) : poster.postButton(p.button, p.down);
}

struct FrameCase {
  Post post;
  std::vector<InputEvent> frame;
};

const std::vector<FrameCase>& frameCases() {
  static const std::vector<FrameCase> cases = {
      {button(MouseButton::Left, true), {key(BTN_LEFT, 1)}},
      {button(MouseButton::Left, false), {key(BTN_LEFT, 0)}},
      {button(MouseButton::Right, true), {key(BTN_RIGHT, 1)}},
      {button(MouseButton::Middle, true), {key(BTN_MIDDLE, 1)}},
      {button(MouseButton::Back, true), {key(BTN_SIDE, 1)}},
      {button(MouseButton::Forward, false), {key(BTN_EXTRA, 0)}},
      {wheel(WheelDirection::Up, 1), {rel(REL_WHEEL, 1), rel(REL_WHEEL_HI_RES, 120)}},
      {wheel(WheelDirection::Down, 3), {rel(REL_WHEEL, -3), rel(REL_WHEEL_HI_RES, -360)}},
      {wheel(WheelDirection::Right, 2), {rel(REL_HWHEEL, 2), rel(REL_HWHEEL_HI_RES, 240)}},
      {wheel(WheelDirection::Left, 20), {rel(REL_HWHEEL, -20), rel(REL_HWHEEL_HI_RES, -2400)}},
  };
  return cases;
}

TEST(UinputPointerEventPoster, EachButtonAndWheelIsOneFrameOfItsKernelCodes) {
  for (const FrameCase& c : frameCases()) {
    Frames frames;
    FakeSystemLog log;
    {
      UinputPointerEventPoster poster(std::make_unique<RecordingSink>(&frames), log);
      EXPECT_TRUE(post(poster, c.post));
    }
    ASSERT_FALSE(frames.empty());
    EXPECT_EQ(frames.front(), c.frame);
    // A button left down is let go of when the poster goes, and nothing else is sent.
    const bool leftDown = !c.post.wheel && c.post.down;
    EXPECT_EQ(frames.size(), leftDown ? 2u : 1u);
    if (leftDown) {
      EXPECT_EQ(frames.back(), std::vector<InputEvent>{key(c.frame[0].code, 0)});
    }
  }
}

TEST(UinputPointerEventPoster, ClaimsTheButtonsAndAxesAMouseHas) {
  const UinputDevice::Capabilities caps = UinputPointerEventPoster::capabilities();
  for (const FrameCase& c : frameCases())
    for (const InputEvent& e : c.frame) {
      const std::vector<int>& claimed = e.type == EV_KEY ? caps.keys : caps.relative;
      EXPECT_NE(std::find(claimed.begin(), claimed.end(), e.code), claimed.end()) << e.code;
    }
  // udev and libinput take a device for a mouse only with both axes.
  for (int axis : {REL_X, REL_Y})
    EXPECT_NE(std::find(caps.relative.begin(), caps.relative.end(), axis), caps.relative.end());
}

TEST(UinputPointerEventPoster, ARefusedWriteIsNotHeldAndIsLoggedOncePerChange) {
  Frames frames;
  FakeSystemLog log;
  auto sink = std::make_unique<RecordingSink>(&frames);
  RecordingSink* recording = sink.get();
  UinputPointerEventPoster poster(std::move(sink), log);
  recording->failWrites = true;
  EXPECT_FALSE(poster.postButton(MouseButton::Left, true));
  EXPECT_FALSE(poster.postWheel(WheelDirection::Up, 1));
  EXPECT_EQ(log.lines.size(), 1);
  recording->failWrites = false;
  EXPECT_TRUE(poster.postWheel(WheelDirection::Up, 1));
  EXPECT_EQ(log.lines.size(), 2);
  EXPECT_EQ(frames.size(), 1u) << "only the wheel went through; no button is held";
}

// The real device where this machine lets the test make one: the kernel's node says it has the
// buttons and wheels, and its readers see the events.
TEST(UinputPointerEventPoster, TheKernelsNodeHasTheButtonsAndShowsTheEvents) {
  if (const QString why = UinputDevice::unusableReason(); !why.isEmpty())
    GTEST_SKIP() << "no uinput here (the kernel tier reads a real one): " << why.toStdString();
  UinputDevice::Result made = UinputDevice::create(QStringLiteral("Halvane pointer test"),
                                                   UinputPointerEventPoster::capabilities());
  ASSERT_TRUE(made.device) << made.error;
  const QString node = made.device->eventNodePath();
  ASSERT_FALSE(node.isEmpty());
  FakeSystemLog log;
  UinputPointerEventPoster poster(std::move(made.device), log);
  EventNodeReader reader(node);
  ASSERT_TRUE(reader.isOpen()) << node.toStdString();
  for (const FrameCase& c : frameCases()) {
    ASSERT_TRUE(post(poster, c.post));
    for (const InputEvent& expected : c.frame) EXPECT_EQ(reader.next(), expected);
  }
}

struct ChoiceCase {
  const char* name;
  QString wayland, display, xRefused, uinputUnusable;
  PointerFailures failed;
  PointerBackend backend;
  std::vector<PointerBackend> notTaken;
};

TEST(PointerBackendChoice, FollowsTheSessionAsSyntheticKeysDo) {
  using B = PointerBackend;
  const QString noUinput = QStringLiteral("no /dev/uinput");
  const std::vector<ChoiceCase> cases = {
      {"X11", {}, ":1", {}, {}, {}, B::XTest, {}},
      {"X11 without XTest",
       {},
       ":1",
       {},
       {},
       {{B::XTest, QStringLiteral("no XTEST")}},
       B::Uinput,
       {B::XTest}},
      {"no display", {}, {}, {}, {}, {}, B::Uinput, {B::XTest}},
      {"nothing", {}, {}, {}, noUinput, {}, B::TraceOnly, {B::XTest, B::Uinput}},
      {"X display refused",
       {},
       ":1",
       QStringLiteral("refused"),
       noUinput,
       {},
       B::TraceOnly,
       {B::XTest, B::Uinput}},
      {"Wayland", "wayland-0", ":0", {}, {}, {}, B::Uinput, {}},
      {"Wayland without uinput", "wayland-0", ":0", {}, noUinput, {}, B::XTest, {B::Uinput}},
      {"Wayland, uinput fails to be made",
       "wayland-0",
       ":0",
       {},
       {},
       {{B::Uinput, QStringLiteral("EACCES")}},
       B::XTest,
       {B::Uinput}},
      {"Wayland without X", "wayland-0", {}, {}, noUinput, {}, B::TraceOnly, {B::Uinput, B::XTest}},
  };
  for (const ChoiceCase& c : cases) {
    SessionProbe probe;
    probe.waylandDisplay = c.wayland;
    probe.x11Display = c.display;
    probe.xRefused = c.xRefused;
    probe.uinputUnusable = c.uinputUnusable;
    const PointerBackendChoice choice = choosePointerBackend(probe, c.failed);
    EXPECT_EQ(choice.backend, c.backend) << c.name;
    std::vector<B> notTaken;
    for (const auto& [backend, why] : choice.notTaken) {
      notTaken.push_back(backend);
      EXPECT_FALSE(why.isEmpty()) << c.name;
    }
    EXPECT_EQ(notTaken, c.notTaken) << c.name;
    EXPECT_TRUE(choice.logLine().startsWith(choice.subject + QStringLiteral(": "))) << c.name;
  }
}

TEST(PointerEventPosterFactory, WithoutABackendMakesTheTraceOnlyPosterAndSaysSoOnce) {
  SessionProbe probe;
  probe.uinputUnusable = QStringLiteral("no /dev/uinput");
  FakeSystemLog log;
  PointerBackendChoice made;
  std::unique_ptr<PointerEventPoster> poster = createPointerEventPoster(probe, log, &made);
  ASSERT_TRUE(poster);
  EXPECT_EQ(made.backend, PointerBackend::TraceOnly);
  ASSERT_EQ(log.lines.size(), 1);
  EXPECT_TRUE(log.lines[0].contains(QStringLiteral("none, "))) << log.lines[0].toStdString();
  EXPECT_TRUE(poster->postButton(MouseButton::Left, true));
  EXPECT_TRUE(poster->postWheel(WheelDirection::Down, 2));
}

TEST(TracedPointerEventPoster, WritesOneLinePerCallWithTheStoredWordsAndPassesItOn) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("trace.jsonl"));
  FakePointerEventPoster inner;
  {
    Trace trace(path);
    TracedPointerEventPoster traced(inner, trace);
    for (const Post& p : {button(MouseButton::Back, true), button(MouseButton::Back, false),
                          wheel(WheelDirection::Left, 7)})
      EXPECT_TRUE(post(traced, p));
  }
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(),
            QByteArray("{\"op\":\"pointerButton\",\"button\":\"Back\",\"down\":true}\n"
                       "{\"op\":\"pointerButton\",\"button\":\"Back\",\"down\":false}\n"
                       "{\"op\":\"wheel\",\"direction\":\"Left\",\"notches\":7}\n"));
  ASSERT_EQ(inner.calls.size(), 3u);
  EXPECT_EQ(inner.calls[2].notches, 7);
}

// An X window under the pointer that hears button presses and releases.
class ButtonWindow {
 public:
  ButtonWindow() : connection_(xcb_connect(nullptr, nullptr)) {
    if (xcb_connection_has_error(connection_)) return;
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
    window_ = xcb_generate_id(connection_);
    // Override-redirect: no window manager moves it, and it stays on top under the pointer.
    const std::uint32_t values[] = {1, XCB_EVENT_MASK_BUTTON_PRESS | XCB_EVENT_MASK_BUTTON_RELEASE};
    xcb_create_window(connection_, XCB_COPY_FROM_PARENT, window_, screen->root, 0, 0, 200, 200, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual,
                      XCB_CW_OVERRIDE_REDIRECT | XCB_CW_EVENT_MASK, values);
    xcb_map_window(connection_, window_);
    const std::uint32_t above[] = {XCB_STACK_MODE_ABOVE};
    xcb_configure_window(connection_, window_, XCB_CONFIG_WINDOW_STACK_MODE, above);
    xcb_warp_pointer(connection_, XCB_NONE, window_, 0, 0, 0, 0, 100, 100);
    std::free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
    ready_ = true;
  }
  ~ButtonWindow() { xcb_disconnect(connection_); }
  bool ready() const { return ready_; }

  // The next button event as (button, pressed); nothing after a bounded wait.
  std::optional<std::pair<int, bool>> next() {
    for (int tries = 0; tries < 300; ++tries) {
      while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
        const int type = event->response_type & 0x7f;
        std::optional<std::pair<int, bool>> seen;
        if (type == XCB_BUTTON_PRESS || type == XCB_BUTTON_RELEASE)
          seen = std::pair{int(reinterpret_cast<xcb_button_press_event_t*>(event)->detail),
                           type == XCB_BUTTON_PRESS};
        std::free(event);
        if (seen) return seen;
      }
      usleep(10000);
    }
    return std::nullopt;
  }

 private:
  xcb_connection_t* connection_;
  xcb_window_t window_ = 0;
  bool ready_ = false;
};

TEST(XTestPointerEventPoster, AnXClientSeesTheButtonsAndTheWheelsButtons) {
  if (qEnvironmentVariableIsEmpty("DISPLAY"))
    GTEST_SKIP() << "no X display: run through scripts/with-session";
  ButtonWindow window;
  ASSERT_TRUE(window.ready());
  struct Case {
    Post post;
    std::vector<std::pair<int, bool>> seen;
  };
  const std::vector<Case> cases = {
      {button(MouseButton::Left, true), {{1, true}}},
      {button(MouseButton::Left, false), {{1, false}}},
      {button(MouseButton::Right, true), {{3, true}}},
      {button(MouseButton::Right, false), {{3, false}}},
      {button(MouseButton::Middle, true), {{2, true}}},
      {button(MouseButton::Middle, false), {{2, false}}},
      {button(MouseButton::Back, true), {{8, true}}},
      {button(MouseButton::Back, false), {{8, false}}},
      {button(MouseButton::Forward, true), {{9, true}}},
      {button(MouseButton::Forward, false), {{9, false}}},
      {wheel(WheelDirection::Up, 1), {{4, true}, {4, false}}},
      {wheel(WheelDirection::Down, 2), {{5, true}, {5, false}, {5, true}, {5, false}}},
      {wheel(WheelDirection::Left, 1), {{6, true}, {6, false}}},
      {wheel(WheelDirection::Right, 1), {{7, true}, {7, false}}},
  };
  QString why;
  std::unique_ptr<XTestPointerEventPoster> poster = XTestPointerEventPoster::connect(&why);
  ASSERT_TRUE(poster) << why.toStdString();
  for (const Case& c : cases) {
    ASSERT_TRUE(post(*poster, c.post));
    for (const auto& expected : c.seen) EXPECT_EQ(window.next(), expected);
  }
  // A button still down is let go of when the poster goes.
  ASSERT_TRUE(poster->postButton(MouseButton::Middle, true));
  EXPECT_EQ(window.next(), std::pair(2, true));
  poster.reset();
  EXPECT_EQ(window.next(), std::pair(2, false));
}

TEST(XTestPointerEventPoster, AnUnreachableDisplayGivesNoPosterAndSaysWhy) {
  QString why;
  EXPECT_FALSE(XTestPointerEventPoster::connect(&why, ":987"));
  EXPECT_TRUE(why.contains(QStringLiteral(":987"))) << why.toStdString();
}

}  // namespace
}  // namespace halvane::test
