#include "platform/desktop/overlay/OverlayBackendChoice.h"

#include <QCoreApplication>

namespace halvane {

namespace {

OverlayBackendChoice chosen(OverlayBackend backend, const QString& why,
                            const QList<std::pair<OverlayBackend, QString>>& notTaken = {}) {
  OverlayBackendChoice choice;
  choice.backend = backend;
  choice.subject = QCoreApplication::translate("OverlayBackendChoice", "Overlay");
  choice.why = why;
  choice.notTaken = notTaken;
  QStringList others;
  for (const auto& [other, whyNot] : notTaken) {
    switch (other) {
      case OverlayBackend::LayerShell:
        others << QCoreApplication::translate("OverlayBackendChoice", "no layer-shell: %1")
                      .arg(whyNot);
        break;
      case OverlayBackend::GnomeShell:
        others << QCoreApplication::translate("OverlayBackendChoice", "no GNOME Shell overlay: %1")
                      .arg(whyNot);
        break;
      case OverlayBackend::Notification:
        others << QCoreApplication::translate("OverlayBackendChoice", "no notifications: %1")
                      .arg(whyNot);
        break;
      case OverlayBackend::QtWindow:
        break;
    }
  }
  choice.text = others.isEmpty()
                    ? why
                    : QStringLiteral("%1 (%2)").arg(why, others.join(QStringLiteral("; ")));
  return choice;
}

}  // namespace

QString overlayBackendName(OverlayBackend backend) {
  switch (backend) {
    case OverlayBackend::LayerShell:
      return QStringLiteral("layer-shell");
    case OverlayBackend::GnomeShell:
      return QStringLiteral("gnome-shell");
    case OverlayBackend::Notification:
      return QStringLiteral("notification");
    case OverlayBackend::QtWindow:
      break;
  }
  return QStringLiteral("qt-window");
}

OverlayBackendChoice chooseOverlayBackend(const OverlaySession& session) {
  if (!session.wayland) {
    if (!session.display)
      return chosen(
          OverlayBackend::QtWindow,
          QCoreApplication::translate("OverlayBackendChoice", "off-screen window (no display)"));
    return chosen(OverlayBackend::QtWindow,
                  QCoreApplication::translate("OverlayBackendChoice", "always-on-top X11 window"));
  }
  QList<std::pair<OverlayBackend, QString>> notTaken;
  if (session.noLayerShell.isEmpty())
    return chosen(OverlayBackend::LayerShell,
                  QCoreApplication::translate("OverlayBackendChoice",
                                              "layer-shell surface on the overlay layer"));
  notTaken.append({OverlayBackend::LayerShell, session.noLayerShell});
  if (session.noGnomeShell.isEmpty())
    return chosen(OverlayBackend::GnomeShell,
                  QCoreApplication::translate("OverlayBackendChoice", "GNOME Shell extension"),
                  notTaken);
  notTaken.append({OverlayBackend::GnomeShell, session.noGnomeShell});
  if (session.noNotifications.isEmpty())
    return chosen(OverlayBackend::Notification,
                  QCoreApplication::translate("OverlayBackendChoice", "desktop notifications"),
                  notTaken);
  notTaken.append({OverlayBackend::Notification, session.noNotifications});
  return chosen(OverlayBackend::QtWindow,
                QCoreApplication::translate("OverlayBackendChoice",
                                            "ordinary Wayland window placed by the compositor"),
                notTaken);
}

}  // namespace halvane
