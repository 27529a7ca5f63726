#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace halvane {

// Tells which application is in front, and when that changes.
class FrontApplicationWatcher {
 public:
  virtual ~FrontApplicationWatcher() = default;
  // handler runs on the main loop each time another application comes to the front.
  virtual void setFrontSwitchedHandler(std::function<void()> handler) = 0;
  // The path of the front application (the realpath of its executable); nothing when it cannot
  // be told.
  virtual std::optional<QString> frontApplicationPath() = 0;
};

}  // namespace halvane
