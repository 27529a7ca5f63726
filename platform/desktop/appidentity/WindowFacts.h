#pragma once

#include <QString>

#include <cstdint>

namespace halvane {

// What a window system tells about a window. Empty strings stand for what it does not tell.
struct WindowFacts {
  QString appId;             // Wayland app_id, or a desktop's own app ID for the window
  QString wmClass;           // X11 WM_CLASS class (KWin: resourceClass)
  QString wmInstance;        // X11 WM_CLASS instance (KWin: resourceName)
  QString gtkApplicationId;  // _GTK_APPLICATION_ID
  QString desktopFile;       // _KDE_NET_WM_DESKTOP_FILE (KWin: desktopFileName)
  std::int64_t pid = 0;      // 0 when unknown

  bool operator==(const WindowFacts&) const = default;
};

}  // namespace halvane
