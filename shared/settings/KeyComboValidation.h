#pragma once

#include "shared/plist/PlistValue.h"
#include "shared/settings/MacroStep.h"
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
  // Whether the slot being checked plays as a key: every reader takes a key code other than -1
  // (missing, 0 or unusable included) as a key, whatever else the slot holds.
  bool isKeySlot() const { return slotStep_ && slotStep_->kind == StepKind::Key; }

  SettingsFindings& findings_;
  std::optional<MacroStep> slotStep_;  // what the slot being checked plays, as readers read it
};

}  // namespace halvane::settings
