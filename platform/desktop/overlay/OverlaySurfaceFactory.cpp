#include "platform/desktop/overlay/OverlaySurfaceFactory.h"

#include "platform/desktop/overlay/GnomeShellOverlaySurface.h"
#include "platform/desktop/overlay/LayerShellOverlaySurface.h"
#include "platform/desktop/overlay/NotificationOverlaySurface.h"

namespace halvane {

OverlaySession overlaySession(const SessionProbe& probe) {
  OverlaySession session;
  session.wayland = probe.hasWaylandDisplay();
  session.display = session.wayland || !probe.x11Display.isEmpty();
  if (!session.wayland) return session;
  session.noLayerShell = LayerShellOverlaySurface::unavailableReason(probe);
  session.noGnomeShell = GnomeShellOverlaySurface::unavailableReason(probe);
  session.noNotifications = NotificationOverlaySurface::unavailableReason(probe);
  return session;
}

std::unique_ptr<OverlaySurface> createOverlaySurface(const OverlayBackendChoice& choice,
                                                     const SessionProbe& probe,
                                                     const QDBusConnection& bus) {
  switch (choice.backend) {
    case OverlayBackend::GnomeShell:
      return std::make_unique<GnomeShellOverlaySurface>(bus);
    case OverlayBackend::Notification:
      return std::make_unique<NotificationOverlaySurface>(bus);
    case OverlayBackend::LayerShell: {
      QString whyNot;
      return LayerShellOverlaySurface::create(probe.wayland, &whyNot, !probe.swaySocket.isEmpty());
    }
    case OverlayBackend::QtWindow:
      break;
  }
  return nullptr;
}

}  // namespace halvane
