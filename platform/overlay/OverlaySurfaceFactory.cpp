#include "platform/overlay/OverlaySurfaceFactory.h"

#include "platform/log/SystemLog.h"
#include "platform/overlay/GnomeShellOverlaySurface.h"
#include "platform/overlay/NotificationOverlaySurface.h"
#include "platform/overlay/OverlayBackendChoice.h"

#include <QDBusConnection>

namespace halvane {

std::unique_ptr<OverlaySurface> createOverlaySurface(SystemLog& log) {
  OverlaySession session;
  session.wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
  session.display = session.wayland || !qEnvironmentVariableIsEmpty("DISPLAY");
  const QDBusConnection bus = QDBusConnection::sessionBus();
  if (session.wayland) {
    session.noLayerShell = QStringLiteral("not in this build");
    session.noGnomeShell = GnomeShellOverlaySurface::unavailableReason(bus);
    session.noNotifications = NotificationOverlaySurface::unavailableReason(bus);
  }
  const OverlayBackendChoice choice = chooseOverlayBackend(session);
  log.log(choice.logLine);
  switch (choice.backend) {
    case OverlayBackend::GnomeShell: return std::make_unique<GnomeShellOverlaySurface>(bus);
    case OverlayBackend::Notification: return std::make_unique<NotificationOverlaySurface>(bus);
    case OverlayBackend::LayerShell:
    case OverlayBackend::QtWindow: break;
  }
  return nullptr;
}

}  // namespace halvane
