#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

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

// One window system's view of the active window. Every backend (X11, each Wayland desktop)
// is one of these; what turns window facts into an application is shared above them.
class ActiveWindowSource {
 public:
  using Handler = std::function<void(const std::optional<WindowFacts>&)>;
  virtual ~ActiveWindowSource() = default;
  // handler runs on the main loop when the active window may have changed (nothing: no window).
  // Sources may repeat the same window; deciding what is an application switch is not theirs.
  virtual void setActiveWindowHandler(Handler handler) = 0;
  virtual std::optional<WindowFacts> activeWindow() const = 0;
  // Short name for logs and diagnostics: "x11", "gnome-shell", "kwin", "wlroots", "sway",
  // "hyprland", "niri".
  virtual QString backendName() const = 0;
};

}  // namespace halvane
