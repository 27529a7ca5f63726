// Start-up of the pane, its link to the helper, the global switches and apply.
#include "tests/HalvanePrefPanel/controller/PaneRig.h"

#include "shared/control/ControlChannel.h"
#include "shared/settings/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QMessageBox>

#include <optional>

#include <gtest/gtest.h>

namespace halvane::test {
namespace {

PlistValue settingsWithProfile7Macro() {
  PlistValue tree = defaultsTree();
  tree[QStringLiteral("Profiles")].at(7)[QStringLiteral("MacroKeys")].at(0).set(
      QStringLiteral("ActionType"), QStringLiteral("ExecuteMacro"));
  tree[QStringLiteral("Profiles")]
      .at(7)[QStringLiteral("MacroKeys")]
      .at(0)[QStringLiteral("KeyCombo")]
      .set(QStringLiteral("description"), QStringLiteral("(A)"));
  return tree;
}

TEST(PaneStartup, ShowsTheHelpersProfileOrZeroWithoutHelper) {
  PaneRig withHelper(PaneOptions().helperOn(4));
  EXPECT_EQ(withHelper.ui().m_EditProfilePopUpButton->currentIndex(), 4);
  EXPECT_TRUE(withHelper.log->lines.contains(QStringLiteral("displaySettingsForProfile: 4")));

  PaneRig withoutHelper(PaneOptions().withoutHelper());
  EXPECT_EQ(withoutHelper.pane().keyboardHelper(), nullptr);
  EXPECT_EQ(withoutHelper.ui().m_EditProfilePopUpButton->currentIndex(), 0);
}

TEST(PaneStartup, HelperThatDoesNotAnswerOrAnswersNonsenseShowsProfileZero) {
  PaneRig outOfRange(PaneOptions().helperOn(12));
  EXPECT_EQ(outOfRange.ui().m_EditProfilePopUpButton->currentIndex(), 0);
}

TEST(PaneStartup, CreatesTheStoreOnFirstStartAndLogsItOnce) {
  PaneRig first(PaneOptions().withoutHelper());
  EXPECT_EQ(first.log->lines.count(QStringLiteral("Creating ") +
                                   settings::displayPath(first.settingsPath())),
            1);
  ASSERT_TRUE(QFile::exists(first.settingsPath()));
  EXPECT_EQ(settings::read(first.settingsPath()), defaultsTree());
  EXPECT_EQ(first.ui().m_EditProfilePopUpButton->count(), 10);
  EXPECT_EQ(first.ui().m_EditProfilePopUpButton->itemText(0), QStringLiteral("1 - Profile 1"));
  EXPECT_FALSE(first.ui().m_ResetProfileBtn->isEnabled());
  EXPECT_EQ(first.ui().m_VersionField->text(), QStringLiteral(HALVANE_VERSION));

  PaneRig existing(PaneOptions().withoutHelper().from(defaultsTree()));
  EXPECT_FALSE(existing.log->lines.join(u'\n').contains(QStringLiteral("Creating")));
}

// A file that does not read is set aside for the defaults, and the user learns where and why.
TEST(PaneStartup, AFileSetAsideIsShownWithItsReason) {
  PaneRig rig(
      PaneOptions().withoutHelper().fromBytes("<plist>\n<dict><key>Name</key></dict></plist>"));
  EXPECT_TRUE(rig.pane().prefs().isDictionary());
  auto* dialog =
      rig.pane().mainView()->findChild<QMessageBox*>(QStringLiteral("settingsErrorDialog"));
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(
      dialog->informativeText().startsWith("The settings file could not be read (line 2, column 7: "
                                           "a <key> without a value); kept it as " +
                                           rig.settingsPath() + ".unreadable-"))
      << qPrintable(dialog->informativeText());
}

TEST(PaneStartup, WithoutAStoreNoControlChangesAnything) {
  QTemporaryDir bundle;  // a pane bundle without a defaults resource
  QDir(bundle.path()).mkpath(QStringLiteral("Contents/Resources"));
  PaneRig rig(PaneOptions().inBundle(bundle.path()));
  EXPECT_TRUE(rig.log->lines.contains(QStringLiteral("Couln't create ") +
                                      settings::displayPath(rig.settingsPath())));
  EXPECT_TRUE(rig.pane().prefs().isNone());
  // The user is told why, as the log says it.
  auto* dialog =
      rig.pane().mainView()->findChild<QMessageBox*>(QStringLiteral("settingsErrorDialog"));
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(rig.log->lines.last().startsWith("Could not create "))
      << qPrintable(rig.log->lines.last());
  EXPECT_TRUE(dialog->informativeText().endsWith("\n" + rig.log->lines.last()))
      << qPrintable(dialog->informativeText());

  rig.ui().m_ShowChangesCB->click();
  rig.ui().fSwapCmdAltCheckbox->click();
  for (QAbstractButton* button :
       {rig.ui().applyButton, rig.ui().m_ResetKeysBtn, rig.ui().m_ResetProfileBtn})
    button->click();
  rig.notifications->postNotification(QStringLiteral("Profile Changed"),
                                      QString::fromLatin1(control::kPaneNotificationIdentifier),
                                      {{QStringLiteral("Index"), QStringLiteral("3")}});
  EXPECT_FALSE(QFile::exists(rig.settingsPath()));
  EXPECT_TRUE(rig.server.calls.isEmpty());
  EXPECT_TRUE(rig.workspace->openedURLs.isEmpty());
  EXPECT_EQ(rig.ui().m_EditProfilePopUpButton->count(), 0);
}

TEST(PaneNotifications, ProfileChangedMovesTheEditedProfile) {
  PaneRig rig(PaneOptions().helperOn(2).from(settingsWithProfile7Macro()));
  const QString object = QString::fromLatin1(control::kPaneNotificationIdentifier);
  rig.notifications->postNotification(QStringLiteral("Profile Changed"), object,
                                      {{QStringLiteral("Index"), QStringLiteral("7")}});
  EXPECT_EQ(rig.pane().editedProfile(), 7);
  EXPECT_EQ(rig.ui().m_L1Label->text(), QStringLiteral("(A)"));
  EXPECT_TRUE(rig.log->lines.contains(QStringLiteral("New Profile Notification: 7")));

  // Another name, another object, or an index no profile has: nothing moves.
  rig.notifications->postNotification(QStringLiteral("Profile Renamed"), object,
                                      {{QStringLiteral("Index"), QStringLiteral("1")}});
  rig.notifications->postNotification(QStringLiteral("Profile Changed"), QStringLiteral("other"),
                                      {{QStringLiteral("Index"), QStringLiteral("1")}});
  rig.notifications->postNotification(QStringLiteral("Profile Changed"), object,
                                      {{QStringLiteral("Index"), QStringLiteral("42")}});
  EXPECT_EQ(rig.pane().editedProfile(), 7);
}

TEST(PaneSwitches, CheckBoxesEditTheTreeOnly) {
  PaneRig rig(PaneOptions().helperOn(3).from(defaultsTree()));
  const QByteArray before = [&] {
    QFile f(rig.settingsPath());
    f.open(QIODevice::ReadOnly);
    return f.readAll();
  }();
  const bool show = rig.pane().prefs()[QStringLiteral("ShowChangesOnScreen")].toBool();
  const bool override = rig.pane().prefs()[QStringLiteral("AutoSwitchingOverride")].toBool();
  EXPECT_EQ(rig.ui().m_ShowChangesCB->isChecked(), show);
  EXPECT_EQ(rig.ui().m_AutoSwitchingOverrideCB->isChecked(), override);
  rig.ui().m_ShowChangesCB->click();
  rig.ui().m_AutoSwitchingOverrideCB->click();
  EXPECT_EQ(rig.pane().prefs()[QStringLiteral("ShowChangesOnScreen")], PlistValue(!show));
  EXPECT_EQ(rig.pane().prefs()[QStringLiteral("AutoSwitchingOverride")], PlistValue(!override));

  const bool swapped = rig.profile(3)[QStringLiteral("SwapCmdAlt")].toBool();
  rig.ui().fSwapCmdAltCheckbox->click();
  EXPECT_EQ(rig.profile(3)[QStringLiteral("SwapCmdAlt")], PlistValue(!swapped));
  EXPECT_EQ(rig.profile(2)[QStringLiteral("SwapCmdAlt")],
            defaultsTree()[QStringLiteral("Profiles")].at(2)[QStringLiteral("SwapCmdAlt")]);
  for (HVKeyView* overlay :
       {rig.ui().fCmdAlt1, rig.ui().fCmdAlt2, rig.ui().fCmdAlt3, rig.ui().fCmdAlt4})
    EXPECT_FLOAT_EQ(overlay->opacity(), swapped ? 0.0f : 0.3f);

  QFile after(rig.settingsPath());
  after.open(QIODevice::ReadOnly);
  EXPECT_EQ(after.readAll(), before);
  EXPECT_TRUE(rig.server.calls.isEmpty());
}

// A file without the key (from before the tray icon) shows the icon; the box writes the key.
TEST(PaneSwitches, TheTrayIconBoxIsOnUnlessTheFileTurnsItOff) {
  for (const std::optional<bool> stored :
       {std::optional<bool>(), std::optional<bool>(false), std::optional<bool>(true)}) {
    PlistValue tree = defaultsTree();
    if (stored) tree.set(QStringLiteral("ShowTrayIcon"), *stored);
    PaneRig rig(PaneOptions().from(tree));
    const bool shown = stored.value_or(true);
    EXPECT_EQ(rig.ui().m_ShowTrayIconCB->isChecked(), shown);
    rig.ui().m_ShowTrayIconCB->click();
    EXPECT_EQ(rig.pane().prefs()[QStringLiteral("ShowTrayIcon")], PlistValue(!shown));
  }
}

// Records each call, and at reloadPrefs what the settings file then held.
class FileCheckingServer : public FakeKeyboardServer {
 public:
  void reloadPrefs() override {
    fileAtReload = settings::read(path);
    FakeKeyboardServer::reloadPrefs();
  }
  QString path;
  PlistValue fileAtReload;
};

TEST(PaneApply, WritesTheFileThenReloadsThenSwitches) {
  FileCheckingServer helper;
  helper.currentProfile = 1;
  PaneRig rig(PaneOptions().servedBy(&helper).from(defaultsTree()));
  helper.path = rig.settingsPath();
  helper.calls.clear();

  rig.ui().m_EditProfilePopUpButton->setCurrentIndex(6);
  rig.profile(6).set(QStringLiteral("Name"), QStringLiteral("Edited"));
  rig.ui().applyButton->click();
  EXPECT_EQ(helper.calls,
            QStringList({QStringLiteral("reloadPrefs"), QStringLiteral("setCurrentProfile 6")}));
  EXPECT_EQ(
      helper.fileAtReload[QStringLiteral("Profiles")].at(6)[QStringLiteral("Name")].toString(),
      QStringLiteral("Edited"));
  EXPECT_EQ(settings::read(rig.settingsPath()), rig.pane().prefs());
}

TEST(PaneApply, WithoutHelperOrWithAGoneHelperOnlyTheFileIsWritten) {
  PaneRig none(PaneOptions().withoutHelper().from(defaultsTree()));
  none.profile(0).set(QStringLiteral("Name"), QStringLiteral("Edited"));
  none.ui().applyButton->click();
  EXPECT_EQ(settings::read(none.settingsPath()), none.pane().prefs());

  PaneRig gone(PaneOptions().from(defaultsTree()));
  gone.proxy->reachable = false;
  gone.profile(0).set(QStringLiteral("Name"), QStringLiteral("Edited"));
  gone.ui().applyButton->click();
  EXPECT_EQ(settings::read(gone.settingsPath()), gone.pane().prefs());
  EXPECT_TRUE(gone.server.calls.isEmpty());
}

TEST(PaneApply, AFileThatCannotBeWrittenIsLoggedAndTheHelperIsNotTold) {
  PaneRig rig(PaneOptions().from(defaultsTree()));
  // A folder where the file was: the atomic replacement cannot happen.
  QFile::remove(rig.settingsPath());
  ASSERT_TRUE(QDir().mkdir(rig.settingsPath()));
  rig.ui().applyButton->click();
  const QString why =
      settings::displayPath(rig.settingsPath()) + QStringLiteral(": a folder, not a regular file");
  EXPECT_TRUE(rig.log->lines.contains(QStringLiteral("Couldn't write ") + why))
      << qPrintable(rig.log->lines.join(u'\n'));
  EXPECT_TRUE(rig.server.calls.isEmpty());
  // The user is told too, with the same reason.
  auto* dialog =
      rig.pane().mainView()->findChild<QMessageBox*>(QStringLiteral("settingsErrorDialog"));
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->informativeText(), why);
}

}  // namespace
}  // namespace halvane::test
