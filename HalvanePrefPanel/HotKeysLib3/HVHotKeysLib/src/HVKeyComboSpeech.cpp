// The spoken text of a key combination, for screen readers: names where the display has glyphs.
#include "HVKeyCombo.h"

#include "platform/input/keycodes/MacKeyCodes.h"
#include "shared/settings/MacModifiers.h"

#include <QStringList>

namespace halvane {
namespace {

struct ModifierKey {
  int mask;
  qint16 keyCode;
};

// The order of the glyphs of the display text; each modifier is named as its own key is.
constexpr ModifierKey kModifierKeys[] = {
    {kCarbonCommand, kVK_Command},
    {kCarbonOption, kVK_Option},
    {kCarbonControl, kVK_Control},
    {kCarbonShift, kVK_Shift},
};

}  // namespace

QString HVKeyCombo::spokenDescription() const {
  if (!isValidHotKeyCombo()) return description();
  QStringList names;
  for (const ModifierKey& row : kModifierKeys) {
    if (modifiers() & row.mask) names << stringForKeyCode(row.keyCode);
  }
  names << stringForKeyCode(qint16(keyCode()));
  return names.join(u'+');
}

}  // namespace halvane
