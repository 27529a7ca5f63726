#include "platform/desktop/overlay/GnomeShellOverlaySurface.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>

namespace halvane {

QString GnomeShellOverlaySurface::unavailableReason(const QDBusConnection& bus) {
  SessionProbe probe;
  probeBus(probe, bus);
  return unavailableReason(probe);
}

QString GnomeShellOverlaySurface::unavailableReason(const SessionProbe& probe) {
  if (!probe.busConnected)
    return QCoreApplication::translate("GnomeShellOverlaySurface", "no session bus");
  if (probe.busNames.contains(QLatin1String(kService))) return {};
  if (!probe.busNames.contains(QLatin1String(kGnomeShellBusName)))
    return QCoreApplication::translate("GnomeShellOverlaySurface", "GNOME Shell is not running");
  return QCoreApplication::translate("GnomeShellOverlaySurface",
                                     "the halvane-keyboard@halvane.com extension is not enabled");
}

void GnomeShellOverlaySurface::setText(const QString& text) {
  text_ = text;
  update();
}

void GnomeShellOverlaySurface::setAlpha(float alpha) {
  alpha_ = alpha;
  update();
}

void GnomeShellOverlaySurface::update() {
  const Sent now{text_, alpha_};
  if (sent_ == now) return;
  sent_ = now;
  QDBusMessage call =
      QDBusMessage::createMethodCall(QString::fromLatin1(kService), QString::fromLatin1(kPath),
                                     QString::fromLatin1(kInterface), QStringLiteral("SetOverlay"));
  call << text_ << double(alpha_);
  // The reply is of no use, and waiting for it would hold the fade up behind the Shell.
  call.setAutoStartService(false);
  bus_.send(call);
}

}  // namespace halvane
