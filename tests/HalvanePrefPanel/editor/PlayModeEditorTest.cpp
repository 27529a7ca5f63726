// The play mode pop-up of the macro editor, from the key's record to the record again.
#include "tests/HalvanePrefPanel/controller/PaneRig.h"

#include "HalvanePrefPanel/editor/HVKeyComboPanel.h"
#include "ui_HVKeyComboPanel.h"

#include <QComboBox>
#include <QDialog>

#include <gtest/gtest.h>

namespace halvane::test {
namespace {

TEST(PlayModePopUp, ShowsTheKeysModeAndStoresTheChosenOne) {
  struct Case {
    const char* stored;  // nullptr: no entry
    int shown;           // the pop-up's item when the editor opens
    int chosen;          // -1: left as shown
    const char* after;   // nullptr: still no entry
  };
  const std::vector<Case> cases = {
      {nullptr, 0, -1, nullptr},  // a file without the entry stays without it
      {nullptr, 0, 2, "Toggle"},    {"WhileHeld", 1, -1, "WhileHeld"},
      {"Toggle", 2, 0, "Once"},  // an entry once written says Once rather than go away
      {"Bogus", 0, 1, "WhileHeld"},
  };
  for (const Case& c : cases) {
    PaneRig rig(PaneOptions().helperOn(2).from(defaultsTree()));
    HVKeyComboPanel* editor = HVKeyComboPanel::sharedPanel();
    PlistValue record = rig.macroKey(2, 3);
    if (c.stored) record.set(settings::kPlayModeKey, QString::fromLatin1(c.stored));
    rig.pane().handleMacroButton(rig.pane().m_Key[3]);
    QComboBox* popUp = editor->outlets().fPlayModePopUp;
    EXPECT_EQ(popUp->currentIndex(), c.shown) << c.stored;
    EXPECT_TRUE(popUp->isEnabled());
    if (c.chosen >= 0) {
      popUp->setCurrentIndex(c.chosen);
      emit popUp->activated(c.chosen);
    }
    editor->setKeyCombo(HVKeyCombo(4, 0, 0));
    editor->ok();
    const PlistValue stored = rig.macroKey(2, 3)[settings::kPlayModeKey];
    if (c.after)
      EXPECT_EQ(stored.toString(), QString::fromLatin1(c.after)) << c.stored;
    else
      EXPECT_TRUE(stored.isNone()) << c.stored;
  }
}

TEST(PlayModePopUp, ChoosingOnlyTheModeKeepsTheRecordedSteps) {
  PaneRig rig(PaneOptions().helperOn(2).from(defaultsTree()));
  HVKeyComboPanel* editor = HVKeyComboPanel::sharedPanel();
  rig.pane().handleMacroButton(rig.pane().m_Key[4]);
  editor->setKeyCombo(HVKeyCombo(4, 0, 0));
  editor->ok();
  rig.pane().handleMacroButton(rig.pane().m_Key[4]);
  QComboBox* popUp = editor->outlets().fPlayModePopUp;
  popUp->setCurrentIndex(1);
  emit popUp->activated(1);
  editor->ok();
  const PlistValue record = rig.macroKey(2, 4);
  EXPECT_EQ(record[QStringLiteral("ActionType")].toString(), QStringLiteral("ExecuteMacro"));
  EXPECT_EQ(record[QStringLiteral("KeyCombo")][QStringLiteral("keyCode0")].intValue(), 4);
  EXPECT_EQ(record[settings::kPlayModeKey].toString(), QStringLiteral("WhileHeld"));

  rig.pane().handleMacroButton(rig.pane().m_Key[4]);
  editor->ok();  // nothing chosen, nothing recorded: the key keeps its macro and its mode
  EXPECT_EQ(rig.macroKey(2, 4)[QStringLiteral("ActionType")].toString(),
            QStringLiteral("ExecuteMacro"));
  EXPECT_EQ(rig.macroKey(2, 4)[settings::kPlayModeKey].toString(), QStringLiteral("WhileHeld"));

  rig.pane().handleMacroButton(rig.pane().m_Key[4]);
  editor->clear();
  editor->ok();  // cleared: the key's macro is gone
  EXPECT_EQ(rig.macroKey(2, 4)[QStringLiteral("ActionType")].toString(), QString());
}

}  // namespace
}  // namespace halvane::test
