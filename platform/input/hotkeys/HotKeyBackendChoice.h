#pragma once

#include "platform/desktop/probe/SessionProbe.h"
#include "platform/system/backends/TypedChoice.h"

#include <QString>

namespace halvane {

enum class HotKeyBackend { Portal, XGrab, None };

QString hotKeyBackendName(HotKeyBackend backend);

// What the session offers hot keys (made from the session's probe and the bus by hotKeySession).
struct HotKeySession {
  bool wayland = false;    // WAYLAND_DISPLAY names a compositor
  bool xDisplay = false;   // an X server (XWayland on a Wayland session) can be reached
  uint portalVersion = 0;  // GlobalShortcuts version of the desktop portal, 0: none
  QString noPortal;        // why there is none
};

using HotKeyBackendChoice = TypedChoice<HotKeyBackend>;

// On Wayland the portal, else key grabs through XWayland, which only see keys while an X
// application has the focus; on X11 key grabs.
HotKeyBackendChoice chooseHotKeyBackend(const HotKeySession& session);

}  // namespace halvane
