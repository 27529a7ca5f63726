#pragma once

#include <QString>

namespace halvane {

enum class HotKeyBackend { Portal, XGrab, None };

struct HotKeySession {
  bool wayland = false;    // WAYLAND_DISPLAY names a compositor
  bool xDisplay = false;   // an X server (XWayland on a Wayland session) can be reached
  uint portalVersion = 0;  // GlobalShortcuts version of the desktop portal, 0: none
  QString noPortal;        // why there is none
};

struct HotKeyBackendChoice {
  HotKeyBackend backend;
  QString logLine;
};

// On Wayland the portal, else key grabs through XWayland, which only see keys while an X
// application has the focus; on X11 key grabs.
HotKeyBackendChoice chooseHotKeyBackend(const HotKeySession& session);

}  // namespace halvane
