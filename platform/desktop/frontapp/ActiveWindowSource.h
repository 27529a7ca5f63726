#pragma once

#include "platform/desktop/appidentity/WindowFacts.h"

#include <QString>

#include <functional>
#include <optional>

namespace halvane {

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
