#pragma once

#include <functional>

namespace halvane {

// Times a macro's pauses on the main loop. A pause does not hold the loop up: reports, timers,
// control-channel calls and signals are served while it runs out, and then resume is called
// from the loop. One pause at a time: a new one replaces the one pending.
class Sleeper {
 public:
  virtual ~Sleeper() = default;
  // Calls resume once, seconds from now; zero, negative or NaN: at the loop's next turn.
  virtual void after(double seconds, std::function<void()> resume) = 0;
  // Forgets the pending pause: its resume is never called.
  virtual void cancel() = 0;
};

}  // namespace halvane
