#pragma once

#include "shared/plist/PlistValue.h"
#include "shared/settings/MacroStepKinds.h"
#include "shared/settings/SettingsLimits.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace halvane::settings {

// One step of a macro as the KeyCombo dictionary stores it in slot N (0 to 7):
// keyCodeN, modifiersN and delayN as always; a step that is not a key combination has keyCodeN
// -1 (so a reader that knows only keys skips it as an empty step) and says what it is in
// stepKindN ("Key" when missing, "Text", "MouseButton", "Wheel") with its own entries: textN;
// buttonN and buttonActionN; wheelN and notchesN.
struct MacroStep {
  StepKind kind = StepKind::Key;
  int keyCode = -1;    // Key: the virtual key code
  int modifiers = -1;  // Key: the modifier mask
  double delay = 0;    // milliseconds to wait after the step, any kind
  QString text;        // Text
  MouseButton button = MouseButton::Left;
  ButtonAction buttonAction = ButtonAction::Click;
  WheelDirection wheel = WheelDirection::Up;
  int notches = 1;

  static MacroStep key(int keyCode, int modifiers, double delay = 0);
  static MacroStep typing(const QString& text, double delay = 0);
  static MacroStep mouseButton(MouseButton button, ButtonAction action, double delay = 0);
  static MacroStep scroll(WheelDirection direction, int notches, double delay = 0);

  friend bool operator==(const MacroStep&, const MacroStep&) = default;
};

// text's first `length` UTF-16 units, one fewer where the last would be the first half of a
// character outside the Basic Multilingual Plane: half a character is none.
QString leftWhole(const QString& text, qsizetype length);

// The entry names of slot `slot`: macroStepKey("keyCode", 3) is "keyCode3".
QString macroStepKey(const char* name, int slot);

// The stored words, in the order of their enums: "Key", "Text", "MouseButton", "Wheel";
// "Left", "Right", "Middle", "Back", "Forward"; "Click", "Press", "Release"; "Up", "Down", "Left",
// "Right".
const QStringList& stepKindNames();
const QStringList& mouseButtonNames();
const QStringList& buttonActionNames();
const QStringList& wheelDirectionNames();
// The names of the entries only a step of another kind than a key has, without the slot number:
// "stepKind", "text", "button", "buttonAction", "wheel", "notches".
const QStringList& macroStepKindEntries();
// Those of them a step of kind uses besides "stepKind": none for a key, "text" for a text, and so
// on.
const QStringList& macroStepEntriesOf(StepKind kind);

// The step slot `slot` holds; nothing for an empty slot. A slot whose keyCodeN is not -1 is a
// key step whatever else it holds (what every reader agrees on; a missing keyCodeN reads as 0,
// a real key). With keyCodeN -1 it is empty unless stepKindN names another kind whose values
// can be used: a missing or unknown button or wheel direction makes it empty rather than guess,
// a missing or unknown button action clicks, notches are kept within 1 to 20 and a text within
// its first 1,000 characters.
std::optional<MacroStep> readMacroStep(const PlistValue& keyCombo, int slot);
// The steps of keyCombo that play, in slot order.
QList<MacroStep> readMacroSteps(const PlistValue& keyCombo);
// Each slot's step, read once, for a player that needs the slot numbers too.
using MacroSlots = std::array<std::optional<MacroStep>, kMacroStepCount>;
MacroSlots readMacroSlots(const PlistValue& keyCombo);
// Writes all eight slots of keyCombo: steps (at most eight) in slots 0 up, empty slots after
// them (keyCode -1, modifiers -1, delay 0); each slot's entries of other kinds are removed, so
// that a slot re-recorded as a key keeps no old text. Entries outside the slots stay.
void writeMacroSteps(PlistValue& keyCombo, const QList<MacroStep>& steps);

}  // namespace halvane::settings
