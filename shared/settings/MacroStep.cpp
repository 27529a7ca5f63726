#include "shared/settings/MacroStep.h"

#include "shared/settings/SettingsLimits.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace halvane::settings {

namespace {

// The entries only a step of another kind than a key has.
constexpr const char* kKindEntries[] = {"stepKind",     "text",  "button",
                                        "buttonAction", "wheel", "notches"};

// The index of the stored word in names; -1 for a missing entry, another type or an unknown word.
int indexOfWord(const QStringList& names, const PlistValue& value) {
  if (value.type() != PlistValue::Type::String) return -1;
  return int(names.indexOf(value.toString()));
}

}  // namespace

MacroStep MacroStep::key(int keyCode, int modifiers, double delay) {
  MacroStep step;
  step.keyCode = keyCode;
  step.modifiers = modifiers;
  step.delay = delay;
  return step;
}

MacroStep MacroStep::typing(const QString& text, double delay) {
  MacroStep step;
  step.kind = StepKind::Text;
  step.text = text;
  step.delay = delay;
  return step;
}

MacroStep MacroStep::mouseButton(MouseButton button, ButtonAction action, double delay) {
  MacroStep step;
  step.kind = StepKind::MouseButton;
  step.button = button;
  step.buttonAction = action;
  step.delay = delay;
  return step;
}

MacroStep MacroStep::scroll(WheelDirection direction, int notches, double delay) {
  MacroStep step;
  step.kind = StepKind::Wheel;
  step.wheel = direction;
  step.notches = notches;
  step.delay = delay;
  return step;
}

QString leftWhole(const QString& text, qsizetype length) {
  if (text.size() <= length) return text;
  return text.left(length > 0 && text.at(length - 1).isHighSurrogate() ? length - 1 : length);
}

QString macroStepKey(const char* name, int slot) {
  return QString::fromLatin1(name) + QString::number(slot);
}

const QStringList& stepKindNames() {
  static const QStringList names{QStringLiteral("Key"), QStringLiteral("Text"),
                                 QStringLiteral("MouseButton"), QStringLiteral("Wheel")};
  return names;
}

const QStringList& mouseButtonNames() {
  static const QStringList names{QStringLiteral("Left"), QStringLiteral("Right"),
                                 QStringLiteral("Middle"), QStringLiteral("Back"),
                                 QStringLiteral("Forward")};
  return names;
}

const QStringList& buttonActionNames() {
  static const QStringList names{QStringLiteral("Click"), QStringLiteral("Press"),
                                 QStringLiteral("Release")};
  return names;
}

const QStringList& wheelDirectionNames() {
  static const QStringList names{QStringLiteral("Up"), QStringLiteral("Down"),
                                 QStringLiteral("Left"), QStringLiteral("Right")};
  return names;
}

const QStringList& macroStepKindEntries() {
  static const QStringList names = [] {
    QStringList n;
    for (const char* entry : kKindEntries) n << QString::fromLatin1(entry);
    return n;
  }();
  return names;
}

const QStringList& macroStepEntriesOf(StepKind kind) {
  static const std::array<QStringList, 4> entries{
      QStringList(), QStringList{QStringLiteral("text")},
      QStringList{QStringLiteral("button"), QStringLiteral("buttonAction")},
      QStringList{QStringLiteral("wheel"), QStringLiteral("notches")}};
  return entries.at(size_t(kind));
}

std::optional<MacroStep> readMacroStep(const PlistValue& keyCombo, int slot) {
  const int keyCode = keyCombo[macroStepKey("keyCode", slot)].intValue();
  const double delay = keyCombo[macroStepKey("delay", slot)].doubleValue();
  if (keyCode != kEmptyKeyCode)
    return MacroStep::key(keyCode, keyCombo[macroStepKey("modifiers", slot)].intValue(), delay);
  switch (StepKind(indexOfWord(stepKindNames(), keyCombo[macroStepKey("stepKind", slot)]))) {
    case StepKind::Text:
      return MacroStep::typing(
          leftWhole(keyCombo[macroStepKey("text", slot)].toString(), kMaxTextLength), delay);
    case StepKind::MouseButton: {
      const int button = indexOfWord(mouseButtonNames(), keyCombo[macroStepKey("button", slot)]);
      if (button < 0) return std::nullopt;
      const int action =
          indexOfWord(buttonActionNames(), keyCombo[macroStepKey("buttonAction", slot)]);
      return MacroStep::mouseButton(MouseButton(button),
                                    action < 0 ? ButtonAction::Click : ButtonAction(action), delay);
    }
    case StepKind::Wheel: {
      const int direction =
          indexOfWord(wheelDirectionNames(), keyCombo[macroStepKey("wheel", slot)]);
      if (direction < 0) return std::nullopt;
      const qint64 notches = keyCombo[macroStepKey("notches", slot)].toInteger();
      return MacroStep::scroll(WheelDirection(direction),
                               int(std::clamp<qint64>(notches, kMinNotches, kMaxNotches)), delay);
    }
    case StepKind::Key:  // a key step without a key
      break;
  }
  return std::nullopt;
}

QList<MacroStep> readMacroSteps(const PlistValue& keyCombo) {
  QList<MacroStep> steps;
  for (const std::optional<MacroStep>& step : readMacroSlots(keyCombo))
    if (step) steps << *step;
  return steps;
}

MacroSlots readMacroSlots(const PlistValue& keyCombo) {
  MacroSlots steps;
  for (int slot = 0; slot < kMacroStepCount; ++slot)
    steps[size_t(slot)] = readMacroStep(keyCombo, slot);
  return steps;
}

void writeMacroSteps(PlistValue& keyCombo, const QList<MacroStep>& steps) {
  for (int slot = 0; slot < kMacroStepCount; ++slot) {
    for (const char* entry : kKindEntries) keyCombo.remove(macroStepKey(entry, slot));
    const bool used = slot < steps.size();
    const MacroStep step = used ? steps[slot] : MacroStep();
    const bool key = used && step.kind == StepKind::Key;
    keyCombo.set(macroStepKey("keyCode", slot), key ? step.keyCode : kEmptyKeyCode);
    keyCombo.set(macroStepKey("modifiers", slot), key ? step.modifiers : -1);
    // Whole milliseconds, as the preferences have always written them.
    keyCombo.set(macroStepKey("delay", slot), used ? int(std::lround(step.delay)) : 0);
    if (!used || key) continue;
    keyCombo.set(macroStepKey("stepKind", slot), stepKindNames().at(int(step.kind)));
    switch (step.kind) {
      case StepKind::Text:
        keyCombo.set(macroStepKey("text", slot), step.text);
        break;
      case StepKind::MouseButton:
        keyCombo.set(macroStepKey("button", slot), mouseButtonNames().at(int(step.button)));
        keyCombo.set(macroStepKey("buttonAction", slot),
                     buttonActionNames().at(int(step.buttonAction)));
        break;
      case StepKind::Wheel:
        keyCombo.set(macroStepKey("wheel", slot), wheelDirectionNames().at(int(step.wheel)));
        keyCombo.set(macroStepKey("notches", slot), step.notches);
        break;
      case StepKind::Key:
        break;
    }
  }
}

}  // namespace halvane::settings
