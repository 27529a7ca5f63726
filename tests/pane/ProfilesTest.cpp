// The profile menus, the media and imaging pop-ups, the profile reset and hideControl.
#include "tests/pane/PaneRig.h"

#include "HalvanePrefPanel/widgets/ProfilesTableView.h"

#include <QMenu>

#include <gtest/gtest.h>

namespace halvane::test {
namespace {

class Profiles : public ::testing::Test {
 protected:
  Profiles() : rig(PaneOptions().helperOn(0).from(defaultsTree())) {}
  QComboBox* editPopUp() { return rig.ui().m_EditProfilePopUpButton; }
  PaneRig rig;
};

TEST_F(Profiles, MenusListEveryProfileWithItsNumberAndTag) {
  QMenu* submenu = rig.ui().m_PopUpContextMenu->actions().at(1)->menu();
  ASSERT_NE(submenu, nullptr);
  ASSERT_EQ(submenu->actions().size(), 10);
  ASSERT_EQ(editPopUp()->count(), 10);
  for (int n = 0; n < 10; ++n) {
    const QString title = QStringLiteral("%1 - Profile %1").arg(n + 1);
    EXPECT_EQ(submenu->actions()[n]->text(), title);
    EXPECT_EQ(submenu->actions()[n]->property("tag").toInt(), n);
    EXPECT_EQ(editPopUp()->itemText(n), title);
    EXPECT_EQ(editPopUp()->itemData(n).toInt(), n);
  }
}

TEST_F(Profiles, RebuildingShowsNewNamesAndKeepsTheSelection) {
  rig.pane().displaySettingsForProfile(6);
  rig.profile(9).set(QStringLiteral("Name"), QStringLiteral("Games"));
  rig.ui().applyButton->click();
  EXPECT_EQ(editPopUp()->currentIndex(), 6);
  EXPECT_EQ(editPopUp()->itemText(9), QStringLiteral("10 - Games"));
  EXPECT_EQ(rig.ui().m_ProfilesSubmenu->actions().size(), 10);
  EXPECT_EQ(rig.ui().m_ProfilesSubmenu->actions()[9]->text(), QStringLiteral("10 - Games"));
}

TEST_F(Profiles, PopUpItemsStoreByTagAndShowByPosition) {
  struct Case {
    QComboBox* popUp;
    int position;
    const char* key;
    const char* value;
  };
  const Case cases[] = {
      {rig.ui().m_MediaPlayerPopUpButton, 0, "MediaPlayer", "iTunes"},
      {rig.ui().m_MediaPlayerPopUpButton, 1, "MediaPlayer", "QuickTime Player"},
      {rig.ui().m_MediaPlayerPopUpButton, 2, "MediaPlayer", "RealPlayer"},
      {rig.ui().m_MediaPlayerPopUpButton, 3, "MediaPlayer", "VLC"},
      {rig.ui().m_ImagingPopUpButton, 0, "ImagingOptions", "Preview"},
      {rig.ui().m_ImagingPopUpButton, 1, "ImagingOptions", "PhotoShop"},
      {rig.ui().m_ImagingPopUpButton, 2, "ImagingOptions", "Illustrator"},
      {rig.ui().m_ImagingPopUpButton, 3, "ImagingOptions", "Adobe Reader"},
      {rig.ui().m_ImagingPopUpButton, 4, "ImagingOptions", "ACDSee"},
  };
  rig.pane().displaySettingsForProfile(5);
  for (const Case& c : cases) {
    c.popUp->setCurrentIndex(c.position);
    emit c.popUp->activated(c.position);
    EXPECT_EQ(rig.profile(5)[QString::fromLatin1(c.key)].toString(), QString::fromLatin1(c.value));
    EXPECT_EQ(c.popUp->itemText(c.position), QString::fromLatin1(c.value));

    // The stored value selects the item at its position.
    c.popUp->setCurrentIndex(c.position == 0 ? 1 : 0);
    rig.pane().displaySettingsForProfile(5);
    EXPECT_EQ(c.popUp->currentIndex(), c.position) << c.value;
  }
  EXPECT_EQ(rig.profile(4)[QStringLiteral("MediaPlayer")],
            defaultsTree()[QStringLiteral("Profiles")].at(4)[QStringLiteral("MediaPlayer")]);

  // A value no item has leaves the selection alone; a tag no value has stores nothing.
  rig.profile(5).set(QStringLiteral("MediaPlayer"), QStringLiteral("Winamp"));
  rig.pane().displaySettingsForProfile(5);
  EXPECT_EQ(rig.ui().m_MediaPlayerPopUpButton->currentIndex(), 3);
  rig.pane().handlePlayerPopup(9);
  EXPECT_EQ(rig.profile(5)[QStringLiteral("MediaPlayer")].toString(), QStringLiteral("Winamp"));
}

TEST_F(Profiles, ResetProfileActsOnTheSelectedRow) {
  rig.ui().m_ResetProfileBtn->setEnabled(true);
  PlistValue record = rig.profile(3);
  record.set(QStringLiteral("Name"), QStringLiteral("Work"));
  record.set(QStringLiteral("AssignedApplication"), QStringLiteral("Editor"));
  record.set(QStringLiteral("ApplicationPath"), QStringLiteral("/usr/bin/editor"));
  record.set(QStringLiteral("AutoSwitching"), false);
  record.set(QStringLiteral("SwapCmdAlt"), false);
  record[QStringLiteral("MacroKeys")].at(9).set(QStringLiteral("ActionType"),
                                                QStringLiteral("LaunchApp"));
  const PlistValue before = rig.pane().prefs().deepCopy();

  rig.ui().m_ResetProfileBtn->click();  // no row selected: nothing happens
  EXPECT_EQ(rig.pane().prefs(), before);

  rig.ui().m_ProfilesTable->selectRow(3);
  rig.ui().m_ResetProfileBtn->click();
  EXPECT_EQ(record[QStringLiteral("Name")].toString(), QStringLiteral("Profile 4"));
  EXPECT_EQ(record[QStringLiteral("AssignedApplication")].toString(), QString());
  EXPECT_EQ(record[QStringLiteral("ApplicationPath")].toString(), QString());
  EXPECT_EQ(record[QStringLiteral("AutoSwitching")], PlistValue(true));
  EXPECT_EQ(record[QStringLiteral("SwapCmdAlt")], PlistValue(true));
  EXPECT_EQ(record[QStringLiteral("MacroKeys")].at(9)[QStringLiteral("ActionType")].toString(),
            QString());
  const QModelIndex name = rig.ui().m_ProfilesTable->model()->index(3, 0);
  EXPECT_EQ(name.data().toString(), QStringLiteral("Profile 4"));
}

TEST_F(Profiles, TableSelectionMovesTheEditPopUpButNotTheKeys) {
  rig.macroKey(5, 0).set(QStringLiteral("ActionType"), QStringLiteral("ExecuteMacro"));
  rig.macroKey(5, 0)[QStringLiteral("KeyCombo")].set(QStringLiteral("description"),
                                                     QStringLiteral("(Q)"));
  EXPECT_FALSE(rig.ui().m_ResetProfileBtn->isEnabled());
  rig.ui().m_ProfilesTable->selectRow(5);
  EXPECT_TRUE(rig.ui().m_ResetProfileBtn->isEnabled());
  EXPECT_EQ(editPopUp()->currentIndex(), 5);
  EXPECT_TRUE(rig.ui().m_L1Label->text().isEmpty());

  // Showing the macro keys tab shows the keys of the selected profile.
  rig.ui().m_TabView->setCurrentIndex(1);
  rig.ui().m_TabView->setCurrentIndex(0);
  EXPECT_EQ(rig.ui().m_L1Label->text(), QStringLiteral("(Q)"));
}

TEST_F(Profiles, EditPopUpChoiceSelectsTheTableRowAndShowsTheProfile) {
  editPopUp()->setCurrentIndex(8);
  emit editPopUp()->activated(8);
  EXPECT_EQ(rig.ui().m_ProfilesTable->selectedRow(), 8);
  EXPECT_EQ(rig.pane().editedProfile(), 8);
  EXPECT_TRUE(rig.log->lines.contains(QStringLiteral("displaySettingsForProfile: 8")));
}

TEST_F(Profiles, HideControlTakesOneControlOutAndShowControlPutsItBack) {
  rig.pane().showControl();  // nothing is out: nothing happens
  QWidget* box = rig.ui().fSwapCmdAltCheckbox;
  QWidget* parent = box->parentWidget();
  const int index = parent->layout() ? parent->layout()->indexOf(box) : -1;
  rig.pane().hideControl(box);
  EXPECT_EQ(box->parentWidget(), nullptr);
  rig.pane().hideControl(rig.ui().m_ResetKeysBtn);  // one at a time
  EXPECT_EQ(rig.ui().m_ResetKeysBtn->parentWidget(), parent);
  rig.pane().showControl();
  EXPECT_EQ(box->parentWidget(), parent);
  if (index >= 0) {
    EXPECT_EQ(parent->layout()->indexOf(box), index);
  }
  rig.pane().showControl();
  EXPECT_EQ(box->parentWidget(), parent);
}

}  // namespace
}  // namespace halvane::test
