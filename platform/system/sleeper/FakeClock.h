#pragma once

#include "platform/system/sleeper/Clock.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace halvane {

// A clock that moves only when a test advances it. Each tick falls due exactly on its interval;
// tickers due at the same moment run in the order they were started, as the main loop runs
// timers that fall due together.
class FakeClock : public Clock {
 public:
  std::unique_ptr<Ticker> repeating(int intervalMs, std::function<void()> tick) override {
    return std::make_unique<FakeTicker>(*this, intervalMs, std::move(tick));
  }

  // Milliseconds since the clock was made.
  std::int64_t now() const { return now_; }
  // Moves on by ms, running every tick that falls due on the way, at its time.
  void advance(std::int64_t ms) {
    const std::int64_t until = now_ + ms;
    while (FakeTicker* next = nextDue(until)) {
      now_ = next->due;
      next->due += next->intervalMs;
      next->tick();
    }
    now_ = until;
  }
  // Moves on to the next tick due within ms and runs it; false when none is.
  bool advanceToNextTick(std::int64_t ms) {
    FakeTicker* next = nextDue(now_ + ms);
    if (!next) return false;
    advance(next->due - now_);
    return true;
  }
  int activeTickers() const {
    return int(std::count_if(tickers_.begin(), tickers_.end(),
                             [](const FakeTicker* t) { return t->active; }));
  }

 private:
  struct FakeTicker : Ticker {
    FakeTicker(FakeClock& clock, int interval, std::function<void()> tick)
        : clock(clock), intervalMs(interval), tick(std::move(tick)) {
      clock.tickers_.push_back(this);
    }
    ~FakeTicker() override { std::erase(clock.tickers_, this); }
    void start() override {
      active = true;
      due = clock.now_ + intervalMs;
      order = ++clock.starts_;
    }
    void stop() override { active = false; }
    bool isActive() const override { return active; }
    int interval() const override { return intervalMs; }

    FakeClock& clock;
    int intervalMs;
    std::function<void()> tick;
    bool active = false;
    std::int64_t due = 0;
    std::uint64_t order = 0;
  };

  FakeTicker* nextDue(std::int64_t until) const {
    FakeTicker* next = nullptr;
    for (FakeTicker* t : tickers_)
      if (t->active && t->due <= until &&
          (!next || t->due < next->due || (t->due == next->due && t->order < next->order)))
        next = t;
    return next;
  }

  std::int64_t now_ = 0;
  std::uint64_t starts_ = 0;
  std::vector<FakeTicker*> tickers_;
};

}  // namespace halvane
