#pragma once

#include "platform/system/sleeper/Sleeper.h"

#include <utility>
#include <vector>

namespace halvane {

// Records each pause. By default it runs out at once, inside after(), so a macro plays to its
// end in one call; with holdPauses the pause waits until the test ends it with runPending().
class FakeSleeper : public Sleeper {
 public:
  void after(double seconds, std::function<void()> resume) override {
    pauses.push_back(seconds);
    if (!holdPauses) {
      resume();
      return;
    }
    pending_ = std::move(resume);
  }
  void cancel() override { pending_ = nullptr; }

  bool hasPending() const { return bool(pending_); }
  // Ends the held pause; false when there is none.
  bool runPending() {
    std::function<void()> resume = std::exchange(pending_, nullptr);
    if (!resume) return false;
    resume();
    return true;
  }

  std::vector<double> pauses;
  bool holdPauses = false;

 private:
  std::function<void()> pending_;
};

}  // namespace halvane
