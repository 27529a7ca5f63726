// The preferences host with the real plug-in of the build tree.
#include "platform/desktop/prefpane/PreferencesHost.h"
#include "shared/plist/PlistFile.h"
#include "shared/settings/SettingsStore.h"
#include "tests/support/TempHome.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace halvane {
namespace {

const QString kBundles = QStringLiteral(HALVANE_BUNDLE_DIR);
const QString kBundle = kBundles + QStringLiteral("/HalvanePrefPanel.prefPane");

// The pane keeps its settings below HOME: each test gets its own.
class Host : public ::testing::Test {
 protected:
  QString settingsFile() const { return settings::settingsPath(); }
  test::TempHome home_;
};

TEST_F(Host, FindsThePaneBesideTheProgramOrWhereItIsInstalled) {
  EXPECT_EQ(PreferencesHost::findPaneBundle({QStringLiteral("/nonexistent"), kBundles}),
            QDir(kBundle).absolutePath());
  EXPECT_TRUE(PreferencesHost::findPaneBundle({QStringLiteral("/nonexistent")}).isEmpty());
}

TEST_F(Host, ShowsThePaneInAWindowWithItsNameAndIcon) {
  PreferencesHost host;
  QString error;
  ASSERT_TRUE(host.open(kBundle, &error)) << error.toStdString();
  QWidget* window = host.window();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(window->isWindow());
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Halvane Keyboard"));
  EXPECT_FALSE(window->windowIcon().isNull());
  EXPECT_EQ(host.pane()->mainView()->window(), window);
  // mainViewDidLoad ran: the store exists and the menus hold the profiles.
  EXPECT_TRUE(QFile::exists(settingsFile()));
  auto* popUp = window->findChild<QComboBox*>(QStringLiteral("m_EditProfilePopUpButton"));
  ASSERT_NE(popUp, nullptr);
  EXPECT_EQ(popUp->count(), 10);
  auto* tabs = window->findChild<QTabWidget*>(QStringLiteral("m_TabView"));
  ASSERT_NE(tabs, nullptr);
  EXPECT_EQ(tabs->widget(0)->property("identifier").toString(), QStringLiteral("MacroKeys"));
}

TEST_F(Host, ClosingTheWindowDiscardsUnappliedEdits) {
  QByteArray before;
  {
    PreferencesHost host;
    ASSERT_TRUE(host.open(kBundle));
    QFile file(settingsFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    before = file.readAll();
    host.window()->findChild<QAbstractButton*>(QStringLiteral("m_ShowChangesCB"))->click();
    host.window()
        ->findChild<QAbstractButton*>(QStringLiteral("m_AutoSwitchingOverrideCB"))
        ->click();
    host.window()->close();
  }
  QFile after(settingsFile());
  ASSERT_TRUE(after.open(QIODevice::ReadOnly));
  EXPECT_EQ(after.readAll(), before);
}

TEST_F(Host, RefusesWhatIsNotAPaneBundle) {
  PreferencesHost host;
  QString error;
  EXPECT_FALSE(host.open(home_.path(), &error));
  EXPECT_TRUE(error.contains(QStringLiteral("not a preference pane")));
  EXPECT_EQ(host.window(), nullptr);

  // A bundle whose plug-in is missing.
  QTemporaryDir fake;
  QDir(fake.path()).mkpath(QStringLiteral("Contents/MacOS"));
  PlistValue info = PlistValue::dictionary();
  info.set(QStringLiteral("CFBundleExecutable"), QStringLiteral("Missing.so"));
  writePlistFileAtomically(fake.filePath(QStringLiteral("Contents/Info.plist")), info);
  EXPECT_FALSE(host.open(fake.path(), &error));
  EXPECT_FALSE(error.isEmpty());
  EXPECT_EQ(host.pane(), nullptr);
}

TEST_F(Host, TheProgramSaysWhyItCannotStart) {
  QProcess program;
  program.start(QStringLiteral(HALVANE_BINARY_DIR "/bin/halvane-preferences"), {home_.path()});
  ASSERT_TRUE(program.waitForFinished(20000));
  EXPECT_EQ(program.exitCode(), 1);
  EXPECT_TRUE(program.readAllStandardError().contains("not a preference pane"));
}

}  // namespace
}  // namespace halvane
