#pragma once

#include <algorithm>
#include <vector>

namespace halvane {

// The synthetic inputs (keys, mouse buttons) a poster has delivered as down and not yet as up,
// in the order pressed, so that whatever stops the input half-way can let go of every one.
template <typename Input>
class HeldInputs {
 public:
  // After the poster delivered a press (down) or a release: a repeated press is one held input,
  // and the release of one not held changes nothing.
  void delivered(Input input, bool down) {
    const auto it = std::find(held_.begin(), held_.end(), input);
    if (down && it == held_.end()) held_.push_back(input);
    if (!down && it != held_.end()) held_.erase(it);
  }

  // Lets go of each held input through release(input), the last pressed first; those whose
  // release fails (release returns false) stay held, in their order.
  template <typename Release>
  void releaseAll(Release release) {
    std::vector<Input> stillHeld;
    for (auto input = held_.rbegin(); input != held_.rend(); ++input)
      if (!release(*input)) stillHeld.insert(stillHeld.begin(), *input);
    held_ = std::move(stillHeld);
  }

  const std::vector<Input>& held() const { return held_; }

 private:
  std::vector<Input> held_;
};

}  // namespace halvane
