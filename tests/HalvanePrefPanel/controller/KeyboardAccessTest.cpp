// The pane with the keyboard alone and as screen readers are told of it: the focus order, the
// macro keys' keys (Enter, Space, Shift+F10, the Menu key, the arrows), the focus frame, the key
// recorder's way out, the profiles table's Enter, what the accessible interfaces say and the
// announcements.
#include "tests/HalvanePrefPanel/HotKeysLib3/KeyComboTestSupport.h"
#include "tests/HalvanePrefPanel/controller/PaneRig.h"

#include "HalvanePrefPanel/controller/PaneGlobals.h"
#include "HalvanePrefPanel/editor/HVKeyComboPanel.h"
#include "HalvanePrefPanel/widgets/HVKeyView.h"
#include "HalvanePrefPanel/widgets/StatusAnnouncer.h"
#include "platform/input/keycodes/MacKeyCodes.h"
#include "ui_HVKeyComboPanel.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

#include <linux/input-event-codes.h>

namespace halvane::test {
namespace {

// The offscreen platform activates no window by itself.
void activate(QWidget* window) {
  window->show();
  QT_WARNING_PUSH
  QT_WARNING_DISABLE_DEPRECATED
  QApplication::setActiveWindow(window);
  QT_WARNING_POP
}

// A key as the X server gives it: with its scan code, which the key recorder needs.
void pressKey(QWidget* widget, int evdev, Qt::Key key, Qt::KeyboardModifiers modifiers = {},
              quint64 timestamp = 0) {
  QKeyEvent down(QEvent::KeyPress, key, modifiers, quint32(evdev + 8), 0, 0);
  down.setTimestamp(timestamp);
  QApplication::sendEvent(widget, &down);
  QKeyEvent up(QEvent::KeyRelease, key, modifiers, quint32(evdev + 8), 0, 0);
  up.setTimestamp(timestamp);
  QApplication::sendEvent(widget, &up);
}

class KeyboardAccess : public ::testing::Test {
 protected:
  KeyboardAccess() : rig(PaneOptions().helperOn(0).from(settings())) { activate(&rig.view()); }
  ~KeyboardAccess() override {
    if (editor->window()->isVisible()) editor->cancel();
    rig.ui().m_PopUpContextMenu->hide();
  }
  static PlistValue settings() {
    PlistValue tree = defaultsTree();
    PlistValue key = tree[QStringLiteral("Profiles")].at(0)[QStringLiteral("MacroKeys")].at(1);
    key.set(QStringLiteral("ActionType"), QStringLiteral("SelectProfile"));
    key.set(QStringLiteral("SelectProfile"), 2);
    return tree;
  }
  HVKeyView* key(int index) { return rig.pane().m_Key[index]; }
  QString focused() {
    QWidget* widget = QApplication::focusWidget();
    return widget ? widget->objectName() : QString();
  }
  void openEditorOnL1() {
    key(0)->setFocus();
    QTest::keyClick(key(0), Qt::Key_Return);
    ASSERT_TRUE(editor->window()->isVisible());
    activate(editor->window());
    editor->outlets().mKeyBcaster->setFocus();
  }

  ScopedKeyCodesTable keyNames{shippedKeyCodes()};
  PaneRig rig;
  HVKeyComboPanel* editor = HVKeyComboPanel::sharedPanel();
};

TEST_F(KeyboardAccess, TabGoesDownTheWindowAndTheKeysInTheirOrder) {
  rig.ui().m_EditProfilePopUpButton->setFocus();
  QStringList visited;
  for (int n = 0; n < 20; ++n) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited << focused();
  }
  EXPECT_EQ(visited, QStringList({"fSwapCmdAltCheckbox",
                                  "m_L1Key",
                                  "m_L2Key",
                                  "m_L3Key",
                                  "m_L4Key",
                                  "m_L5Key",
                                  "m_R1Key",
                                  "m_R2Key",
                                  "m_R3Key",
                                  "m_R4Key",
                                  "m_R5Key",
                                  "m_MediaPlayerPopUpButton",
                                  "m_ImagingPopUpButton",
                                  "m_ResetKeysBtn",
                                  "m_ShowChangesCB",
                                  "m_AutoSwitchingOverrideCB",
                                  "m_ShowTrayIconCB",
                                  "helpButton",
                                  "applyButton",
                                  "qt_tabwidget_tabbar"}));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(focused(), QStringLiteral("applyButton"));
}

TEST_F(KeyboardAccess, ArrowsMoveBetweenTheKeysAsOnTheKeyboard) {
  const struct {
    int from;
    Qt::Key arrow;
    int to;
  } moves[] = {{0, Qt::Key_Down, 1},  {1, Qt::Key_Right, 6}, {6, Qt::Key_Up, 5},
               {5, Qt::Key_Left, 0},  {0, Qt::Key_Up, 0},    {4, Qt::Key_Down, 4},
               {9, Qt::Key_Right, 9}, {2, Qt::Key_Left, 2}};
  for (const auto& [from, arrow, to] : moves) {
    key(from)->setFocus();
    QTest::keyClick(key(from), arrow);
    EXPECT_EQ(QApplication::focusWidget(), key(to)) << from << " " << arrow;
  }
  // Also in a right-to-left language: the picture is not mirrored, L1 stays on the left.
  rig.view().setLayoutDirection(Qt::RightToLeft);
  key(0)->setFocus();
  QTest::keyClick(key(0), Qt::Key_Right);
  EXPECT_EQ(QApplication::focusWidget(), key(5));
}

TEST_F(KeyboardAccess, EnterSpaceAndTheMenuKeysWorkOnTheFocusedKey) {
  for (const Qt::Key open : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
    key(3)->setFocus();
    QTest::keyClick(key(3), open);
    EXPECT_TRUE(editor->window()->isVisible()) << open;
    EXPECT_EQ(editor->keyBindingName(), QStringLiteral("L4"));
    editor->cancel();
  }

  QMenu* menu = rig.ui().m_PopUpContextMenu;
  key(7)->setFocus();
  QTest::keyClick(key(7), Qt::Key_F10, Qt::ShiftModifier);
  EXPECT_TRUE(menu->isVisible());
  EXPECT_EQ(gCurrentMacroKeyIndex, 7);
  menu->hide();

  // The Menu key: the platform sends a context menu event for the keyboard.
  QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(0, 0), QPoint(-500, -500));
  QApplication::sendEvent(key(8), &menuKey);
  EXPECT_TRUE(menu->isVisible());
  EXPECT_EQ(gCurrentMacroKeyIndex, 8);
  EXPECT_LT((menu->pos() - key(8)->mapToGlobal(key(8)->rect().center())).manhattanLength(), 2);
  menu->hide();
  EXPECT_FALSE(editor->window()->isVisible());
}

TEST_F(KeyboardAccess, TheFocusedKeyIsFramedInTheHighlightColourAndLit) {
  const QRgb highlight = key(2)->palette().color(QPalette::Active, QPalette::Highlight).rgb();
  EXPECT_NE(key(2)->grab().toImage().pixel(1, 1), highlight);
  key(2)->setFocus();
  const QImage framed = key(2)->grab().toImage();
  EXPECT_EQ(framed.pixel(1, 1), highlight);
  EXPECT_EQ(framed.pixel(framed.width() - 2, framed.height() - 2), highlight);
  EXPECT_FLOAT_EQ(key(2)->opacity(), 0.3f);
  EXPECT_FLOAT_EQ(rig.pane().m_KeyLabelBtn[2]->opacity(), 0.5f);
  key(3)->setFocus();
  EXPECT_FLOAT_EQ(key(2)->opacity(), 0.0f);
}

TEST_F(KeyboardAccess, ScreenReadersMeetOneNamedButtonPerKeyAndNoLabelNoise) {
  QAccessibleInterface* l2 = QAccessible::queryAccessibleInterface(key(1));
  ASSERT_NE(l2, nullptr);
  EXPECT_EQ(l2->role(), QAccessible::Button);
  EXPECT_EQ(l2->text(QAccessible::Name), QStringLiteral("L2: switches to the profile “Profile 3”"));
  EXPECT_FALSE(l2->text(QAccessible::Description).isEmpty());
  EXPECT_TRUE(l2->state().focusable);
  QAccessibleActionInterface* actions = l2->actionInterface();
  ASSERT_NE(actions, nullptr);
  EXPECT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::showMenuAction()));
  actions->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_TRUE(editor->window()->isVisible());
  EXPECT_EQ(editor->keyBindingName(), QStringLiteral("L2"));
  editor->cancel();

  QAccessibleInterface* label = QAccessible::queryAccessibleInterface(rig.pane().m_KeyLabelBtn[1]);
  EXPECT_TRUE(label->state().invisible);
  EXPECT_FALSE(label->state().focusable);
  EXPECT_EQ(label->childCount(), 0);
  QAccessibleInterface* picture = QAccessible::queryAccessibleInterface(rig.ui().keyboardPicture);
  EXPECT_EQ(picture->role(), QAccessible::Grouping);
  EXPECT_EQ(picture->text(QAccessible::Name), QStringLiteral("Macro keys"));

  // A stored macro changes the name at once.
  rig.pane().handleMacroButton(key(1));
  editor->clear();  // from selecting a profile to a macro
  editor->setKeyCombo(HVKeyCombo(kVK_Escape, 0, 0));
  editor->ok();
  EXPECT_EQ(l2->text(QAccessible::Name), QStringLiteral("L2: types Escape"));
}

TEST_F(KeyboardAccess, TheCaptionsAreRadioButtonsChosenWithTheKeyboard) {
  openEditorOnL1();
  Ui::HVKeyComboPanel& ui = editor->outlets();
  QAccessibleInterface* app = QAccessible::queryAccessibleInterface(ui.fAppCaption);
  EXPECT_EQ(app->role(), QAccessible::RadioButton);
  EXPECT_EQ(app->text(QAccessible::Name), ui.fAppCaption->text());
  EXPECT_FALSE(app->state().checked);
  EXPECT_TRUE(QAccessible::queryAccessibleInterface(ui.fMacroCaption)->state().checked);
  ui.fAppCaption->setFocus();
  QTest::keyClick(ui.fAppCaption, Qt::Key_Space);
  EXPECT_EQ(editor->getActionType(), QStringLiteral("LaunchApp"));
  EXPECT_TRUE(app->state().checked);
  EXPECT_FALSE(QAccessible::queryAccessibleInterface(ui.fMacroCaption)->state().checked);
  EXPECT_EQ(editor->window()->accessibleName(), QStringLiteral("Macro key L1"));
}

TEST_F(KeyboardAccess, TabGoesThroughTheEditorsChoicesInOrderAndStopsAtTheRecorder) {
  openEditorOnL1();
  editor->outlets().f50msButton->setFocus();
  QStringList visited;
  for (int n = 0; n < 16; ++n) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited << focused();
  }
  // From the play mode the recorder takes the Tab as a key to record: the focus stays there.
  EXPECT_EQ(visited,
            QStringList({"f100msButton", "f150msButton", "f200msButton", "clearButton",
                         "fAddStepButton", "fAppCaption", "fSelectAppButton", "fProfileCaption",
                         "fProfileCombo", "applyButton", "cancelButton", "okButton",
                         "fMacroCaption", "fPlayModePopUp", "mKeyBcaster", "mKeyBcaster"}));
}

TEST_F(KeyboardAccess, EscapeTwiceLeavesTheRecorderAndTakesBackTheFirstEscape) {
  openEditorOnL1();
  Ui::HVKeyComboPanel& ui = editor->outlets();
  QWidget* recorder = ui.mKeyBcaster;
  ASSERT_TRUE(recorder->hasFocus());
  EXPECT_TRUE(recorder->accessibleDescription().contains(QStringLiteral("Escape twice")));

  pressKey(recorder, KEY_TAB, Qt::Key_Tab);  // Tab is a key like any other here
  pressKey(recorder, KEY_ESC, Qt::Key_Escape, {}, 1000);
  pressKey(recorder, KEY_A, Qt::Key_A, {}, 1100);  // another key between: no way out
  pressKey(recorder, KEY_ESC, Qt::Key_Escape, {}, 1200);
  pressKey(recorder, KEY_ESC, Qt::Key_Escape, {}, 4000);  // too late for the pair
  ASSERT_TRUE(recorder->hasFocus());
  ASSERT_EQ(editor->keyArray().size(), 5);
  EXPECT_EQ(editor->keyArray()[0].keyCode(), kVK_Tab);
  EXPECT_EQ(editor->keyArray()[4].keyCode(), kVK_Escape);
  EXPECT_EQ(QWidget::keyboardGrabber(), recorder);

  pressKey(recorder, KEY_ESC, Qt::Key_Escape, {}, 4300);
  EXPECT_EQ(editor->keyArray().size(), 4) << "the Escape of the pair is taken back";
  EXPECT_EQ(QApplication::focusWidget(), ui.f50msButton);
  EXPECT_EQ(QWidget::keyboardGrabber(), nullptr);
  EXPECT_EQ(ui.fStatusLine->text(), QStringLiteral("Recording stopped."));
  EXPECT_TRUE(editor->window()->isVisible());
}

TEST_F(KeyboardAccess, OutsideAMacroTheRecorderLetsTabAndEscapeThrough) {
  openEditorOnL1();
  Ui::HVKeyComboPanel& ui = editor->outlets();
  editor->handleTextClick(ui.fAppCaption);
  ui.mKeyBcaster->setFocus();
  pressKey(ui.mKeyBcaster, KEY_TAB, Qt::Key_Tab);
  EXPECT_NE(QApplication::focusWidget(), ui.mKeyBcaster);
  ui.mKeyBcaster->setFocus();
  pressKey(ui.mKeyBcaster, KEY_ESC, Qt::Key_Escape);
  EXPECT_FALSE(editor->window()->isVisible()) << "Escape cancels the sheet";
}

TEST_F(KeyboardAccess, RecordedKeysPausesAndSavesAreAnnounced) {
  openEditorOnL1();
  StatusAnnouncer* sheet = editor->outlets().fStatusLine;
  editor->handleDelayClick(editor->outlets().f50msButton);
  EXPECT_EQ(sheet->text(), QStringLiteral("Record a key first: the pause follows the last key."));
  pressKey(editor->outlets().mKeyBcaster, KEY_ESC, Qt::Key_Escape);
  EXPECT_EQ(sheet->text(), QStringLiteral("Recorded Escape, key 1 of 8."));
  editor->handleDelayClick(editor->outlets().f150msButton);
  EXPECT_EQ(sheet->text(), QStringLiteral("After Escape the macro waits 0.15 seconds."));
  for (int n = 0; n < 8; ++n) editor->setKeyCombo(HVKeyCombo(kVK_ANSI_A, 0, 0));
  EXPECT_EQ(sheet->text(), QStringLiteral("Not recorded: a macro has at most 8 keys."));
  editor->clear();
  EXPECT_EQ(sheet->text(), QStringLiteral("Macro cleared."));
  editor->cancel();

  StatusAnnouncer* pane = rig.ui().m_StatusLine;
  rig.ui().applyButton->click();
  EXPECT_EQ(pane->text(), QStringLiteral("Settings saved; the keyboard uses them now."));
  rig.notifications->postNotification(QStringLiteral("Profile Changed"),
                                      QStringLiteral("com.halvane.keyboard.pane"),
                                      {{QStringLiteral("Index"), QStringLiteral("7")}});
  EXPECT_EQ(pane->text(), QStringLiteral("The keyboard switched to profile 8, “Profile 8”."));
  QAccessibleInterface* line = QAccessible::queryAccessibleInterface(pane);
  EXPECT_EQ(line->role(), QAccessible::AlertMessage);
  EXPECT_EQ(line->text(QAccessible::Name), pane->text());
}

TEST_F(KeyboardAccess, EnterInTheProfilesTableRenamesOrAssignsAnApplication) {
  rig.ui().m_TabView->setCurrentIndex(1);
  ProfilesTableView* table = rig.ui().m_ProfilesTable;
  QAbstractItemModel* model = table->model();
  table->setFocus();
  table->setCurrentIndex(model->index(2, 1));
  QTest::keyClick(table, Qt::Key_Return);
  ASSERT_EQ(rig.openPanel->requests.size(), 1);
  EXPECT_EQ(rig.openPanel->requests[0].fileTypes, QStringList{QStringLiteral("app")});

  table->setCurrentIndex(model->index(2, 0));
  QTest::keyClick(table, Qt::Key_Return);
  auto* nameEditor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
  ASSERT_NE(nameEditor, nullptr) << "Enter on a name does not edit it";
  EXPECT_EQ(nameEditor->text(), QStringLiteral("Profile 3"));

  // Cells that show no text still say something, and every cell says how it changes.
  EXPECT_EQ(model->index(2, 2).data(Qt::AccessibleTextRole).toString(),
            model->headerData(2, Qt::Horizontal).toString());
  EXPECT_EQ(model->index(2, 1).data(Qt::AccessibleTextRole).toString(), QStringLiteral("none"));
  EXPECT_EQ(model->index(2, 0).data(Qt::AccessibleTextRole).toString(),
            QStringLiteral("Profile 3"));
  for (int column = 0; column < 3; ++column)
    EXPECT_FALSE(model->index(2, column).data(Qt::AccessibleDescriptionRole).toString().isEmpty());
}

}  // namespace
}  // namespace halvane::test
