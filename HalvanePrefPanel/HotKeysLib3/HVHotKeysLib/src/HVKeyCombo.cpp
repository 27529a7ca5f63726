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

QList<HVKeyCombo> HVKeyCombo::macroSteps(const PlistValue& keyCombo) {
  QList<HVKeyCombo> steps;
  for (int n = 0; n < settings::kMacroStepCount; ++n) {
    const QString number = QString::number(n);
    const int keyCode = keyCombo[QStringLiteral("keyCode") + number].intValue();
    const int modifiers = keyCombo[QStringLiteral("modifiers") + number].intValue();
    if (keyCode >= 0 && modifiers >= -1)
      steps.append(
          HVKeyCombo(keyCode, modifiers, keyCombo[QStringLiteral("delay") + number].intValue()));
  }
  return steps;
}

}  // namespace halvane
