#pragma once

#include "platform/desktop/frontapp/ActiveWindowSource.h"

namespace halvane {

// A window system whose active window a test sets.
class FakeActiveWindowSource : public ActiveWindowSource {
 public:
  void setActiveWindowHandler(Handler handler) override { handler_ = std::move(handler); }
  std::optional<WindowFacts> activeWindow() const override { return active; }
  QString backendName() const override { return QStringLiteral("fake"); }

  // Makes window the active one and tells the handler, as a window manager's event would.
  void activate(std::optional<WindowFacts> window) {
    active = std::move(window);
    if (handler_) handler_(active);
  }

  std::optional<WindowFacts> active;

 private:
  Handler handler_;
};

}  // namespace halvane
