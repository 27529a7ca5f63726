#pragma once

#include "platform/sleeper/Sleeper.h"

#include <vector>

namespace halvane {

// Records each pause and returns at once.
class FakeSleeper : public Sleeper {
 public:
  void sleep(double seconds) override { pauses.push_back(seconds); }
  std::vector<double> pauses;
};

}  // namespace halvane
