// The tray icon shows the current profile's number and its menu switches profiles, turns
// automatic switching on and off through the settings file, opens the preferences and quits.
#include "helper/tray/HelperTray.h"
#include "platform/desktop/tray/FakeTrayIcon.h"
#include "shared/settings/SettingsStore.h"
#include "tests/helper/controller/ControllerRig.h"
#include "tests/support/RenderedPixels.h"

#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

namespace halvane::test {
namespace {

QImage pictureOf(const QIcon& icon) {
  return icon.pixmap(32, 32).toImage();
}

class Tray : public ::testing::Test {
 protected:
  Tray() {
    settings = ControllerRig::defaultSettings();
    ControllerRig::profile(settings, 0).set(QStringLiteral("Name"), QStringLiteral("Office"));
    ControllerRig::profile(settings, 1).set(QStringLiteral("Name"), QStringLiteral("Games"));
    settings.set(QStringLiteral("CurrentProfile"), 2);
  }
  // The helper starts as it does at login, with the tray made beforehand.
  void start() {
    rig.writeSettingsFile(settings);
    rig.controller->applicationDidFinishLaunching();
    rig.take();
  }
  QStringList checked() const {
    QStringList on;
    for (const TrayMenuItem& item : icon.items)
      if (item.checked) on << item.text;
    return on;
  }

  PlistValue settings;
  ControllerRig rig;
  FakeTrayIcon icon;
  int quits = 0;
  HelperTray tray{*rig.controller, icon, rig.settingsPath(), [this] { ++quits; }};
};

TEST_F(Tray, ShowsTheCurrentProfileAndEveryProfileByName) {
  start();
  EXPECT_TRUE(icon.visible);
  EXPECT_EQ(pictureOf(icon.icon), pictureOf(HelperTray::profileIcon(3)));
  EXPECT_NE(pictureOf(icon.icon), pictureOf(HelperTray::profileIcon(4)));
  EXPECT_EQ(icon.toolTip, QStringLiteral("Halvane keyboard: Profile 3"));
  QStringList expected{QStringLiteral("Office"), QStringLiteral("Games")};
  for (int n = 3; n <= 10; ++n) expected << QStringLiteral("Profile %1").arg(n);
  expected << QStringLiteral("-") << QStringLiteral("Automatic switching") << QStringLiteral("-")
           << QStringLiteral("Preferences\u2026") << QStringLiteral("Quit Halvane helper");
  EXPECT_EQ(icon.texts(), expected);
  EXPECT_EQ(checked(),
            QStringList({QStringLiteral("Profile 3"), QStringLiteral("Automatic switching")}));
}

TEST_F(Tray, ChoosingAProfileSwitchesAndAnnouncesIt) {
  start();
  ASSERT_TRUE(icon.trigger(QStringLiteral("Games")));
  EXPECT_EQ(rig.controller->getCurrentProfile(), 1);
  // The driver gets the profile's settings and an open pane follows.
  EXPECT_EQ(rig.take({QStringLiteral("notify")}), QStringList{QStringLiteral("notify 1")});
  EXPECT_EQ(pictureOf(icon.icon), pictureOf(HelperTray::profileIcon(2)));
  EXPECT_EQ(checked(),
            QStringList({QStringLiteral("Games"), QStringLiteral("Automatic switching")}));

  // A switch from elsewhere (the pane, a key) moves the icon too.
  rig.controller->setCurrentProfile(9);
  EXPECT_EQ(pictureOf(icon.icon), pictureOf(HelperTray::profileIcon(10)));
  EXPECT_EQ(checked().first(), QStringLiteral("Profile 10"));
}

TEST_F(Tray, AutomaticSwitchingIsWrittenToTheFileAndReadBack) {
  start();
  for (const bool override : {true, false}) {
    ASSERT_TRUE(icon.trigger(QStringLiteral("Automatic switching")));
    EXPECT_EQ(settings::read(rig.settingsPath())[QStringLiteral("AutoSwitchingOverride")].toBool(),
              override);
    EXPECT_EQ(rig.controller->prefs()[QStringLiteral("AutoSwitchingOverride")].toBool(), override);
    EXPECT_EQ(icon.item(QStringLiteral("Automatic switching"))->checked, !override);
  }
  // What the pane wrote since the helper last read the file stays.
  PlistValue edited = settings::read(rig.settingsPath());
  ControllerRig::profile(edited, 5).set(QStringLiteral("Name"), QStringLiteral("Music"));
  rig.writeSettingsFile(edited);
  ASSERT_TRUE(icon.trigger(QStringLiteral("Automatic switching")));
  EXPECT_EQ(ControllerRig::profile(settings::read(rig.settingsPath()), 5)[QStringLiteral("Name")]
                .toString(),
            QStringLiteral("Music"));
  EXPECT_NE(icon.item(QStringLiteral("Music")), nullptr);
}

TEST_F(Tray, PreferencesRunsTheProfileKeysScriptAndQuitEndsTheHelper) {
  start();
  ASSERT_TRUE(icon.trigger(QStringLiteral("Preferences\u2026")));
  EXPECT_EQ(rig.take({QStringLiteral("script")}),
            QStringList{QStringLiteral("script ProfileKey/")});
  EXPECT_EQ(quits, 0);
  ASSERT_TRUE(icon.trigger(QStringLiteral("Quit Halvane helper")));
  EXPECT_EQ(quits, 1);
}

TEST_F(Tray, ShowTrayIconOffHidesItAndAReloadBringsItBack) {
  settings.set(QStringLiteral("ShowTrayIcon"), false);
  start();
  EXPECT_FALSE(icon.visible);
  settings.set(QStringLiteral("ShowTrayIcon"), true);
  rig.writeSettingsFile(settings);
  rig.controller->reloadPrefs();
  EXPECT_TRUE(icon.visible);
  settings.set(QStringLiteral("ShowTrayIcon"), false);
  rig.writeSettingsFile(settings);
  rig.controller->reloadPrefs();
  EXPECT_FALSE(icon.visible);
  // Without the key (an older pane wrote the file) the icon is shown.
  settings.remove(QStringLiteral("ShowTrayIcon"));
  rig.writeSettingsFile(settings);
  rig.controller->reloadPrefs();
  EXPECT_TRUE(icon.visible);
}

TEST_F(Tray, WithoutATrayNothingIsShownAndTheHelperRunsOn) {
  icon.available = false;
  start();
  EXPECT_FALSE(icon.visible);
  EXPECT_TRUE(icon.icon.isNull()) << "nothing drawn that nothing shows";
  EXPECT_TRUE(icon.items.empty());
  EXPECT_EQ(rig.controller->getCurrentProfile(), 2);
}

TEST_F(Tray, WithoutSettingsTheMenuStillOpensThePreferencesAndQuits) {
  ASSERT_TRUE(
      QFile::remove(rig.bundlePath() + QStringLiteral("/Contents/Resources/defaults.plist")));
  rig.controller->applicationDidFinishLaunching();  // no file, and no defaults to make one from
  ASSERT_TRUE(rig.controller->prefs().isNone());
  EXPECT_TRUE(icon.visible);
  EXPECT_FALSE(icon.trigger(QStringLiteral("Automatic switching")));
  EXPECT_TRUE(icon.trigger(QStringLiteral("Quit Halvane helper")));
  EXPECT_EQ(quits, 1);
}

// On a screen scaled by 1, 1.25, 1.5 or 2 the icon of a 22-pixel tray slot is drawn for that
// many device pixels: the digit's stem goes from white to the blue ground within a pixel, where
// the 22-pixel picture scaled up spreads the edge over two or more. Trays that take a list of
// pictures find one made for each of those sizes.
TEST(TrayIcon, IsDrawnSharpAtEveryScale) {
  const QIcon icon = HelperTray::profileIcon(1);
  auto stemEdge = [](const QImage& image) {
    const int row = image.height() / 2;
    int stem = 0;  // the whitest pixel of the middle row: inside the digit's stem
    for (int x = 0; x < image.width(); ++x)
      if (wcagLuminance(image.pixel(x, row)) > wcagLuminance(image.pixel(stem, row))) stem = x;
    return edgeRamp(image, row, stem, std::min(image.width() - 1, stem + image.width() / 4));
  };
  for (const qreal scale : {1.0, 1.25, 1.5, 2.0}) {
    const int device = qRound(22 * scale);
    const QImage drawn = icon.pixmap(QSize(22, 22), scale).toImage();
    EXPECT_EQ(drawn.size(), QSize(device, device)) << scale;
    EXPECT_LE(stemEdge(drawn), 1) << "smeared at scale " << scale;
    EXPECT_TRUE(icon.availableSizes().contains(QSize(device, device))) << scale;
  }
  const QImage scaledUp = icon.pixmap(QSize(22, 22), 1.0)
                              .toImage()
                              .scaled(44, 44, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  EXPECT_GE(stemEdge(scaledUp), 2) << "the measure cannot tell a scaled bitmap";
}

}  // namespace
}  // namespace halvane::test
