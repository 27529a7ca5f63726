// The profile menus, the media and imaging pop-ups, the profile reset and hideControl.
#include "tests/HalvanePrefPanel/controller/PaneRig.h"

#include "HalvanePrefPanel/widgets/ProfilesTableView.h"

#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace halvane::test {
namespace {

class Profiles : public ::testing::Test {
 protected:
  Profiles()
      : rig(PaneOptions()
                .helperOn(0)
                .from(defaultsTree())
                .installed({QStringLiteral("org.gnome.Rhythmbox3"), QStringLiteral("vlc"),
                            QStringLiteral("gimp")})) {}
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
    const char* title;  // what the value stands for here; not installed unless marked
    bool installed;
  };
  const Case cases[] = {
      {rig.ui().m_MediaPlayerPopUpButton, 0, "MediaPlayer", "iTunes", "Rhythmbox", true},
      {rig.ui().m_MediaPlayerPopUpButton, 1, "MediaPlayer", "QuickTime Player", "Videos", false},
      {rig.ui().m_MediaPlayerPopUpButton, 2, "MediaPlayer", "RealPlayer", "Celluloid", false},
      {rig.ui().m_MediaPlayerPopUpButton, 3, "MediaPlayer", "VLC", "VLC", true},
      {rig.ui().m_ImagingPopUpButton, 0, "ImagingOptions", "Preview", "Image Viewer", false},
      {rig.ui().m_ImagingPopUpButton, 1, "ImagingOptions", "PhotoShop", "GIMP", true},
      {rig.ui().m_ImagingPopUpButton, 2, "ImagingOptions", "Illustrator", "Inkscape", false},
      {rig.ui().m_ImagingPopUpButton, 3, "ImagingOptions", "Adobe Reader", "Document Viewer",
       false},
      {rig.ui().m_ImagingPopUpButton, 4, "ImagingOptions", "ACDSee", "gThumb", false},
  };
  rig.pane().displaySettingsForProfile(5);
  for (const Case& c : cases) {
    c.popUp->setCurrentIndex(c.position);
    emit c.popUp->activated(c.position);
    EXPECT_EQ(rig.profile(5)[QString::fromLatin1(c.key)].toString(), QString::fromLatin1(c.value));
    const QString title = QString::fromUtf8(c.title);
    EXPECT_EQ(c.popUp->itemText(c.position),
              c.installed ? title : title + QStringLiteral(" (not installed)"));
    EXPECT_EQ(c.popUp->itemIcon(c.position).isNull(), !c.installed) << c.value;
    // Greyed, but still a choice: the application may be installed later.
    EXPECT_EQ(c.popUp->itemData(c.position, Qt::ForegroundRole).isValid(), !c.installed) << c.value;

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

TEST(PopUpTitles, ComeFromTheBundlesTableWhichNeverChangesTheStoredValues) {
  QTemporaryDir bundle;
  const QString resources = bundle.filePath(QStringLiteral("Contents/Resources"));
  ASSERT_TRUE(QDir().mkpath(resources));
  ASSERT_TRUE(QFile::copy(QStringLiteral(HALVANE_SOURCE_DIR "/shared/defaults.plist"),
                          resources + QStringLiteral("/defaults.plist")));
  QFile table(resources + QStringLiteral("/ApplicationNames.tsv"));
  ASSERT_TRUE(table.open(QIODevice::WriteOnly));
  table.write(
      "# a table of another system\n"
      "media\tiTunes\tLollypop\torg.gnome.Lollypop\tlollypop\tLollypop\n"
      "imaging\tACDSee\tShotwell\torg.gnome.Shotwell\tshotwell\t-\n");
  table.close();
  PaneRig rig(PaneOptions()
                  .inBundle(bundle.path())
                  .from(defaultsTree())
                  .installed({QStringLiteral("org.gnome.Shotwell")}));
  QComboBox* media = rig.ui().m_MediaPlayerPopUpButton;
  QComboBox* imaging = rig.ui().m_ImagingPopUpButton;
  EXPECT_EQ(media->itemText(0), QStringLiteral("Lollypop (not installed)"));
  EXPECT_EQ(imaging->itemText(4), QStringLiteral("Shotwell"));
  // Values the table does not name keep their own names.
  EXPECT_EQ(media->itemText(3), QStringLiteral("VLC"));
  EXPECT_EQ(imaging->itemText(1), QStringLiteral("PhotoShop"));

  emit media->activated(0);
  emit imaging->activated(4);
  const int edited = rig.pane().editedProfile();
  EXPECT_EQ(rig.profile(edited)[QStringLiteral("MediaPlayer")].toString(),
            QStringLiteral("iTunes"));
  EXPECT_EQ(rig.profile(edited)[QStringLiteral("ImagingOptions")].toString(),
            QStringLiteral("ACDSee"));
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
