#pragma once

#include "platform/system/session/SessionMonitor.h"

namespace halvane {

// A test says when the session sleeps or goes inactive.
class FakeSessionMonitor : public SessionMonitor {
 public:
  void setHandler(Handler handler) override { handler_ = std::move(handler); }
  void send(Event event) {
    if (handler_) handler_(event);
  }

 private:
  Handler handler_;
};

}  // namespace halvane
