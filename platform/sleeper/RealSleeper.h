#pragma once

#include "platform/sleeper/Sleeper.h"

#include <QTimer>

namespace halvane {

// A single-shot precise timer on the main loop.
class RealSleeper : public Sleeper {
 public:
  RealSleeper();
  void after(double seconds, std::function<void()> resume) override;
  void cancel() override;

 private:
  QTimer timer_;
  std::function<void()> resume_;
};

}  // namespace halvane
