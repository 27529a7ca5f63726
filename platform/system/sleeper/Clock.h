#pragma once

#include <functional>
#include <memory>

namespace halvane {

// A repeating timer on the main loop: while started, its tick runs every interval.
class Ticker {
 public:
  virtual ~Ticker() = default;
  // Starts it, or starts it over from now when it runs already.
  virtual void start() = 0;
  virtual void stop() = 0;
  virtual bool isActive() const = 0;
  virtual int interval() const = 0;  // milliseconds
};

// Makes the repeating timers that periodic work (the overlay's fade, the idle check) runs on, so
// that tests can run them on a clock that moves only when told.
class Clock {
 public:
  virtual ~Clock() = default;
  // A stopped ticker calling tick every intervalMs once started.
  virtual std::unique_ptr<Ticker> repeating(int intervalMs, std::function<void()> tick) = 0;
};

}  // namespace halvane
