// Renders the preferences window under the X server to PNG files in the build tree
// (screenshots/), so that its look can be reviewed: the macro keys tab, the profiles tab and
// the macro editor sheet.
#include "platform/desktop/prefpane/PreferencesHost.h"
#include "shared/plist/PlistFile.h"
#include "shared/settings/SettingsStore.h"
#include "tests/support/TempHome.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace halvane {
namespace {

const QString kOut = QStringLiteral(HALVANE_BINARY_DIR "/screenshots");

// The defaults with a few keys and profiles set, as a user's settings would look.
PlistValue sampleSettings() {
  PlistValue tree = readPlistFile(QStringLiteral(HALVANE_SOURCE_DIR "/shared/defaults.plist"));
  PlistValue profiles = tree[QStringLiteral("Profiles")];
  profiles.at(0).set(QStringLiteral("Name"), QStringLiteral("Everyday"));
  profiles.at(1).set(QStringLiteral("Name"), QStringLiteral("Photo editing"));
  profiles.at(1).set(QStringLiteral("AssignedApplication"), QStringLiteral("GIMP"));
  profiles.at(2).set(QStringLiteral("Name"), QStringLiteral("Games"));
  PlistValue keys = profiles.at(0)[QStringLiteral("MacroKeys")];
  keys.at(0).set(QStringLiteral("ActionType"), QStringLiteral("ExecuteMacro"));
  keys.at(0)[QStringLiteral("KeyCombo")].set(QStringLiteral("description"),
                                             QStringLiteral("(⌃C)(⌃V+100ms)"));
  keys.at(1).set(QStringLiteral("ActionType"), QStringLiteral("SelectProfile"));
  keys.at(1).set(QStringLiteral("SelectProfile"), 2);
  keys.at(5).set(QStringLiteral("ActionType"), QStringLiteral("LaunchApp"));
  keys.at(5).set(QStringLiteral("LaunchAppURL"),
                 QStringLiteral("/usr/share/applications/Web Browser.desktop"));
  return tree;
}

bool save(QWidget* widget, const QString& name) {
  QDir().mkpath(kOut);
  return widget->grab().save(kOut + u'/' + name);
}

TEST(Screenshot, RendersThePreferencesWindow) {
  if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs an X server";
  test::TempHome home;
  ASSERT_TRUE(settings::write(sampleSettings()));

  {
    PreferencesHost host;
    ASSERT_TRUE(host.open(QStringLiteral(HALVANE_BUNDLE_DIR "/HalvanePrefPanel.prefPane")));
    QWidget* window = host.window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    ASSERT_TRUE(save(window, QStringLiteral("pane.png")));
    const QImage image(kOut + QStringLiteral("/pane.png"));
    EXPECT_EQ(image.size(), window->size() * window->devicePixelRatio());

    auto* tabs = window->findChild<QTabWidget*>(QStringLiteral("m_TabView"));
    tabs->setCurrentIndex(1);
    EXPECT_TRUE(save(window, QStringLiteral("pane-profiles.png")));
    tabs->setCurrentIndex(0);

    QTest::mouseClick(window->findChild<QWidget*>(QStringLiteral("m_L1Key")), Qt::LeftButton);
    auto* sheet = window->findChild<QDialog*>(QStringLiteral("HVKeyComboPanel"));
    ASSERT_NE(sheet, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(sheet));
    EXPECT_TRUE(save(sheet, QStringLiteral("editor.png")));
    sheet->reject();
  }
}

}  // namespace
}  // namespace halvane
