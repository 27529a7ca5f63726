#include "HVKeyCombo.h"

#include "shared/settings/SettingsLimits.h"

#include <algorithm>
#include <climits>

namespace halvane {
namespace {

// There is no lower clamp: a delay of 0 or below simply means no pause.
int clampedDelay(qint64 delay) {
  return int(std::clamp<qint64>(delay, INT_MIN, settings::kMaxDelay));
}

}  // namespace

HVKeyCombo::HVKeyCombo() : HVKeyCombo(-1, -1, 0) {}

HVKeyCombo::HVKeyCombo(int keyCode, int modifiers, int delay)
    : d_(std::make_shared<Fields>(Fields{keyCode, modifiers, clampedDelay(delay)})) {}

void HVKeyCombo::addDelay(int milliseconds) {
  d_->fDelay = clampedDelay(qint64(d_->fDelay) + milliseconds);
}

}  // namespace halvane
