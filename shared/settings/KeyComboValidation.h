#pragma once

#include "shared/plist/PlistValue.h"
#include "shared/settings/MacroStepKinds.h"
#include "shared/settings/SettingsFindings.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

namespace halvane::settings {

// The checks of a macro key's KeyCombo dictionary: its eight step slots (a recorded key, or a
// step of another kind with the entries of that kind) and the entries beside them. Findings go
// to the validator's list, in the order of the slots.
class KeyComboValidation {
  Q_DECLARE_TR_FUNCTIONS(SettingsValidator)

 public:
  explicit KeyComboValidation(SettingsFindings& findings) : findings_(findings) {}

  void check(const PlistValue& combo, const QString& path);

  // Whether a slot of combo plays something, or holds a key code other than -1 (a missing or
  // unusable one reads as a key too).
  static bool holdsAnyStep(const PlistValue& combo);

 private:
  void checkKeyEntries(const PlistValue& combo, int slot, const QString& path);
  // The kind the slot names ("Key" when it names none); nothing when the name is unusable.
  std::optional<StepKind> checkKind(const PlistValue& combo, int slot, const QString& path);
  void checkKindEntries(const PlistValue& combo, int slot, const QString& path,
                        std::optional<StepKind> kind);
  void checkText(const PlistValue& combo, int slot, const QString& path);
  void checkNotches(const PlistValue& combo, int slot, const QString& path);
  void checkKnownKeys(const PlistValue& combo, const QString& path);

  SettingsFindings& findings_;
};

}  // namespace halvane::settings
