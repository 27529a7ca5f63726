#pragma once

#include <QDBusConnection>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <memory>

namespace halvane {

class WaylandConnection;

// What the session is, read once at start-up (readSession) and handed to every factory, whose
// choices then depend on it alone. Tests fill one in by hand.
struct SessionProbe {
  // The environment.
  QString sessionType;        // XDG_SESSION_TYPE
  QString waylandDisplay;     // WAYLAND_DISPLAY
  QString x11Display;         // DISPLAY
  QString currentDesktop;     // XDG_CURRENT_DESKTOP, colon-separated
  QString swaySocket;         // SWAYSOCK
  QString hyprlandSignature;  // HYPRLAND_INSTANCE_SIGNATURE
  QString niriSocket;         // NIRI_SOCKET
  QString seat;               // XDG_SEAT
  // What answered.
  bool waylandConnected = false;
  QStringList waylandGlobals;  // interfaces the compositor offers
  bool busConnected = false;   // a session bus answered
  QStringList busNames;        // the names below that are on it (or, for notifications, can be)
  QString xRefused;            // why the X display named did not answer; empty when it did
  QString uinputUnusable;      // why /dev/uinput cannot be used; empty when it can
  // The helper's Wayland connection, kept for the backends that use it.
  std::shared_ptr<WaylandConnection> wayland;

  bool hasWaylandDisplay() const { return !waylandDisplay.isEmpty(); }
  // Why there is no X display to use; empty when there is.
  QString noXDisplay() const;
  bool hasXDisplay() const { return noXDisplay().isEmpty(); }
};

// The bus names a probe looks for.
inline constexpr char kGnomeShellBusName[] = "org.gnome.Shell";
inline constexpr char kKWinBusName[] = "org.kde.KWin";
inline constexpr char kHalvaneOverlayBusName[] = "com.halvane.keyboard.Overlay";  // our extension's
inline constexpr char kNotificationsBusName[] = "org.freedesktop.Notifications";

// The session's variables from `environment`, nothing probed yet.
SessionProbe sessionFromEnvironment(const QProcessEnvironment& environment);

// Adds which of the names above `bus` has (a notification server also when it can be started).
void probeBus(SessionProbe& probe, const QDBusConnection& bus);

// Adds what the desktop answers: the Wayland compositor's globals, the X display, the desktops
// on `bus`. (readSession adds what the input devices answer.)
void probeDesktop(SessionProbe& probe, const QDBusConnection& bus);

}  // namespace halvane
