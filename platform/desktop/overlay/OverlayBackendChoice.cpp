#include "platform/desktop/overlay/OverlayBackendChoice.h"

#include <QStringList>

namespace halvane {

OverlayBackendChoice chooseOverlayBackend(const OverlaySession& session) {
  if (!session.wayland) {
    if (!session.display)
      return {OverlayBackend::QtWindow, QStringLiteral("Overlay: off-screen window (no display)")};
    return {OverlayBackend::QtWindow, QStringLiteral("Overlay: always-on-top X11 window")};
  }
  QStringList notChosen;
  if (session.noLayerShell.isEmpty())
    return {OverlayBackend::LayerShell,
            QStringLiteral("Overlay: layer-shell surface on the overlay layer")};
  notChosen << QStringLiteral("no layer-shell: ") + session.noLayerShell;
  if (session.noGnomeShell.isEmpty())
    return {OverlayBackend::GnomeShell, QStringLiteral("Overlay: GNOME Shell extension (%1)")
                                            .arg(notChosen.join(QStringLiteral("; ")))};
  notChosen << QStringLiteral("no GNOME Shell overlay: ") + session.noGnomeShell;
  if (session.noNotifications.isEmpty())
    return {OverlayBackend::Notification, QStringLiteral("Overlay: desktop notifications (%1)")
                                              .arg(notChosen.join(QStringLiteral("; ")))};
  notChosen << QStringLiteral("no notifications: ") + session.noNotifications;
  return {OverlayBackend::QtWindow,
          QStringLiteral("Overlay: ordinary Wayland window placed by the compositor (%1)")
              .arg(notChosen.join(QStringLiteral("; ")))};
}

}  // namespace halvane
