#pragma once

namespace halvane {

// Blocks the calling (main) thread for a macro's pauses.
class Sleeper {
 public:
  virtual ~Sleeper() = default;
  virtual void sleep(double seconds) = 0;
};

}  // namespace halvane
