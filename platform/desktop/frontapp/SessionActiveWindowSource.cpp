#include "platform/desktop/frontapp/SessionActiveWindowSource.h"

#include "platform/desktop/frontapp/ForeignToplevelActiveWindowSource.h"
#include "platform/desktop/frontapp/GnomeShellActiveWindowSource.h"
#include "platform/desktop/frontapp/HyprlandActiveWindowSource.h"
#include "platform/desktop/frontapp/KWinActiveWindowSource.h"
#include "platform/desktop/frontapp/NiriActiveWindowSource.h"
#include "platform/desktop/frontapp/SwayActiveWindowSource.h"
#include "platform/system/bundle/Bundle.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace halvane {

std::unique_ptr<ActiveWindowSource> createWaylandActiveWindowSource(
    FrontBackend backend, const SessionProbe& probe, const FrontSourceServices& services,
    const QDBusConnection& bus) {
  switch (backend) {
    case FrontBackend::GnomeShell:
      return std::make_unique<GnomeShellActiveWindowSource>(services, bus);
    case FrontBackend::KWin: {
      const QString script = kwinScriptPath();
      if (script.isEmpty()) {
        services.tell(QCoreApplication::translate("KWinActiveWindowSource",
                                                  "KWin script: %1 is not installed")
                          .arg(QStringLiteral("halvane/kwin/halvane-keyboard.js")));
        return nullptr;
      }
      return std::make_unique<KWinActiveWindowSource>(services, script, bus);
    }
    case FrontBackend::Hyprland:
      return std::make_unique<HyprlandActiveWindowSource>(
          HyprlandActiveWindowSource::socketDir(probe.hyprlandSignature));
    case FrontBackend::Niri:
      return std::make_unique<NiriActiveWindowSource>(probe.niriSocket);
    case FrontBackend::Sway:
    case FrontBackend::Wlroots: {
      auto toplevels = ForeignToplevelActiveWindowSource::create(probe.wayland);
      if (!toplevels || backend == FrontBackend::Wlroots) return toplevels;
      return std::make_unique<SwayActiveWindowSource>(std::move(toplevels), probe.swaySocket);
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
