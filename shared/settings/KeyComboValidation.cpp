#include "shared/settings/KeyComboValidation.h"

#include "shared/settings/MacModifiers.h"
#include "shared/settings/MacroStep.h"
#include "shared/settings/SettingsLimits.h"

#include <QSet>

#include <cmath>
#include <vector>

namespace halvane::settings {

namespace {

// The modifier bits a macro step may carry: Command, Shift, Option, Control, and the bit the
// key capture adds. Playback ignores every other bit.
constexpr qint64 kModifierBits =
    kCarbonCommand | kCarbonShift | kCarbonOption | kCarbonControl | kCarbonFunction;
constexpr qint64 kMaxKeyCode = 0xFFFF;

// The entries of a slot besides those of its kind.
constexpr const char* kKeyEntries[] = {"keyCode", "modifiers", "delay"};

// The names of the kind entries of each slot, in the order of macroStepKindEntries().
const QStringList& kindEntryKeys(int slot) {
  static const std::vector<QStringList> keys = [] {
    std::vector<QStringList> k(kMacroStepCount);
    for (int i = 0; i < kMacroStepCount; ++i)
      for (const QString& entry : macroStepKindEntries())
        k[i] << macroStepKey(qPrintable(entry), i);
    return k;
  }();
  return keys[slot];
}

const QSet<QString>& keyComboKeys() {
  static const QSet<QString> keys = [] {
    QSet<QString> k{QStringLiteral("description"), QStringLiteral("keyCode"),
                    QStringLiteral("modifiers")};
    for (int slot = 0; slot < kMacroStepCount; ++slot) {
      for (const char* entry : kKeyEntries) k << macroStepKey(entry, slot);
      for (const QString& entry : kindEntryKeys(slot)) k << entry;
    }
    return k;
  }();
  return keys;
}

// A slot entry's name with a number outside the slots: "keyCode8", "text12".
bool isStepEntry(const QString& key) {
  QStringList names = macroStepKindEntries();
  for (const char* entry : kKeyEntries) names << QString::fromLatin1(entry);
  for (const QString& name : names) {
    if (!key.startsWith(name) || key.size() == name.size()) continue;
    bool digits = true;
    for (qsizetype i = name.size(); i < key.size(); ++i) digits = digits && key.at(i).isDigit();
    if (digits) return true;
  }
  return false;
}

}  // namespace

void KeyComboValidation::check(const PlistValue& combo, const QString& path) {
  for (int slot = 0; slot < kMacroStepCount; ++slot) {
    slotStep_ = readMacroStep(combo, slot);
    checkKeyEntries(combo, slot, path);
    checkKindEntries(combo, slot, path, checkKind(combo, slot, path));
  }

  findings_.checkEntry(combo["description"], PlistValue::Type::String,
                       findings_.child(path, QStringLiteral("description")),
                       tr("missing (the key's label reads empty)"));
  // Written by a key reset, read by nobody: only their type matters.
  findings_.expect(combo["keyCode"], PlistValue::Type::Integer,
                   findings_.child(path, QStringLiteral("keyCode")));
  findings_.expect(combo["modifiers"], PlistValue::Type::Integer,
                   findings_.child(path, QStringLiteral("modifiers")));

  checkKnownKeys(combo, path);
}

bool KeyComboValidation::holdsAnyStep(const PlistValue& combo) {
  for (int slot = 0; slot < kMacroStepCount; ++slot) {
    const PlistValue code = combo[macroStepKey("keyCode", slot)];
    if (code.isNone() || code.toInteger() != kEmptyKeyCode || readMacroStep(combo, slot))
      return true;
  }
  return false;
}

void KeyComboValidation::checkKeyEntries(const PlistValue& combo, int slot, const QString& path) {
  SettingsFindings& f = findings_;
  const QString codePath = f.child(path, macroStepKey("keyCode", slot));
  const PlistValue code = combo[macroStepKey("keyCode", slot)];
  // The step's key code when it is a usable one; -1 for a slot without a key.
  std::optional<qint64> key;
  if (code.isNone()) {
    f.error(codePath, tr("missing (a missing step plays key 0)"));
  } else if (f.expect(code, PlistValue::Type::Integer, codePath)) {
    if (code.toInteger() < kEmptyKeyCode || code.toInteger() > kMaxKeyCode)
      //: %1: the number the file holds; %2: the highest key code.
      f.error(codePath, tr("%1 is not a key code (0-%2, or -1 for an empty step)")
                            .arg(f.shown(code))
                            .arg(kMaxKeyCode));
    else
      key = code.toInteger();
  }
  const bool recorded = key && *key >= 0;
  // A slot without a key plays nothing unless it is a step of another kind.
  const bool empty = key && *key == kEmptyKeyCode && !slotStep_;

  const QString modifiersPath = f.child(path, macroStepKey("modifiers", slot));
  const PlistValue modifiers = combo[macroStepKey("modifiers", slot)];
  if (f.checkEntry(modifiers, PlistValue::Type::Integer, modifiersPath,
                   tr("missing (reads as 0: no modifiers)"))) {
    const qint64 mask = modifiers.toInteger();
    if (mask == -1) {
      if (recorded)
        //: "(None)" is what the preferences show for the step's modifiers.
        f.error(modifiersPath, tr("-1 with a key (the helper holds down all four modifiers; the "
                                  "preferences show (None))"));
    } else if (mask < 0) {
      //: %1: the number the file holds.
      f.error(modifiersPath, tr("%1 is not a modifier mask").arg(mask));
    } else if (mask & ~kModifierBits) {
      //: %1: a hexadecimal bit mask.
      f.warning(modifiersPath, tr("bits 0x%1 are not modifiers (ignored)")
                                   .arg(QString::number(mask & ~kModifierBits, 16)));
    }
  }

  const QString delayPath = f.child(path, macroStepKey("delay", slot));
  const PlistValue delay = combo[macroStepKey("delay", slot)];
  if (delay.isNone()) {
    f.warning(delayPath, tr("missing (reads as 0: no pause)"));
  } else if (f.expectNumber(delay, delayPath)) {
    const double ms = delay.doubleValue();
    if (!std::isfinite(ms))
      //: %1: the delay the file holds.
      f.error(delayPath, tr("%1 is not a number of milliseconds").arg(f.shown(delay)));
    else if (ms > kMaxDelay)
      //: %1: the delay the file holds; %2: the longest delay, in milliseconds.
      f.error(delayPath, tr("%1 is above %2").arg(f.shown(delay)).arg(kMaxDelay));
    else if (ms < 0)
      //: %1: the delay the file holds.
      f.error(delayPath, tr("%1 is below 0").arg(f.shown(delay)));
    else if (ms != std::floor(ms))
      //: %1: the delay the file holds.
      f.warning(delayPath, tr("%1 is not a whole number of milliseconds (the preferences keep "
                              "whole milliseconds)")
                               .arg(f.shown(delay)));
    else if (empty && ms > 0)
      //: %1: the delay the file holds, in milliseconds.
      f.warning(delayPath, tr("%1 after an empty step is ignored (an empty step causes no pause)")
                               .arg(f.shown(delay)));
  }
}

std::optional<StepKind> KeyComboValidation::checkKind(const PlistValue& combo, int slot,
                                                      const QString& path) {
  SettingsFindings& f = findings_;
  const QString kindPath = f.child(path, macroStepKey("stepKind", slot));
  const PlistValue value = combo[macroStepKey("stepKind", slot)];
  if (value.isNone()) return StepKind::Key;
  if (!f.expect(value, PlistValue::Type::String, kindPath)) return std::nullopt;

  const bool keySlot = isKeySlot();
  const qsizetype index = stepKindNames().indexOf(value.toString());
  if (index < 0) {
    const QString kinds = f.oneOf(stepKindNames(), SettingsFindings::Joined::And);
    if (keySlot)
      //: %1: the value the file holds, in quotes; %2: the kinds the file may name. The step
      //: has a key code, which every reader plays.
      f.error(kindPath, tr("%1 is not a step kind (every reader plays the step's key code; the "
                           "kinds are %2)")
                            .arg(f.shown(value), kinds));
    else
      //: %1: the value the file holds, in quotes; %2: the kinds the file may name. Programs
      //: that know only recorded keys, and this one, play nothing for the step.
      f.error(kindPath, tr("%1 is not a step kind (an older reader and this one skip the step; "
                           "the kinds are %2)")
                            .arg(f.shown(value), kinds));
    return std::nullopt;
  }
  const StepKind kind = StepKind(index);
  if (kind != StepKind::Key && keySlot)
    //: %1: the step kind the file names, in quotes; %2: the slot's key code. A step of another
    //: kind than a key has key code -1, so that readers that know only keys skip it.
    f.error(kindPath, tr("%1 on a step with key code %2 (every reader plays the key and ignores "
                         "the kind; a step of another kind has key code -1)")
                          .arg(f.shown(value))
                          .arg(slotStep_->keyCode));
  return kind;
}

void KeyComboValidation::checkKindEntries(const PlistValue& combo, int slot, const QString& path,
                                          std::optional<StepKind> kind) {
  // An unusable kind has been reported: its entries say nothing more.
  if (!kind) return;
  SettingsFindings& f = findings_;
  const bool empty = *kind == StepKind::Key && !isKeySlot();
  const QStringList& own = macroStepEntriesOf(*kind);
  for (qsizetype e = 0; e < macroStepKindEntries().size(); ++e) {
    const QString& entry = macroStepKindEntries().at(e);
    const QString& key = kindEntryKeys(slot).at(e);
    if (!combo.contains(key) || own.contains(entry)) continue;
    const bool namesItsKind = entry == QStringLiteral("stepKind");
    if (empty)
      //: The entry named before the colon belongs to a macro step that plays nothing.
      f.warning(f.child(path, key), tr("ignored (the step is empty: its key code is -1 and it "
                                       "names no other kind)"));
    else if (!namesItsKind)
      //: %1: the step's kind as the file names it ("Key", "Text", "MouseButton" or "Wheel"),
      //: in quotes.
      f.warning(
          f.child(path, key),
          tr("not used by a %1 step (ignored)").arg(f.quoted(stepKindNames().at(int(*kind)))));
  }

  switch (*kind) {
    case StepKind::Key:
      break;
    case StepKind::Text:
      checkText(combo, slot, path);
      break;
    case StepKind::MouseButton:
      f.checkChoice(combo, macroStepKey("button", slot), path, mouseButtonNames(),
                    //: The entry named before the colon is not in the file, so programs play
                    //: nothing for the step.
                    tr("missing (readers skip the step)"));
      // Missing: the button is clicked.
      f.checkChoice(combo, macroStepKey("buttonAction", slot), path, buttonActionNames(),
                    QString());
      break;
    case StepKind::Wheel:
      f.checkChoice(combo, macroStepKey("wheel", slot), path, wheelDirectionNames(),
                    tr("missing (readers skip the step)"));
      checkNotches(combo, slot, path);
      break;
  }
}

void KeyComboValidation::checkText(const PlistValue& combo, int slot, const QString& path) {
  SettingsFindings& f = findings_;
  const QString textPath = f.child(path, macroStepKey("text", slot));
  const PlistValue text = combo[macroStepKey("text", slot)];
  if (text.isNone()) {
    f.error(textPath, tr("missing (the step types nothing)"));
  } else if (f.expect(text, PlistValue::Type::String, textPath)) {
    const qsizetype length = text.toString().size();
    if (length == 0)
      f.error(textPath, tr("empty (the step types nothing)"));
    else if (length > kMaxTextLength)
      //: %n: the text's length in characters; %1: the most a text step types.
      f.error(textPath, tr("is %n characters long; a text step types at most %1 (the rest is "
                           "left out)",
                           "", int(length))
                            .arg(kMaxTextLength));
  }
}

void KeyComboValidation::checkNotches(const PlistValue& combo, int slot, const QString& path) {
  SettingsFindings& f = findings_;
  const QString notchesPath = f.child(path, macroStepKey("notches", slot));
  const PlistValue notches = combo[macroStepKey("notches", slot)];
  if (f.checkEntry(notches, PlistValue::Type::Integer, notchesPath,
                   //: The entry named before the colon is not in the file: the wheel turns by
                   //: one notch.
                   tr("missing (reads as 1: one notch)")) &&
      (notches.toInteger() < kMinNotches || notches.toInteger() > kMaxNotches))
    //: %1: the number the file holds; %2, %3: the fewest and most notches of a wheel step.
    f.error(notchesPath,
            tr("%1 is outside %2-%3").arg(f.shown(notches)).arg(kMinNotches).arg(kMaxNotches));
}

void KeyComboValidation::checkKnownKeys(const PlistValue& combo, const QString& path) {
  for (const QString& key : combo.keys()) {
    if (keyComboKeys().contains(key)) continue;
    if (isStepEntry(key))
      //: %1: the number of the last step a macro has.
      findings_.warning(
          findings_.child(path, key),
          tr("not a settings key (ignored: a macro has steps 0-%1)").arg(kMacroStepCount - 1));
    else
      findings_.unknownKey(findings_.child(path, key));
  }
}

}  // namespace halvane::settings
