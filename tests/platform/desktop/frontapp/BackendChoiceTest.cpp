#include "platform/desktop/frontapp/BackendChoice.h"

#include <gtest/gtest.h>

namespace halvane {
namespace {

const QStringList kWlrGlobals = {QStringLiteral("wl_compositor"),
                                 QStringLiteral("zwlr_foreign_toplevel_manager_v1")};

SessionProbe wayland(const QString& desktop, QStringList globals = {}, QStringList bus = {}) {
  SessionProbe f;
  f.sessionType = QStringLiteral("wayland");
  f.waylandDisplay = QStringLiteral("wayland-0");
  f.x11Display = QStringLiteral(":0");
  f.currentDesktop = desktop;
  f.waylandConnected = true;
  f.waylandGlobals = std::move(globals);
  f.busNames = std::move(bus);
  return f;
}

struct Case {
  const char* name;
  SessionProbe facts;
  FrontBackend expected;
  std::vector<const char*> lineHas;  // pieces the log line must carry
};

TEST(BackendChoice, SessionsChooseTheirBackendAndSayWhyNotTheOthers) {
  SessionProbe x11;
  x11.sessionType = QStringLiteral("x11");
  x11.x11Display = QStringLiteral(":0");
  x11.currentDesktop = QStringLiteral("GNOME");
  x11.busNames = {QStringLiteral("org.gnome.Shell")};

  SessionProbe noDisplay;
  noDisplay.sessionType = QStringLiteral("tty");

  SessionProbe untypedWayland = wayland({}, kWlrGlobals);
  untypedWayland.sessionType.clear();

  SessionProbe sway = wayland(QStringLiteral("sway"), kWlrGlobals);
  sway.swaySocket = QStringLiteral("/run/user/1000/sway-ipc.sock");

  SessionProbe swayWithoutManager = sway;
  swayWithoutManager.waylandGlobals = {QStringLiteral("wl_compositor")};

  SessionProbe hyprland = wayland(QStringLiteral("Hyprland"), kWlrGlobals);
  hyprland.hyprlandSignature = QStringLiteral("abc_123");

  SessionProbe niri = wayland(QStringLiteral("niri"));
  niri.niriSocket = QStringLiteral("/run/user/1000/niri.sock");

  SessionProbe kdeWithoutX = wayland(QStringLiteral("KDE"));
  kdeWithoutX.x11Display.clear();

  const std::vector<Case> cases = {
      {"X11 session, even on GNOME",
       x11,
       FrontBackend::X11,
       {"x11, _NET_ACTIVE_WINDOW;", "not gnome-shell: not a Wayland session"}},
      {"GNOME on Wayland",
       wayland(QStringLiteral("ubuntu:GNOME"), {}, {QStringLiteral("org.gnome.Shell")}),
       FrontBackend::GnomeShell,
       {"gnome-shell, through our GNOME Shell extension", "not x11: ranks lower"}},
      {"GNOME declared but no Shell on the bus",
       wayland(QStringLiteral("GNOME")),
       FrontBackend::X11,
       {"org.gnome.Shell is not on the session bus", "XWayland, which sees X applications only"}},
      {"KDE Plasma on Wayland",
       wayland(QStringLiteral("KDE"), {},
               {QStringLiteral("org.kde.KWin"), QStringLiteral("org.gnome.Shell")}),
       FrontBackend::KWin,
       {"kwin, through our KWin script", "not gnome-shell: XDG_CURRENT_DESKTOP is KDE"}},
      {"sway",
       sway,
       FrontBackend::Sway,
       {"with the pid from sway's IPC", "not wlroots: ranks lower",
        "not hyprland: no HYPRLAND_INSTANCE_SIGNATURE"}},
      {"sway without the manager",
       swayWithoutManager,
       FrontBackend::X11,
       {"not sway: the compositor has no zwlr_foreign_toplevel_manager_v1"}},
      {"labwc",
       wayland(QStringLiteral("labwc:wlroots"), kWlrGlobals),
       FrontBackend::Wlroots,
       {"wlroots, zwlr_foreign_toplevel_manager_v1;", "not sway: no SWAYSOCK"}},
      {"Wayland without a session type", untypedWayland, FrontBackend::Wlroots, {"wlroots"}},
      {"Hyprland before its foreign toplevels",
       hyprland,
       FrontBackend::Hyprland,
       {"hyprland, Hyprland's event socket", "not wlroots: ranks lower"}},
      {"niri",
       niri,
       FrontBackend::Niri,
       {"niri, niri's event stream", "not hyprland: no HYPRLAND_INSTANCE_SIGNATURE"}},
      {"KDE without KWin and without X",
       kdeWithoutX,
       FrontBackend::None,
       {"none, automatic switching is off", "not x11: DISPLAY is not set",
        "not kwin: org.kde.KWin is not on"}},
      {"no display at all", noDisplay, FrontBackend::None, {"not x11: DISPLAY is not set"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const FrontBackendChoice choice = chooseFrontBackend(c.facts);
    EXPECT_EQ(choice.backend, c.expected) << frontBackendName(choice.backend).toStdString();
    EXPECT_TRUE(choice.logLine().startsWith(QStringLiteral("Front application: ") +
                                            frontBackendName(c.expected)))
        << choice.logLine().toStdString();
    for (const char* piece : c.lineHas) {
      EXPECT_TRUE(choice.logLine().contains(QLatin1String(piece)))
          << piece << " in " << choice.logLine().toStdString();
    }
    // Every other backend is accounted for, the chosen one never.
    for (FrontBackend other :
         {FrontBackend::GnomeShell, FrontBackend::KWin, FrontBackend::Hyprland, FrontBackend::Niri,
          FrontBackend::Sway, FrontBackend::Wlroots, FrontBackend::X11}) {
      EXPECT_EQ(choice.logLine().contains(QStringLiteral("not %1:").arg(frontBackendName(other))),
                other != choice.backend)
          << frontBackendName(other).toStdString();
    }
    EXPECT_FALSE(choice.logLine().contains(u'\n'));
  }
}

}  // namespace
}  // namespace halvane
