// The macro-key tab: the editor's result stored in the key's record, the labels, the context
// menu, the key reset and the highlight.
#include "tests/HalvanePrefPanel/controller/PaneRig.h"

#include "HalvanePrefPanel/controller/PaneGlobals.h"
#include "HalvanePrefPanel/editor/HVKeyComboPanel.h"
#include "HalvanePrefPanel/widgets/HVKeyView.h"
#include "ui_HVKeyComboPanel.h"

#include <QDialog>
#include <QMenu>
#include <QMouseEvent>

#include <gtest/gtest.h>

namespace halvane::test {
namespace {

const QString kActionType = QStringLiteral("ActionType");

class MacroKeys : public ::testing::Test {
 protected:
  MacroKeys()
      : rig(PaneOptions().helperOn(2).from(defaultsTree())),
        editor(HVKeyComboPanel::sharedPanel()) {}
  void TearDown() override {
    if (editor->window()->isVisible()) editor->cancel();
  }
  void openKey(int key) { rig.pane().handleMacroButton(rig.pane().m_Key[key]); }
  PlistValue key(int index) { return rig.macroKey(2, index); }
  PlistValue combo(int index) { return key(index)[QStringLiteral("KeyCombo")]; }
  int step(int keyIndex, const char* name, int n) {
    return combo(keyIndex)[QString::fromLatin1(name) + QString::number(n)].intValue();
  }

  PaneRig rig;
  HVKeyComboPanel* editor;
};

TEST_F(MacroKeys, StoresARecordedMacroAndFillsTheRestOfTheSteps) {
  openKey(7);
  EXPECT_EQ(editor->keyBindingName(), QStringLiteral("R3"));
  editor->setKeyCombo(HVKeyCombo(0, 0x100, 0));
  editor->setKeyCombo(HVKeyCombo(11, 0, 0));
  editor->handleDelayClick(editor->outlets().f100msButton);
  editor->setKeyCombo(HVKeyCombo(8, 0x1200, 0));
  editor->ok();

  EXPECT_EQ(key(7)[kActionType].toString(), QStringLiteral("ExecuteMacro"));
  const int expected[8][3] = {{0, 0x100, 0}, {11, 0, 100}, {8, 0x1200, 0}, {-1, -1, 0},
                              {-1, -1, 0},   {-1, -1, 0},  {-1, -1, 0},    {-1, -1, 0}};
  for (int n = 0; n < 8; ++n) {
    EXPECT_EQ(step(7, "keyCode", n), expected[n][0]) << n;
    EXPECT_EQ(step(7, "modifiers", n), expected[n][1]) << n;
    EXPECT_EQ(step(7, "delay", n), expected[n][2]) << n;
  }
  const QString description =
      QStringLiteral("(%1)(%2)(%3)")
          .arg(HVKeyCombo(0, 0x100, 0).description(), HVKeyCombo(11, 0, 100).description(),
               HVKeyCombo(8, 0x1200, 0).description());
  EXPECT_EQ(combo(7)[QStringLiteral("description")].toString(), description);
  EXPECT_EQ(rig.ui().m_R3Label->text(), description);
  EXPECT_EQ(key(6)[kActionType].toString(), QString());
}

TEST_F(MacroKeys, ReopeningAKeyHandsTheEditorItsRecordedSteps) {
  PlistValue steps = combo(1);
  key(1).set(kActionType, QStringLiteral("ExecuteMacro"));
  steps.set(QStringLiteral("keyCode0"), 4);
  steps.set(QStringLiteral("modifiers0"), 0);
  steps.set(QStringLiteral("keyCode1"), -1);
  steps.set(QStringLiteral("keyCode2"), 5);
  steps.set(QStringLiteral("modifiers2"), 0x200);
  steps.set(QStringLiteral("delay2"), 150);
  openKey(1);
  EXPECT_EQ(editor->outlets().fOldComboField->text(),
            QStringLiteral("(%1)(%2)")
                .arg(HVKeyCombo(4, 0, 0).description(), HVKeyCombo(5, 0x200, 150).description()));
  // The steps are the editor's rows: confirming without a change keeps them as they were.
  ASSERT_EQ(editor->keyArray().size(), 2);
  EXPECT_EQ(editor->keyArray()[1].delay(), 150);
  editor->ok();
  EXPECT_EQ(key(1)[kActionType].toString(), QStringLiteral("ExecuteMacro"));
  EXPECT_EQ(step(1, "keyCode", 0), 4);
  EXPECT_EQ(step(1, "keyCode", 1), 5);
  EXPECT_EQ(step(1, "delay", 1), 150);
  EXPECT_EQ(step(1, "keyCode", 2), -1);

  // Cleared and confirmed, the key is unassigned.
  openKey(1);
  editor->clear();
  editor->ok();
  EXPECT_EQ(key(1)[kActionType].toString(), QString());
  EXPECT_EQ(combo(1)[QStringLiteral("description")].toString(), QString());
  for (int n = 0; n < 8; ++n) EXPECT_EQ(step(1, "keyCode", n), -1);
  EXPECT_TRUE(rig.ui().m_L2Label->text().isEmpty());
}

TEST_F(MacroKeys, CancelChangesNothing) {
  openKey(0);
  editor->setKeyCombo(HVKeyCombo(3, 0, 0));
  const PlistValue before = key(0).deepCopy();
  editor->cancel();
  EXPECT_EQ(key(0), before);
}

TEST_F(MacroKeys, ApplyStoresAndKeepsTheSheetOpen) {
  openKey(4);
  EXPECT_EQ(editor->keyBindingName(), QStringLiteral("L5"));
  editor->setKeyCombo(HVKeyCombo(6, 0, 0));
  editor->apply();
  EXPECT_EQ(key(4)[kActionType].toString(), QStringLiteral("ExecuteMacro"));
  EXPECT_TRUE(editor->window()->isVisible());
}

TEST_F(MacroKeys, ProfileAndApplicationResults) {
  openKey(2);
  editor->setProfile(8);
  editor->setActionType(QStringLiteral("SelectProfile"));
  editor->apply();
  EXPECT_EQ(key(2)[kActionType].toString(), QStringLiteral("SelectProfile"));
  EXPECT_EQ(key(2)[QStringLiteral("SelectProfile")].intValue(), 8);
  EXPECT_EQ(rig.ui().m_L3Label->text(), QStringLiteral("Profile: Profile 9"));

  editor->setProfile(10);  // out of range: the key becomes unassigned
  editor->apply();
  EXPECT_EQ(key(2)[kActionType].toString(), QString());

  editor->setActionType(QStringLiteral("LaunchApp"));
  editor->setAppUrl(QStringLiteral("/usr/share/applications/org.gnome.gedit.desktop"));
  rig.workspace->displayNames.insert(editor->getUrl(), QStringLiteral("Text Editor"));
  editor->apply();
  EXPECT_EQ(key(2)[kActionType].toString(), QStringLiteral("LaunchApp"));
  EXPECT_EQ(key(2)[QStringLiteral("LaunchAppURL")].toString(), editor->getUrl());
  EXPECT_EQ(rig.ui().m_L3Label->text(), QStringLiteral("Text Editor"));

  editor->setAppUrl(QString());  // no application: unassigned
  editor->apply();
  EXPECT_EQ(key(2)[kActionType].toString(), QString());
}

TEST_F(MacroKeys, OpeningAKeyFillsTheEditorFromItsRecord) {
  key(3).set(kActionType, QStringLiteral("SelectProfile"));
  key(3).set(QStringLiteral("SelectProfile"), 6);
  openKey(3);
  EXPECT_EQ(editor->getActionType(), QStringLiteral("SelectProfile"));
  EXPECT_EQ(editor->getProfile(), 6);
  editor->cancel();

  key(9).set(kActionType, QStringLiteral("LaunchApp"));
  key(9).set(QStringLiteral("LaunchAppURL"), QStringLiteral("/bin/true"));
  openKey(9);
  EXPECT_EQ(editor->getUrl(), QStringLiteral("/bin/true"));
  EXPECT_EQ(editor->keyBindingName(), QStringLiteral("R5"));
}

TEST_F(MacroKeys, MissingApplicationShowsItsFileNameInGrey) {
  key(5).set(kActionType, QStringLiteral("LaunchApp"));
  key(5).set(QStringLiteral("LaunchAppURL"), QStringLiteral("/nowhere/Old Game.desktop"));
  rig.pane().displaySettingsForProfile(2);
  EXPECT_EQ(rig.ui().m_R1Label->text(), QStringLiteral("Old Game"));
  QLabel* label = rig.ui().m_R1Label;
  EXPECT_EQ(label->foregroundRole(), QPalette::PlaceholderText);
  EXPECT_NE(label->palette().color(QPalette::PlaceholderText),
            label->palette().color(QPalette::Text));
  // A key that has its application again is drawn in the field's text colour.
  key(5).set(QStringLiteral("LaunchAppURL"), QString());
  rig.pane().displaySettingsForProfile(2);
  EXPECT_EQ(label->foregroundRole(), QPalette::Text);
}

TEST_F(MacroKeys, ContextMenuActsOnTheKeyItWasOpenedOn) {
  const PlistValue before = rig.pane().prefs().deepCopy();
  rig.pane().popUpContextMenu(rig.pane().m_Key[7], QPoint(10, 10));
  EXPECT_EQ(gCurrentMacroKeyIndex, 7);
  rig.ui().m_PopUpContextMenu->hide();
  QMenu* profiles = rig.ui().m_PopUpContextMenu->actions().at(1)->menu();
  ASSERT_EQ(profiles, rig.ui().m_ProfilesSubmenu);
  profiles->actions().at(5)->trigger();
  EXPECT_EQ(key(7)[kActionType].toString(), QStringLiteral("SelectProfile"));
  EXPECT_EQ(key(7)[QStringLiteral("SelectProfile")].intValue(), 5);
  EXPECT_EQ(rig.ui().m_R3Label->text(), QStringLiteral("Profile: Profile 6"));
  EXPECT_TRUE(rig.log->lines.contains(QStringLiteral("Profile index: 2 - Key index: 7")));

  // Everything but R3 of profile 3 is as it was.
  key(7).set(kActionType, QString());
  key(7).set(QStringLiteral("SelectProfile"),
             before[QStringLiteral("Profiles")].at(2)[QStringLiteral("MacroKeys")].at(
                 7)[QStringLiteral("SelectProfile")]);
  EXPECT_EQ(rig.pane().prefs(), before);
}

TEST_F(MacroKeys, ContextMenuChoosesAnApplicationOrResets) {
  QTemporaryDir apps;
  const QString app = apps.filePath(QStringLiteral("Player.desktop"));
  QFile(app).open(QIODevice::WriteOnly);
  rig.openPanel->answers = {{}, {app}};
  rig.pane().popUpContextMenu(rig.pane().m_Key[0], QPoint());
  rig.ui().m_PopUpContextMenu->hide();
  rig.ui().actionChooseApplication->trigger();  // cancelled
  EXPECT_EQ(key(0)[kActionType].toString(), QString());
  rig.ui().actionChooseApplication->trigger();
  EXPECT_EQ(key(0)[kActionType].toString(), QStringLiteral("LaunchApp"));
  EXPECT_EQ(key(0)[QStringLiteral("LaunchAppURL")].toString(), app);
  EXPECT_EQ(key(0)[QStringLiteral("LaunchAppAlias")].toData(),
            QFileInfo(app).canonicalFilePath().toUtf8());

  rig.ui().actionHotKey->trigger();  // changes nothing
  EXPECT_EQ(key(0)[kActionType].toString(), QStringLiteral("LaunchApp"));
  EXPECT_FALSE(rig.ui().actionHotKey->isVisible());

  rig.ui().actionResetKey->trigger();
  EXPECT_EQ(key(0)[kActionType].toString(), QString());
  EXPECT_EQ(key(0)[QStringLiteral("LaunchAppURL")].toString(), QString());
  EXPECT_TRUE(key(0)[QStringLiteral("LaunchAppAlias")].toData().isEmpty());
  EXPECT_EQ(key(0)[QStringLiteral("LaunchAppAlias")].type(), PlistValue::Type::Data);
}

TEST_F(MacroKeys, ResetKeysClearsEveryKeyOfTheEditedProfileOnly) {
  for (int profile : {2, 3}) {
    PlistValue k = rig.macroKey(profile, 4);
    k.set(kActionType, QStringLiteral("ExecuteMacro"));
    k.set(QStringLiteral("SelectProfile"), 3);
    k[QStringLiteral("KeyCombo")].set(QStringLiteral("keyCode0"), 9);
    k[QStringLiteral("KeyCombo")].set(QStringLiteral("description"), QStringLiteral("(V)"));
  }
  rig.pane().displaySettingsForProfile(2);
  EXPECT_EQ(rig.ui().m_L5Label->text(), QStringLiteral("(V)"));
  rig.ui().m_ResetKeysBtn->click();
  EXPECT_TRUE(rig.log->lines.contains(QStringLiteral("Reset keys for profile: 2 ")));
  EXPECT_EQ(key(4)[kActionType].toString(), QString());
  EXPECT_EQ(key(4)[QStringLiteral("SelectProfile")].intValue(), 0);
  EXPECT_EQ(combo(4)[QStringLiteral("keyCode")].intValue(), 0);
  EXPECT_EQ(combo(4)[QStringLiteral("description")].toString(), QString());
  EXPECT_EQ(combo(4)[QStringLiteral("keyCode0")].intValue(), 9);  // numbered steps stay
  EXPECT_TRUE(rig.ui().m_L5Label->text().isEmpty());
  EXPECT_EQ(rig.macroKey(3, 4)[kActionType].toString(), QStringLiteral("ExecuteMacro"));
}

TEST_F(MacroKeys, KeyViewsHighlightAndOpenTheEditor) {
  HVKeyView* l4 = rig.pane().m_Key[3];
  QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
  QApplication::sendEvent(l4, &enter);
  EXPECT_FLOAT_EQ(rig.pane().m_Key[3]->opacity(), 0.3f);
  EXPECT_FLOAT_EQ(rig.pane().m_KeyLabelBtn[3]->opacity(), 0.5f);
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(l4, &leave);
  EXPECT_FLOAT_EQ(rig.pane().m_Key[3]->opacity(), 0.0f);
  EXPECT_FLOAT_EQ(rig.pane().m_KeyLabelBtn[3]->opacity(), 0.0f);

  rig.pane().mouseOverMacroKey(20);  // other indexes are ignored
  rig.pane().mouseOverMacroKey(-1);

  QMouseEvent click(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(rig.ui().fCmdAlt1, &click);  // tag 20: no editor
  EXPECT_FALSE(editor->window()->isVisible());
  QApplication::sendEvent(rig.pane().m_KeyLabelBtn[6], &click);
  EXPECT_TRUE(editor->window()->isVisible());
  EXPECT_EQ(editor->keyBindingName(), QStringLiteral("R2"));
  EXPECT_TRUE(gKeyDict.isSameObject(key(6)));
  EXPECT_EQ(editor->window()->parentWidget(), rig.view().window());
}

}  // namespace
}  // namespace halvane::test
