#pragma once

#include "platform/sleeper/Sleeper.h"

namespace halvane {

// Sleeps for the whole interval, resuming after a signal interrupts it, so a signal that
// arrives during a macro takes effect only when the macro has finished.
class RealSleeper : public Sleeper {
 public:
  void sleep(double seconds) override;
};

}  // namespace halvane
