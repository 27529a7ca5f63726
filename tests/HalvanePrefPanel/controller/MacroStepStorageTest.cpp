// Macros with steps of every kind through the pane: read into the editor's rows, handed back by
// OK, written by Apply; key-only macros stored exactly as the pane always stored them.
#include "tests/HalvanePrefPanel/controller/PaneRig.h"

#include "HalvanePrefPanel/controller/MacroStepDescription.h"
#include "HalvanePrefPanel/editor/HVKeyComboPanel.h"
#include "shared/settings/MacroStep.h"
#include "shared/settings/SettingsStore.h"

#include <QDialog>
#include <QFile>

#include <gtest/gtest.h>

namespace halvane::test {
namespace {

using settings::ButtonAction;
using settings::MacroStep;
using settings::MouseButton;
using settings::WheelDirection;

const QString kKeyCombo = QStringLiteral("KeyCombo");
const QString kDescription = QStringLiteral("description");

PlistValue macroKeyOf(PlistValue tree, int key) {
  PlistValue record = tree[QStringLiteral("Profiles")].at(2)[QStringLiteral("MacroKeys")].at(key);
  record.set(QStringLiteral("ActionType"), QStringLiteral("ExecuteMacro"));
  if (!record[kKeyCombo].isDictionary()) record.set(kKeyCombo, PlistValue::dictionary());
  return record;
}

QByteArray fileOf(PaneRig& rig) {
  rig.ui().applyButton->click();
  QFile file(rig.settingsPath());
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The KeyCombo entries but its description.
PlistValue stepEntries(const PlistValue& record) {
  PlistValue entries = record[kKeyCombo].deepCopy();
  entries.remove(kDescription);
  return entries;
}

TEST(MacroStepStorage, StepsOfEveryKindSurviveTheEditorAndTheFile) {
  const QList<MacroStep> steps{
      MacroStep::key(8, 0x1000, 50),
      MacroStep::typing(QStringLiteral("hello@example.org"), 200),
      MacroStep::mouseButton(MouseButton::Middle, ButtonAction::Press),
      MacroStep::mouseButton(MouseButton::Back, ButtonAction::Release, 10),
      MacroStep::scroll(WheelDirection::Left, settings::kMaxNotches),
      MacroStep::typing(QStringLiteral("Grüße €\tnaïve 🎹")),
      MacroStep::mouseButton(MouseButton::Forward, ButtonAction::Click),
      MacroStep::scroll(WheelDirection::Down, 1, 6350),
  };
  const PlistValue tree = defaultsTree();
  PlistValue stored = macroKeyOf(tree, 1);
  PlistValue combo = stored[kKeyCombo];
  settings::writeMacroSteps(combo, steps);
  combo.set(kDescription, QStringLiteral("written elsewhere"));

  for (const bool apply : {false, true}) {
    PaneRig rig(PaneOptions().helperOn(2).from(tree));
    const PlistValue before = stepEntries(rig.macroKey(2, 1));
    HVKeyComboPanel* editor = HVKeyComboPanel::sharedPanel();
    rig.pane().handleMacroButton(rig.pane().m_Key[1]);
    EXPECT_EQ(editor->steps(), steps);
    apply ? editor->apply() : editor->ok();
    if (apply) editor->cancel();  // what Apply handed over stays

    const PlistValue after = rig.macroKey(2, 1);
    EXPECT_EQ(stepEntries(after), before) << "apply " << apply;
    EXPECT_EQ(after[kKeyCombo][kDescription].toString(), macroDescription(steps));
    EXPECT_EQ(rig.ui().m_L2Label->text(), macroDescription(steps));
    fileOf(rig);
    const PlistValue saved = settings::read(rig.settingsPath())[QStringLiteral("Profiles")]
                                 .at(2)[QStringLiteral("MacroKeys")]
                                 .at(1);
    EXPECT_EQ(settings::readMacroSteps(saved[kKeyCombo]), steps);
    EXPECT_EQ(saved, after);
  }
}

TEST(MacroStepStorage, KeyOnlyMacrosAreStoredByteForByteAsBefore) {
  // As the pane has always written them: eight slots of key code, modifiers and whole
  // milliseconds, the description of the combinations.
  const int keys[][3] = {{0, 0x100, 0}, {11, 0, 100}, {8, 0x1200, 6350}};
  const PlistValue tree = defaultsTree();
  PlistValue combo = macroKeyOf(tree, 2)[kKeyCombo];
  QString description;
  for (int slot = 0; slot < 8; ++slot) {
    const bool used = slot < 3;
    combo.set(settings::macroStepKey("keyCode", slot), used ? keys[slot][0] : -1);
    combo.set(settings::macroStepKey("modifiers", slot), used ? keys[slot][1] : -1);
    combo.set(settings::macroStepKey("delay", slot), used ? keys[slot][2] : 0);
    if (used)
      description += QStringLiteral("(%1)").arg(
          HVKeyCombo(keys[slot][0], keys[slot][1], keys[slot][2]).description());
  }
  combo.set(kDescription, description);

  PaneRig untouched(PaneOptions().helperOn(2).from(tree));
  const QByteArray expected = fileOf(untouched);
  PaneRig edited(PaneOptions().helperOn(2).from(tree));
  edited.pane().handleMacroButton(edited.pane().m_Key[2]);
  HVKeyComboPanel::sharedPanel()->ok();
  ASSERT_FALSE(expected.isEmpty());
  EXPECT_EQ(fileOf(edited), expected);

  // Re-recorded as keys, a slot that held a text keeps none of it.
  PaneRig rig(PaneOptions().helperOn(2).from(tree));
  PlistValue mixed = rig.macroKey(2, 2)[kKeyCombo];
  settings::writeMacroSteps(mixed, {MacroStep::typing(QStringLiteral("old"))});
  rig.pane().handleMacroButton(rig.pane().m_Key[2]);
  HVKeyComboPanel* editor = HVKeyComboPanel::sharedPanel();
  editor->clear();
  editor->setKeyCombo(HVKeyCombo(4, 0, 0));
  editor->ok();
  const PlistValue rewritten = rig.macroKey(2, 2)[kKeyCombo];
  EXPECT_TRUE(rewritten[QStringLiteral("text0")].isNone());
  EXPECT_TRUE(rewritten[QStringLiteral("stepKind0")].isNone());
  EXPECT_EQ(rewritten[QStringLiteral("keyCode0")].intValue(), 4);
}

}  // namespace
}  // namespace halvane::test
