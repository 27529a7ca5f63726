#include "platform/desktop/overlay/OverlaySurfaceFactory.h"

#include "platform/desktop/overlay/GnomeShellOverlaySurface.h"
#include "platform/desktop/overlay/LayerShellOverlaySurface.h"
#include "platform/desktop/overlay/NotificationOverlaySurface.h"
#include "platform/desktop/overlay/OverlayBackendChoice.h"
#include "platform/desktop/wayland/WaylandConnection.h"
#include "platform/system/log/SystemLog.h"

#include <QDBusConnection>

namespace halvane {

std::unique_ptr<OverlaySurface> createOverlaySurface(SystemLog& log) {
  OverlaySession session;
  session.wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
  session.display = session.wayland || !qEnvironmentVariableIsEmpty("DISPLAY");
  const QDBusConnection bus = QDBusConnection::sessionBus();
  std::unique_ptr<LayerShellOverlaySurface> layerShell;
  if (session.wayland) {
    layerShell =
        LayerShellOverlaySurface::create(WaylandConnection::shared(), &session.noLayerShell);
    // The others are asked only when they could be chosen.
    if (!layerShell) session.noGnomeShell = GnomeShellOverlaySurface::unavailableReason(bus);
    if (!layerShell && !session.noGnomeShell.isEmpty())
      session.noNotifications = NotificationOverlaySurface::unavailableReason(bus);
  }
  const OverlayBackendChoice choice = chooseOverlayBackend(session);
  log.log(choice.logLine);
  switch (choice.backend) {
    case OverlayBackend::GnomeShell:
      return std::make_unique<GnomeShellOverlaySurface>(bus);
    case OverlayBackend::Notification:
      return std::make_unique<NotificationOverlaySurface>(bus);
    case OverlayBackend::LayerShell:
      return layerShell;
    case OverlayBackend::QtWindow:
      break;
  }
  return nullptr;
}

}  // namespace halvane
