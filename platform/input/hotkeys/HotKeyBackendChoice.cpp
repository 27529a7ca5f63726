#include "platform/input/hotkeys/HotKeyBackendChoice.h"

namespace halvane {

HotKeyBackendChoice chooseHotKeyBackend(const HotKeySession& session) {
  if (session.wayland && session.portalVersion > 0)
    return {HotKeyBackend::Portal,
            QStringLiteral("Hot keys: desktop portal GlobalShortcuts (version %1)")
                .arg(session.portalVersion)};
  if (session.wayland && session.xDisplay)
    return {HotKeyBackend::XGrab, QStringLiteral("Hot keys: key grabs through XWayland, seen only "
                                                 "while an X application has the focus (%1)")
                                      .arg(session.noPortal)};
  if (session.xDisplay)
    return {HotKeyBackend::XGrab, QStringLiteral("Hot keys: key grabs on the X server")};
  QString line = QStringLiteral("Hot keys: none, every registration is refused (no X display");
  if (session.wayland) line += QStringLiteral("; ") + session.noPortal;
  return {HotKeyBackend::None, line + u')'};
}

}  // namespace halvane
