#pragma once

#include "platform/system/sleeper/Clock.h"

namespace halvane {

// Tickers on QTimer: the main loop's own timers.
class QtClock : public Clock {
 public:
  std::unique_ptr<Ticker> repeating(int intervalMs, std::function<void()> tick) override;

  // The one the helper's objects share.
  static Clock& instance();
};

}  // namespace halvane
