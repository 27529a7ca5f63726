// Which backends the factories choose for each kind of session, from its probe alone, and why not
// the others; and what they make when there is no display, with the one line they log.
#include "platform/desktop/frontapp/BackendChoice.h"
#include "platform/desktop/frontapp/FrontApplicationWatcherFactory.h"
#include "platform/desktop/frontapp/WindowActivationRelay.h"
#include "platform/desktop/overlay/OverlaySurfaceFactory.h"
#include "platform/input/hidevent/HIDEventSystemFactory.h"
#include "platform/input/hotkeys/HotKeyServiceFactory.h"
#include "platform/input/posters/KeyboardEventPosterFactory.h"
#include "platform/input/uinput/UinputDevice.h"
#include "platform/system/log/FakeSystemLog.h"

#include <gtest/gtest.h>

#include <map>

namespace halvane::test {
namespace {

const QString kNoUinput = QStringLiteral("no permission on /dev/uinput");
const QStringList kBaseGlobals = {QStringLiteral("wl_compositor"), QStringLiteral("wl_shm"),
                                  QStringLiteral("wl_seat")};
const QStringList kWlrootsGlobals =
    kBaseGlobals + QStringList{QStringLiteral("zwlr_layer_shell_v1"),
                               QStringLiteral("zwlr_foreign_toplevel_manager_v1"),
                               QStringLiteral("zwp_virtual_keyboard_manager_v1")};

SessionProbe waylandSession(const char* desktop, const QStringList& globals) {
  SessionProbe p;
  p.sessionType = QStringLiteral("wayland");
  p.waylandDisplay = QStringLiteral("wayland-1");
  p.currentDesktop = QLatin1String(desktop);
  p.waylandConnected = true;
  p.waylandGlobals = globals;
  p.busConnected = true;
  return p;
}

// The sessions of the tables, as readSession would find them; uinput usable on some only.
std::map<std::string, SessionProbe> sessions() {
  SessionProbe x11;
  x11.sessionType = QStringLiteral("x11");
  x11.x11Display = QStringLiteral(":0");
  x11.currentDesktop = QStringLiteral("XFCE");
  x11.busConnected = true;
  x11.busNames = {QString::fromLatin1(kNotificationsBusName)};

  SessionProbe sway = waylandSession("sway", kWlrootsGlobals);
  sway.swaySocket = QStringLiteral("/run/user/1000/sway-ipc.sock");
  sway.x11Display = QStringLiteral(":1");  // XWayland
  sway.uinputUnusable = kNoUinput;

  SessionProbe kde = waylandSession("KDE", kBaseGlobals + QStringList{"zwlr_layer_shell_v1"});
  kde.busNames = {QString::fromLatin1(kKWinBusName), QString::fromLatin1(kNotificationsBusName)};

  SessionProbe gnome = waylandSession("GNOME", kBaseGlobals);
  gnome.x11Display = QStringLiteral(":0");
  gnome.busNames = {QString::fromLatin1(kGnomeShellBusName),
                    QString::fromLatin1(kHalvaneOverlayBusName)};
  gnome.uinputUnusable = kNoUinput;

  SessionProbe hyprland = waylandSession("Hyprland", kWlrootsGlobals);
  hyprland.hyprlandSignature = QStringLiteral("abc_123");

  SessionProbe niri = waylandSession("niri", kBaseGlobals + QStringList{"zwlr_layer_shell_v1"});
  niri.niriSocket = QStringLiteral("/run/user/1000/niri.sock");
  niri.uinputUnusable = kNoUinput;

  SessionProbe none;
  none.uinputUnusable = kNoUinput;

  return {{"x11", x11},           {"sway", sway}, {"kwin", kde}, {"gnome", gnome},
          {"hyprland", hyprland}, {"niri", niri}, {"none", none}};
}

// A row: the session, the backend chosen, and pieces of why each named other one was not.
template <typename Backend>
struct Row {
  const char* session;
  Backend chosen;
  std::vector<std::pair<Backend, const char*>> notTaken;
};

// The choice is the row's; every backend the row names was passed over for a reason that says
// what it says; the chosen one never is.
template <typename Backend, typename NameOf>
void expectChoice(const TypedChoice<Backend>& choice, const Row<Backend>& row, NameOf nameOf) {
  SCOPED_TRACE(row.session);
  EXPECT_EQ(nameOf(choice.backend), nameOf(row.chosen)) << choice.logLine().toStdString();
  EXPECT_FALSE(choice.why.isEmpty());
  EXPECT_FALSE(choice.logLine().contains(u'\n'));
  std::map<QString, QString> reasons;
  for (const auto& [backend, why] : choice.notTaken) {
    EXPECT_NE(nameOf(backend), nameOf(choice.backend));
    reasons[nameOf(backend)] = why;
  }
  for (const auto& [backend, piece] : row.notTaken) {
    const QString name = nameOf(backend);
    ASSERT_TRUE(reasons.count(name)) << name.toStdString() << " in " << choice.text.toStdString();
    EXPECT_TRUE(reasons[name].contains(QLatin1String(piece)))
        << name.toStdString() << ": " << reasons[name].toStdString();
  }
}

TEST(SessionProbeTable, KeyEvents) {
  using B = KeyEventBackend;
  const Row<B> rows[] = {
      {"x11", B::XTest, {}},
      {"sway", B::WaylandVirtualKeyboard, {{B::Uinput, "no permission"}}},
      {"kwin", B::Uinput, {}},
      {"gnome",
       B::XTest,
       {{B::Uinput, "no permission"},
        {B::WaylandVirtualKeyboard, "has no zwp_virtual_keyboard_manager_v1"}}},
      {"hyprland", B::Uinput, {}},
      {"niri",
       B::TraceOnly,
       {{B::Uinput, "no permission"},
        {B::WaylandVirtualKeyboard, "has no zwp_virtual_keyboard_manager_v1"},
        {B::XTest, "DISPLAY is not set"}}},
      {"none", B::TraceOnly, {{B::XTest, "DISPLAY is not set"}, {B::Uinput, "no permission"}}},
  };
  const auto all = sessions();
  for (const auto& row : rows)
    expectChoice(chooseKeyEventBackend(all.at(row.session)), row, keyEventBackendName);
  // A backend that could not be made after all is passed over, with what making it said.
  const KeyEventBackendChoice retried = chooseKeyEventBackend(
      all.at("sway"), {{B::WaylandVirtualKeyboard, QStringLiteral("no keymap")}});
  expectChoice(retried, {"sway, no keymap", B::XTest, {{B::WaylandVirtualKeyboard, "no keymap"}}},
               keyEventBackendName);
  EXPECT_TRUE(retried.text.startsWith(QLatin1String("XTest on X display :1, reaching X clients")))
      << retried.text.toStdString();
}

TEST(SessionProbeTable, HIDEvents) {
  using B = HIDEventBackend;
  const Row<B> rows[] = {
      {"x11", B::Uinput, {}},
      {"sway", B::TraceOnly, {{B::Uinput, "no permission"}}},
      {"kwin", B::Uinput, {}},
      {"gnome", B::TraceOnly, {{B::Uinput, "no permission"}}},
      {"hyprland", B::Uinput, {}},
      {"niri", B::TraceOnly, {{B::Uinput, "no permission"}}},
      {"none", B::TraceOnly, {{B::Uinput, "no permission"}}},
  };
  const auto all = sessions();
  for (const auto& row : rows)
    expectChoice(chooseHIDEventBackend(all.at(row.session)), row, hidEventBackendName);
}

TEST(SessionProbeTable, FrontApplication) {
  using B = FrontBackend;
  const Row<B> rows[] = {
      {"x11", B::X11, {{B::GnomeShell, "not a Wayland session"}}},
      {"sway",
       B::Sway,
       {{B::Wlroots, "ranks lower"}, {B::GnomeShell, "XDG_CURRENT_DESKTOP is sway"}}},
      {"kwin", B::KWin, {{B::Sway, "no SWAYSOCK"}, {B::X11, "DISPLAY is not set"}}},
      {"gnome",
       B::GnomeShell,
       {{B::KWin, "XDG_CURRENT_DESKTOP is GNOME"}, {B::X11, "ranks lower"}}},
      {"hyprland", B::Hyprland, {{B::Niri, "no NIRI_SOCKET"}, {B::Wlroots, "ranks lower"}}},
      {"niri",
       B::Niri,
       {{B::Hyprland, "no HYPRLAND_INSTANCE_SIGNATURE"},
        {B::Wlroots, "has no zwlr_foreign_toplevel_manager_v1"}}},
      {"none", B::None, {{B::X11, "DISPLAY is not set"}, {B::KWin, "not a Wayland session"}}},
  };
  const auto all = sessions();
  for (const auto& row : rows)
    expectChoice(chooseFrontBackend(all.at(row.session)), row, frontBackendName);
}

TEST(SessionProbeTable, Overlay) {
  using B = OverlayBackend;
  const Row<B> rows[] = {
      {"x11", B::QtWindow, {}},
      {"sway", B::LayerShell, {}},
      {"kwin", B::LayerShell, {}},
      {"gnome", B::GnomeShell, {{B::LayerShell, "has no zwlr_layer_shell_v1"}}},
      {"hyprland", B::LayerShell, {}},
      {"niri", B::LayerShell, {}},
      {"none", B::QtWindow, {}},
  };
  const auto all = sessions();
  for (const auto& row : rows)
    expectChoice(chooseOverlayBackend(overlaySession(all.at(row.session))), row,
                 overlayBackendName);
  // GNOME without our extension, and without a notification server either.
  SessionProbe bare = all.at("gnome");
  bare.busNames = {QString::fromLatin1(kGnomeShellBusName)};
  expectChoice(
      chooseOverlayBackend(overlaySession(bare)),
      {"gnome, extension off",
       B::QtWindow,
       {{B::GnomeShell, "extension is not enabled"}, {B::Notification, "no notification server"}}},
      overlayBackendName);
}

TEST(SessionProbeTable, HotKeys) {
  using B = HotKeyBackend;
  const QString noPortal = QStringLiteral("the desktop portal has no GlobalShortcuts");
  const struct {
    Row<B> row;
    uint portalVersion;
  } rows[] = {
      {{"x11", B::XGrab, {{B::Portal, "not a Wayland session"}}}, 1},
      {{"sway", B::XGrab, {{B::Portal, "no GlobalShortcuts"}}}, 0},
      {{"kwin", B::Portal, {{B::XGrab, "ranks lower"}}}, 1},
      {{"gnome", B::Portal, {{B::XGrab, "ranks lower"}}}, 1},
      {{"hyprland", B::Portal, {}}, 1},
      {{"niri", B::None, {{B::Portal, "no GlobalShortcuts"}, {B::XGrab, "no X display"}}}, 0},
      {{"none", B::None, {{B::XGrab, "no X display"}}}, 0},
  };
  const auto all = sessions();
  for (const auto& [row, version] : rows)
    expectChoice(chooseHotKeyBackend(
                     hotKeySession(all.at(row.session), version, version ? QString() : noPortal)),
                 row, hotKeyBackendName);
}

// Without a display: what the factories make from such a probe, and the one line they log.
class NoDisplay : public ::testing::Test {
 protected:
  void SetUp() override { session.uinputUnusable = UinputDevice::unusableReason(); }
  SessionProbe session;
  FakeSystemLog log;
};

TEST_F(NoDisplay, KeyboardEventsFallToUinputOrToTheTraceAlone) {
  std::unique_ptr<KeyboardEventPoster> poster = createKeyboardEventPoster(session, log);
  ASSERT_TRUE(poster);
  ASSERT_EQ(log.lines.size(), 1);
  const QString line = log.lines.first();
  EXPECT_TRUE(line.contains(QStringLiteral("no XTest: no X display"))) << line.toStdString();
  const QString uinputProblem = UinputDevice::unusableReason();
  if (uinputProblem.isEmpty()) {
    EXPECT_TRUE(line.contains(QStringLiteral("uinput virtual keyboard"))) << line.toStdString();
  } else {
    EXPECT_TRUE(line.contains(QStringLiteral("only traced"))) << line.toStdString();
    EXPECT_TRUE(line.contains(uinputProblem)) << line.toStdString();
  }
  // A key that cannot go anywhere is still accepted.
  poster->postKeyboardEvent(0, true);
  poster->postKeyboardEvent(0, false);
}

TEST_F(NoDisplay, HIDEventsGoToUinputOrAreOnlyTraced) {
  const HIDEventBackendChoice choice = chooseHIDEventBackend(session);
  std::unique_ptr<HIDEventSystem> events = createHIDEventSystem(choice);
  log.log(choice.logLine());
  ASSERT_EQ(log.lines.size(), 1);
  const QString line = log.lines.first();
  const QString uinputProblem = UinputDevice::unusableReason();
  if (uinputProblem.isEmpty()) {
    EXPECT_TRUE(line.contains(QStringLiteral(": uinput"))) << line.toStdString();
  } else {
    EXPECT_TRUE(line.contains(QStringLiteral("traced only"))) << line.toStdString();
    EXPECT_TRUE(line.contains(uinputProblem)) << line.toStdString();
  }
  // Either way the service opens and takes the eject key's events.
  const HIDEventSystem::OpenResult opened = events->open();
  ASSERT_EQ(opened.stage, HIDEventSystem::OpenResult::Stage::Opened);
  EXPECT_NE(opened.connection, 0u);
  NXEventData eject{};
  eject[2] = 8;
  eject[5] = 0x0A;
  eject[6] = 14;
  EXPECT_EQ(events->post(opened.connection, 14, {}, eject, 2, 0, 0), 0);
}

TEST_F(NoDisplay, TheFrontApplicationIsNeverKnown) {
  const FrontBackendChoice choice = chooseFrontBackend(session);
  log.log(choice.logLine());
  NoBackendOutcomes outcomes;
  WindowActivationRelay relay;
  std::unique_ptr<FrontApplicationWatcher> watcher =
      createFrontApplicationWatcher(choice, session, {log, outcomes, relay});
  ASSERT_EQ(log.lines.size(), 1);
  EXPECT_TRUE(log.lines.first().contains(QStringLiteral("DISPLAY is not set")));
  bool called = false;
  watcher->setFrontSwitchedHandler([&] { called = true; });
  EXPECT_EQ(watcher->frontApplication().window, std::nullopt);
  EXPECT_EQ(watcher->frontApplication().names(), QStringList());
  EXPECT_FALSE(called);
}

}  // namespace
}  // namespace halvane::test
