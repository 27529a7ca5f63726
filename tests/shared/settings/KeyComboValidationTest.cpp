// The validator on macro steps of every kind: what the pane writes is clean, and each way a
// step kind's entries can be wrong is reported once, at its entry, with its severity.
#include "shared/plist/PlistFile.h"
#include "shared/settings/MacroStep.h"
#include "shared/settings/SettingsStore.h"
#include "shared/settings/SettingsValidator.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace halvane::settings {
namespace {

PlistValue defaults() {
  return read(QStringLiteral(HALVANE_SOURCE_DIR "/shared/defaults.plist")).deepCopy();
}
PlistValue keyOf(const PlistValue& root, int p, int k) {
  return root["Profiles"].at(p)["MacroKeys"].at(k);
}

// writeMacroSteps on the KeyCombo of a macro key.
void store(PlistValue key, const QList<MacroStep>& steps) {
  key.set("ActionType", "ExecuteMacro");
  PlistValue combo = key["KeyCombo"];
  writeMacroSteps(combo, steps);
}

// Profile 3's key L5 plays a key, a text, a middle click and three notches down, in slots 0-3;
// slots 4-7 are empty.
PlistValue mixedMacro() {
  PlistValue root = defaults();
  store(keyOf(root, 2, 4), {MacroStep::key(36, 0x0100, 100),
                            MacroStep::typing(QStringLiteral("hello@example.org"), 200),
                            MacroStep::mouseButton(MouseButton::Middle, ButtonAction::Click),
                            MacroStep::scroll(WheelDirection::Down, 3)});
  keyOf(root, 2, 4)["KeyCombo"].set("description", "(⌘↩+100ms)");
  return root;
}
PlistValue combo(const PlistValue& root) {
  return keyOf(root, 2, 4)["KeyCombo"];
}

// "E path: message" or "W path: message", the path after the macro's KeyCombo.
QStringList lines(const SettingsProblems& problems) {
  const QString prefix = QStringLiteral("Profiles[2].MacroKeys[4].KeyCombo.");
  QStringList out;
  for (const SettingsProblem& p : problems) {
    QString text = p.text();
    if (text.startsWith(prefix)) text = text.mid(prefix.size());
    out << (p.isError() ? "E " : "W ") + text;
  }
  return out;
}

struct Case {
  const char* name;
  std::function<void(PlistValue&)> edit;
  QStringList expected;
};

const std::vector<Case>& cases() {
  static const QString kinds =
      QStringLiteral("the kinds are \"Key\", \"Text\", \"MouseButton\" and \"Wheel\")");
  static const std::vector<Case> table = {
      {"every kind as the pane writes it", [](PlistValue&) {}, {}},
      {"an explicit key kind on a key",
       [](PlistValue& r) { combo(r).set("stepKind0", "Key"); },
       {}},
      {"an unknown kind in a slot without a key",
       [](PlistValue& r) { combo(r).set("stepKind4", "Macro"); },
       {"E stepKind4: \"Macro\" is not a step kind (an older reader and this one skip the step; " +
        kinds}},
      {"an unknown kind on a key",
       [](PlistValue& r) { combo(r).set("stepKind0", "Chord"); },
       {"E stepKind0: \"Chord\" is not a step kind (every reader plays the step's key code; " +
        kinds}},
      {"a kind that is no string: the step is skipped, and so is its pause",
       [](PlistValue& r) { combo(r).set("stepKind1", 1); },
       {"W delay1: 200 after an empty step is ignored (an empty step causes no pause)",
        "E stepKind1: is an integer, expected a string"}},
      {"a text step with a key code",
       [](PlistValue& r) { combo(r).set("keyCode1", 36); },
       {"E modifiers1: -1 with a key (the helper holds down all four modifiers; the preferences "
        "show (None))",
        "E stepKind1: \"Text\" on a step with key code 36 (every reader plays the key and ignores "
        "the kind; a step of another kind has key code -1)"}},
      {"a wheel step whose key code is missing reads as key 0",
       [](PlistValue& r) { combo(r).remove("keyCode3"); },
       {"E keyCode3: missing (a missing step plays key 0)",
        "E stepKind3: \"Wheel\" on a step with key code 0 (every reader plays the key and ignores "
        "the kind; a step of another kind has key code -1)"}},
      {"an empty text",
       [](PlistValue& r) { combo(r).set("text1", ""); },
       {"E text1: empty (the step types nothing)"}},
      {"a missing text",
       [](PlistValue& r) { combo(r).remove("text1"); },
       {"E text1: missing (the step types nothing)"}},
      {"a text that is no string",
       [](PlistValue& r) { combo(r).set("text1", 5); },
       {"E text1: is an integer, expected a string"}},
      {"the longest text",
       [](PlistValue& r) { combo(r).set("text1", QString(kMaxTextLength, u'x')); },
       {}},
      {"a text one character too long",
       [](PlistValue& r) { combo(r).set("text1", QString(kMaxTextLength + 1, u'x')); },
       {"E text1: is 1001 characters long; a text step types at most 1000 (the rest is left "
        "out)"}},
      {"an unknown button",
       [](PlistValue& r) { combo(r).set("button2", "Fourth"); },
       {"E button2: \"Fourth\" is not one of \"Left\", \"Right\", \"Middle\", \"Back\" or "
        "\"Forward\""}},
      {"a missing button",
       [](PlistValue& r) { combo(r).remove("button2"); },
       {"E button2: missing (readers skip the step)"}},
      {"a missing button action clicks",
       [](PlistValue& r) { combo(r).remove("buttonAction2"); },
       {}},
      {"an unknown button action",
       [](PlistValue& r) { combo(r).set("buttonAction2", "Hold"); },
       {"E buttonAction2: \"Hold\" is not one of \"Click\", \"Press\" or \"Release\""}},
      {"a button action that is no string",
       [](PlistValue& r) { combo(r).set("buttonAction2", true); },
       {"E buttonAction2: is a boolean, expected a string"}},
      {"an unknown wheel direction",
       [](PlistValue& r) { combo(r).set("wheel3", "Sideways"); },
       {"E wheel3: \"Sideways\" is not one of \"Up\", \"Down\", \"Left\" or \"Right\""}},
      {"a missing wheel direction",
       [](PlistValue& r) { combo(r).remove("wheel3"); },
       {"E wheel3: missing (readers skip the step)"}},
      {"notches at both ends",
       [](PlistValue& r) {
         store(keyOf(r, 2, 4), {MacroStep::scroll(WheelDirection::Left, kMinNotches),
                                MacroStep::scroll(WheelDirection::Right, kMaxNotches)});
       },
       {}},
      {"notches out of range, of another type and missing",
       [](PlistValue& r) {
         store(keyOf(r, 2, 4), QList<MacroStep>(4, MacroStep::scroll(WheelDirection::Up, 1)));
         combo(r).set("notches0", 0);
         combo(r).set("notches1", 21);
         combo(r).set("notches2", 2.5);
         combo(r).remove("notches3");
       },
       {"E notches0: 0 is outside 1-20", "E notches1: 21 is outside 1-20",
        "E notches2: is a real number, expected an integer",
        "W notches3: missing (reads as 1: one notch)"}},
      {"entries of another kind",
       [](PlistValue& r) {
         combo(r).set("notches0", 2);
         combo(r).set("button1", "Left");
         combo(r).set("text2", "left over");
         combo(r).set("buttonAction3", "Press");
       },
       {"W notches0: not used by a \"Key\" step (ignored)",
        "W button1: not used by a \"Text\" step (ignored)",
        "W text2: not used by a \"MouseButton\" step (ignored)",
        "W buttonAction3: not used by a \"Wheel\" step (ignored)"}},
      {"kind entries in an empty slot",
       [](PlistValue& r) {
         combo(r).set("stepKind5", "Key");
         combo(r).set("text5", "left over");
         combo(r).set("wheel7", "Up");
       },
       {"W stepKind5: ignored (the step is empty: its key code is -1 and it names no other kind)",
        "W text5: ignored (the step is empty: its key code is -1 and it names no other kind)",
        "W wheel7: ignored (the step is empty: its key code is -1 and it names no other kind)"}},
      {"entries of a ninth step and a key no program reads",
       [](PlistValue& r) {
         combo(r).set("text8", "ninth");
         combo(r).set("stepKind12", "Text");
         combo(r).set("texts", "?");
       },
       {"W stepKind12: not a settings key (ignored: a macro has steps 0-7)",
        "W text8: not a settings key (ignored: a macro has steps 0-7)",
        "W texts: not a settings key (ignored)"}},
      {"a macro of one text step plays something",
       [](PlistValue& r) { store(keyOf(r, 0, 1), {MacroStep::typing("hi")}); },
       {}},
      {"a macro whose only step has an unknown kind plays nothing",
       [](PlistValue& r) {
         keyOf(r, 0, 1).set("ActionType", "ExecuteMacro");
         keyOf(r, 0, 1)["KeyCombo"].set("stepKind0", "Macro");
       },
       {"E Profiles[0].MacroKeys[1].KeyCombo.stepKind0: \"Macro\" is not a step kind (an older "
        "reader and this one skip the step; " +
            kinds,
        "W Profiles[0].MacroKeys[1].KeyCombo: no recorded step (the macro plays nothing)"}},
  };
  return table;
}

TEST(KeyComboValidation, EachStepKindProblemIsReportedAtItsEntry) {
  for (const Case& c : cases()) {
    PlistValue root = mixedMacro();
    c.edit(root);
    EXPECT_EQ(lines(SettingsValidator::validateSettings(root)).join(u'\n').toStdString(),
              c.expected.join(u'\n').toStdString())
        << c.name;
  }
}

// Whatever the pane's step record holds, what it writes passes the check.
TEST(KeyComboValidation, EveryStepTheRecordWritesIsClean) {
  QList<MacroStep> steps;
  for (int b = 0; b < mouseButtonNames().size(); ++b)
    for (int a = 0; a < buttonActionNames().size(); ++a)
      steps << MacroStep::mouseButton(MouseButton(b), ButtonAction(a), 10 * a);
  for (int w = 0; w < wheelDirectionNames().size(); ++w)
    steps << MacroStep::scroll(WheelDirection(w), kMaxNotches - w, 6350);
  steps << MacroStep::typing(QStringLiteral("Grüße, naïve € 😀\n\t"), 0.4);
  for (qsizetype first = 0; first < steps.size(); first += kMacroStepCount) {
    PlistValue root = defaults();
    // Rewriting over earlier steps of other kinds leaves nothing of them behind.
    store(keyOf(root, 5, 0), steps.mid(first ? first - 1 : 0, kMacroStepCount));
    store(keyOf(root, 5, 0), steps.mid(first, kMacroStepCount));
    EXPECT_EQ(lines(SettingsValidator::validateSettings(root)).join(u'\n').toStdString(), "")
        << first;
  }
}

}  // namespace
}  // namespace halvane::settings
