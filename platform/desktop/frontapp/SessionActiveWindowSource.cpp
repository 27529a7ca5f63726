#include "platform/desktop/frontapp/SessionActiveWindowSource.h"

#include "platform/desktop/frontapp/ForeignToplevelActiveWindowSource.h"
#include "platform/desktop/frontapp/GnomeShellActiveWindowSource.h"
#include "platform/desktop/frontapp/HyprlandActiveWindowSource.h"
#include "platform/desktop/frontapp/KWinActiveWindowSource.h"
#include "platform/desktop/frontapp/NiriActiveWindowSource.h"
#include "platform/desktop/frontapp/SwayActiveWindowSource.h"
#include "platform/desktop/wayland/WaylandConnection.h"
#include "platform/system/bundle/Bundle.h"
#include "platform/system/log/SystemLog.h"

#include <QDBusConnectionInterface>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace halvane {

SessionProbe probeSession(const QDBusConnection& bus) {
  SessionProbe probe;
  SessionFacts& f = probe.facts;
  f.sessionType = qEnvironmentVariable("XDG_SESSION_TYPE");
  f.waylandDisplay = qEnvironmentVariable("WAYLAND_DISPLAY");
  f.x11Display = qEnvironmentVariable("DISPLAY");
  f.currentDesktop = qEnvironmentVariable("XDG_CURRENT_DESKTOP");
  f.swaySocket = qEnvironmentVariable("SWAYSOCK");
  f.hyprlandSignature = qEnvironmentVariable("HYPRLAND_INSTANCE_SIGNATURE");
  f.niriSocket = qEnvironmentVariable("NIRI_SOCKET");
  if (!f.waylandDisplay.isEmpty()) {
    probe.wayland = WaylandConnection::shared();
    f.waylandConnected = probe.wayland && probe.wayland->isConnected();
    if (f.waylandConnected) f.waylandGlobals = probe.wayland->globalInterfaces();
  }
  if (bus.isConnected()) {
    for (const QString& name :
         {QStringLiteral("org.gnome.Shell"), QStringLiteral("org.kde.KWin")}) {
      const QDBusReply<bool> there = bus.interface()->isServiceRegistered(name);
      if (there.isValid() && there.value()) f.busNames << name;
    }
  }
  return probe;
}

std::unique_ptr<ActiveWindowSource> createWaylandActiveWindowSource(FrontBackend backend,
                                                                    const SessionProbe& probe,
                                                                    SystemLog& log,
                                                                    const QDBusConnection& bus) {
  switch (backend) {
    case FrontBackend::GnomeShell:
      return std::make_unique<GnomeShellActiveWindowSource>(log, bus);
    case FrontBackend::KWin: {
      const QString script = kwinScriptPath();
      if (script.isEmpty()) {
        log.log(QStringLiteral("KWin script: halvane/kwin/halvane-keyboard.js is not installed"));
        return nullptr;
      }
      return std::make_unique<KWinActiveWindowSource>(log, script, bus);
    }
    case FrontBackend::Hyprland:
      return std::make_unique<HyprlandActiveWindowSource>(
          HyprlandActiveWindowSource::socketDir(probe.facts.hyprlandSignature));
    case FrontBackend::Niri:
      return std::make_unique<NiriActiveWindowSource>(probe.facts.niriSocket);
    case FrontBackend::Sway:
    case FrontBackend::Wlroots: {
      auto toplevels = ForeignToplevelActiveWindowSource::create(probe.wayland);
      if (!toplevels || backend == FrontBackend::Wlroots) return toplevels;
      return std::make_unique<SwayActiveWindowSource>(std::move(toplevels), probe.facts.swaySocket);
    }
    case FrontBackend::X11:
    case FrontBackend::None:
      break;
  }
  return nullptr;
}

QString kwinScriptPath() {
  const QString relative = QStringLiteral("halvane/kwin/halvane-keyboard.js");
  const QString bundle = Bundle::mainBundle().bundlePath();
  if (!bundle.isEmpty()) {
    // Build tree: <build>/bundles/HalvaneHelper.app; install:
    // <prefix>/lib/halvane/HalvaneHelper.app.
    for (const char* up : {"/../../share/", "/../../../share/"}) {
      const QString candidate = QDir::cleanPath(bundle + QLatin1String(up) + relative);
      if (QFileInfo::exists(candidate)) return candidate;
    }
  }
  return QStandardPaths::locate(QStandardPaths::GenericDataLocation, relative);
}

}  // namespace halvane
