#pragma once

#include "platform/desktop/appidentity/ApplicationResolver.h"
#include "platform/desktop/frontapp/ActiveWindowSource.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace halvane {

// The application in front, with what it was told from.
struct FrontApplication {
  QString backend;                    // the window system's source: "x11", "sway", ...
  std::optional<WindowFacts> window;  // nothing: no active window
  ResolvedApplication application;    // empty without a window

  // The names a profile's ApplicationPath may hold for it; empty when nothing is in front.
  QStringList names() const { return application.names(); }
};

// Tells which application is in front, and when that changes.
class FrontApplicationWatcher {
 public:
  virtual ~FrontApplicationWatcher() = default;
  // handler runs on the main loop each time another application comes to the front; a change
  // of window within one application is not reported.
  virtual void setFrontSwitchedHandler(std::function<void()> handler) = 0;
  // observer runs right after the handler, for those who only report what is in front.
  virtual void setFrontSwitchObserver(std::function<void()> observer) = 0;
  // The application in front now.
  virtual FrontApplication frontApplication() = 0;
};

}  // namespace halvane
