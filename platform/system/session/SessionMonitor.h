#pragma once

#include <functional>

namespace halvane {

// Tells when the user's input should stop: the machine is about to sleep, or the session is no
// longer the active one (another user switched in, the seat's console changed).
class SessionMonitor {
 public:
  enum class Event { AboutToSleep, SessionInactive };
  using Handler = std::function<void(Event)>;

  virtual ~SessionMonitor() = default;
  virtual void setHandler(Handler handler) = 0;
};

}  // namespace halvane
