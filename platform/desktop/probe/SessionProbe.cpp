#include "platform/desktop/probe/SessionProbe.h"

#include "platform/desktop/wayland/WaylandConnection.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>

#include <xcb/xcb.h>

namespace halvane {

namespace {

QString xDisplayRefusal(const QString& display) {
  if (display.isEmpty()) return {};
  xcb_connection_t* connection = xcb_connect(display.toLocal8Bit().constData(), nullptr);
  const bool refused = xcb_connection_has_error(connection);
  xcb_disconnect(connection);
  if (refused) return QStringLiteral("cannot connect to X display %1").arg(display);
  return {};
}

std::shared_ptr<WaylandConnection> waylandConnection(const QString& display) {
  // The process's shared connection when the probe is of this process's own session.
  if (display == qEnvironmentVariable("WAYLAND_DISPLAY")) return WaylandConnection::shared();
  return WaylandConnection::connect(display);
}

}  // namespace

SessionProbe sessionFromEnvironment(const QProcessEnvironment& environment) {
  SessionProbe p;
  p.sessionType = environment.value(QStringLiteral("XDG_SESSION_TYPE"));
  p.waylandDisplay = environment.value(QStringLiteral("WAYLAND_DISPLAY"));
  p.x11Display = environment.value(QStringLiteral("DISPLAY"));
  p.currentDesktop = environment.value(QStringLiteral("XDG_CURRENT_DESKTOP"));
  p.swaySocket = environment.value(QStringLiteral("SWAYSOCK"));
  p.hyprlandSignature = environment.value(QStringLiteral("HYPRLAND_INSTANCE_SIGNATURE"));
  p.niriSocket = environment.value(QStringLiteral("NIRI_SOCKET"));
  p.seat = environment.value(QStringLiteral("XDG_SEAT"));
  return p;
}

QString SessionProbe::noXDisplay() const {
  if (x11Display.isEmpty())
    return QCoreApplication::translate("SessionProbe", "no X display (DISPLAY is not set)");
  return xRefused;
}

void probeDesktop(SessionProbe& probe, const QDBusConnection& bus) {
  if (probe.hasWaylandDisplay()) {
    probe.wayland = waylandConnection(probe.waylandDisplay);
    probe.waylandConnected = probe.wayland && probe.wayland->isConnected();
    if (probe.waylandConnected) probe.waylandGlobals = probe.wayland->globalInterfaces();
  }
  probe.xRefused = xDisplayRefusal(probe.x11Display);
  probeBus(probe, bus);
}

void probeBus(SessionProbe& probe, const QDBusConnection& bus) {
  probe.busConnected = bus.isConnected();
  if (!probe.busConnected) return;
  for (const char* name :
       {kGnomeShellBusName, kKWinBusName, kHalvaneOverlayBusName, kNotificationsBusName}) {
    const QDBusReply<bool> there = bus.interface()->isServiceRegistered(QLatin1String(name));
    if (there.isValid() && there.value()) probe.busNames << QLatin1String(name);
  }
  // Notification servers are often started on the first call.
  const QString notifications = QLatin1String(kNotificationsBusName);
  if (probe.busNames.contains(notifications)) return;
  const QDBusMessage activatable = bus.call(QDBusMessage::createMethodCall(
      QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
      QStringLiteral("org.freedesktop.DBus"), QStringLiteral("ListActivatableNames")));
  if (activatable.type() == QDBusMessage::ReplyMessage && !activatable.arguments().isEmpty() &&
      activatable.arguments().first().toStringList().contains(notifications))
    probe.busNames << notifications;
}

}  // namespace halvane
