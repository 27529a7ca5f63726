#pragma once

#include <QString>
#include <QStringList>

namespace halvane {

// The front-application backends, in the order they are preferred on Wayland.
enum class FrontBackend { GnomeShell, KWin, Hyprland, Niri, Sway, Wlroots, X11, None };

// The name a backend goes by in logs and diagnostics (the source's backendName()).
QString frontBackendName(FrontBackend backend);

// What start-up knows about the session, gathered before any backend is made.
struct SessionFacts {
  QString sessionType;        // XDG_SESSION_TYPE
  QString waylandDisplay;     // WAYLAND_DISPLAY
  QString x11Display;         // DISPLAY
  QString currentDesktop;     // XDG_CURRENT_DESKTOP, colon-separated
  QString swaySocket;         // SWAYSOCK
  QString hyprlandSignature;  // HYPRLAND_INSTANCE_SIGNATURE
  QString niriSocket;         // NIRI_SOCKET
  bool waylandConnected = false;
  QStringList waylandGlobals;  // interfaces the compositor offers
  QStringList busNames;        // well-known names on the session bus that matter here
};

struct BackendChoice {
  FrontBackend backend = FrontBackend::None;
  // One line naming the chosen backend and why each other one was not taken.
  QString logLine;
};

// The backend for a session. Pure: the same facts always give the same choice and line.
BackendChoice chooseFrontBackend(const SessionFacts& facts);

}  // namespace halvane
