#pragma once

#include "platform/system/backends/TypedChoice.h"

#include <QString>

namespace halvane {

enum class OverlayBackend {
  QtWindow,      // the Qt window itself: X11, or no display at all (drawn off screen)
  LayerShell,    // zwlr_layer_shell_v1 surface on the overlay layer
  GnomeShell,    // our GNOME Shell extension's actor
  Notification,  // one desktop notification per profile change
};

// What the session offers the overlay (made from the session's probe and the bus by
// overlaySession). Each reason is empty when that way is open, else it says
// why not (for the log line).
struct OverlaySession {
  bool wayland = false;  // WAYLAND_DISPLAY names a compositor
  bool display = false;  // an X or Wayland display at all
  QString noLayerShell;
  QString noGnomeShell;
  QString noNotifications;
};

QString overlayBackendName(OverlayBackend backend);

// The way chosen, and why the better ones were not.
using OverlayBackendChoice = TypedChoice<OverlayBackend>;

// On Wayland, in order: layer-shell, the GNOME Shell extension, notifications, and last an
// ordinary window wherever the compositor puts it. Elsewhere the Qt window.
OverlayBackendChoice chooseOverlayBackend(const OverlaySession& session);

}  // namespace halvane
