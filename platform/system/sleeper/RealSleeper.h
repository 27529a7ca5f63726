#pragma once

#include "platform/system/sleeper/Sleeper.h"

#include <QTimer>

#include <chrono>

namespace halvane {

// A single-shot precise timer on the main loop. A pause scheduled from the resume of the one
// before is measured from when that one was due, not from when its timer fired, so a macro's
// steps keep their schedule: the timer's lateness does not add up over the steps.
class RealSleeper : public Sleeper {
 public:
  RealSleeper();
  void after(double seconds, std::function<void()> resume) override;
  void cancel() override;

 private:
  using Clock = std::chrono::steady_clock;

  QTimer timer_;
  std::function<void()> resume_;
  Clock::time_point due_{};
  bool resuming_ = false;
};

}  // namespace halvane
