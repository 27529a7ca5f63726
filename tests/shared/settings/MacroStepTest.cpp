// Macro steps in the KeyCombo dictionary: what each stored slot plays, what an older reader that
// knows only keys sees, and that writing and reading again keeps every step.

#include "shared/settings/MacroStep.h"
#include "shared/settings/SettingsLimits.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <vector>

namespace halvane::settings {
namespace {

using Entries = std::vector<std::pair<const char*, PlistValue>>;

PlistValue slotZero(const Entries& entries) {
  PlistValue combo = PlistValue::dictionary();
  for (const auto& [name, value] : entries) combo.set(macroStepKey(name, 0), value);
  return combo;
}

TEST(MacroStepSlot, ReadsWhatEachSlotHolds) {
  const QString longText(kMaxTextLength + 5, u'x');
  struct Case {
    const char* what;
    Entries entries;
    std::optional<MacroStep> plays;
  };
  const std::vector<Case> cases = {
      {"a recorded key",
       {{"keyCode", 8}, {"modifiers", 0x100}, {"delay", 250}},
       MacroStep::key(8, 0x100, 250)},
      {"a missing key code is key 0", {{"modifiers", 0}}, MacroStep::key(0, 0)},
      {"an empty slot", {{"keyCode", -1}, {"modifiers", -1}, {"delay", 0}}, std::nullopt},
      {"a fractional pause",
       {{"keyCode", 1}, {"modifiers", 0}, {"delay", 12.5}},
       MacroStep::key(1, 0, 12.5)},
      {"a key code wins over a step kind",
       {{"keyCode", 4}, {"modifiers", 0}, {"stepKind", "Text"}, {"text", "hi"}},
       MacroStep::key(4, 0)},
      {"text",
       {{"keyCode", -1}, {"stepKind", "Text"}, {"text", "Grüße €"}, {"delay", 200}},
       MacroStep::typing(QStringLiteral("Grüße €"), 200)},
      {"text kept to its length",
       {{"keyCode", -1}, {"stepKind", "Text"}, {"text", longText}},
       MacroStep::typing(longText.left(kMaxTextLength))},
      {"a character is not cut in half at the length",
       {{"keyCode", -1},
        {"stepKind", "Text"},
        {"text", QString(kMaxTextLength - 1, u'x') + QStringLiteral("\U0001F600")}},
       MacroStep::typing(QString(kMaxTextLength - 1, u'x'))},
      {"a missing text types nothing",
       {{"keyCode", -1}, {"stepKind", "Text"}},
       MacroStep::typing(QString())},
      {"an unknown kind is empty", {{"keyCode", -1}, {"stepKind", "Joystick"}}, std::nullopt},
      {"kinds are exact words",
       {{"keyCode", -1}, {"stepKind", "text"}, {"text", "a"}},
       std::nullopt},
      {"the word Key without a key", {{"keyCode", -1}, {"stepKind", "Key"}}, std::nullopt},
      {"a button press",
       {{"keyCode", -1},
        {"stepKind", "MouseButton"},
        {"button", "Back"},
        {"buttonAction", "Press"}},
       MacroStep::mouseButton(MouseButton::Back, ButtonAction::Press)},
      {"a missing action clicks",
       {{"keyCode", -1}, {"stepKind", "MouseButton"}, {"button", "Middle"}},
       MacroStep::mouseButton(MouseButton::Middle, ButtonAction::Click)},
      {"an unknown button is not guessed",
       {{"keyCode", -1}, {"stepKind", "MouseButton"}, {"button", "Thumb"}},
       std::nullopt},
      {"wheel",
       {{"keyCode", -1}, {"stepKind", "Wheel"}, {"wheel", "Left"}, {"notches", 3}},
       MacroStep::scroll(WheelDirection::Left, 3)},
      {"notches above the most",
       {{"keyCode", -1}, {"stepKind", "Wheel"}, {"wheel", "Down"}, {"notches", 500}},
       MacroStep::scroll(WheelDirection::Down, kMaxNotches)},
      {"missing notches",
       {{"keyCode", -1}, {"stepKind", "Wheel"}, {"wheel", "Up"}},
       MacroStep::scroll(WheelDirection::Up, kMinNotches)},
      {"a wheel without a direction",
       {{"keyCode", -1}, {"stepKind", "Wheel"}, {"notches", 2}},
       std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(readMacroStep(slotZero(c.entries), 0), c.plays);
  }
}

TEST(MacroStepSlot, WritesEveryKindSoThatItReadsBackAndOlderReadersSkipIt) {
  const QList<MacroStep> steps = {
      MacroStep::key(0x08, 0x1000, 50),
      MacroStep::typing(QStringLiteral("hello@example.org"), 200),
      MacroStep::mouseButton(MouseButton::Right, ButtonAction::Release),
      MacroStep::scroll(WheelDirection::Down, 20, kMaxDelay),
      MacroStep::key(0x09, 0x1000),
  };
  PlistValue combo = PlistValue::dictionary();
  combo.set(QStringLiteral("description"), QStringLiteral("kept"));
  // What the slots held before: a text step where a key goes now, a wheel in a slot now empty.
  combo.set(QStringLiteral("stepKind0"), QStringLiteral("Text"));
  combo.set(QStringLiteral("text0"), QStringLiteral("old"));
  combo.set(QStringLiteral("stepKind6"), QStringLiteral("Wheel"));
  combo.set(QStringLiteral("notches6"), 4);
  writeMacroSteps(combo, steps);

  EXPECT_EQ(readMacroSteps(combo), steps);
  EXPECT_EQ(combo[QStringLiteral("description")].toString(), QStringLiteral("kept"));
  for (const char* gone : {"stepKind0", "text0", "stepKind6", "notches6", "stepKind4"})
    EXPECT_TRUE(combo[QString::fromLatin1(gone)].isNone()) << gone;
  // A reader that knows only keys: every slot has all three numbers, the non-key ones and those
  // after the last step are empty (-1), and the pauses stay where they were.
  for (int slot = 0; slot < kMacroStepCount; ++slot) {
    const int keyCode = combo[macroStepKey("keyCode", slot)].intValue();
    EXPECT_EQ(keyCode != -1, slot == 0 || slot == 4) << slot;
    EXPECT_EQ(combo[macroStepKey("modifiers", slot)].type(), PlistValue::Type::Integer) << slot;
    EXPECT_EQ(combo[macroStepKey("delay", slot)].type(), PlistValue::Type::Integer) << slot;
  }
  EXPECT_EQ(combo[QStringLiteral("delay3")].intValue(), kMaxDelay);
  EXPECT_EQ(combo[QStringLiteral("stepKind2")].toString(), QStringLiteral("MouseButton"));
  EXPECT_EQ(combo[QStringLiteral("buttonAction2")].toString(), QStringLiteral("Release"));

  writeMacroSteps(combo, {});
  EXPECT_TRUE(readMacroSteps(combo).isEmpty());
  EXPECT_TRUE(combo[QStringLiteral("text1")].isNone());
}

}  // namespace
}  // namespace halvane::settings
