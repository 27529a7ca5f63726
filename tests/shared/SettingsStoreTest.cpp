#include "shared/settings/SettingsStore.h"

#include "platform/log/FakeSystemLog.h"
#include "tests/support/TempHome.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using halvane::FakeSystemLog;
using halvane::PlistValue;
using halvane::test::TempHome;
namespace settings = halvane::settings;

namespace {

const QString kDefaults = QStringLiteral(HALVANE_SOURCE_DIR "/shared/defaults.plist");
const QString kCreating = QStringLiteral("Creating ~/.config/halvane/com.halvane.keyboard.plist");
const QString kCouldNot = QStringLiteral("Couln't create ~/.config/halvane/com.halvane.keyboard.plist");

void writeBytes(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

QStringList asideCopies(const QString& home) {
  return QDir(home + "/.config/halvane").entryList({"*.unreadable-*"}, QDir::Files);
}

TEST(SettingsStore, PathFollowsTheEnvironment) {
  struct Case {
    QString xdgConfigHome, chosen;  // empty: unset
    QString expected;               // below /home/u unless absolute
  };
  const std::vector<Case> cases = {
      {"", "", "/home/u/.config/halvane/com.halvane.keyboard.plist"},
      {"/xdg/conf", "", "/xdg/conf/halvane/com.halvane.keyboard.plist"},
      {"/xdg/conf/", "", "/xdg/conf/halvane/com.halvane.keyboard.plist"},
      {"relative/conf", "", "/home/u/.config/halvane/com.halvane.keyboard.plist"},
      {"/xdg/conf", "/elsewhere/mine.plist", "/elsewhere/mine.plist"},
      {"", "/elsewhere/mine.plist", "/elsewhere/mine.plist"},
  };
  for (const Case& c : cases) {
    QProcessEnvironment env;
    env.insert("HOME", "/home/u");
    if (!c.xdgConfigHome.isEmpty()) env.insert("XDG_CONFIG_HOME", c.xdgConfigHome);
    if (!c.chosen.isEmpty()) env.insert("HALVANE_SETTINGS", c.chosen);
    EXPECT_EQ(settings::settingsPath(env), c.expected) << qPrintable(c.xdgConfigHome + " " + c.chosen);
  }
  QProcessEnvironment env;
  env.insert("HOME", "/home/u");
  EXPECT_EQ(settings::formerSettingsPath(env), "/home/u/Library/Preferences/com.halvane.keyboard.plist");

  // This process's own environment, as every program reads it.
  TempHome home;
  EXPECT_EQ(settings::settingsPath(), home.path() + "/.config/halvane/com.halvane.keyboard.plist");
  EXPECT_EQ(settings::displayPath(), "~/.config/halvane/com.halvane.keyboard.plist");
  qputenv("HALVANE_SETTINGS", "/tmp/other.plist");
  EXPECT_EQ(settings::settingsPath(), "/tmp/other.plist");
  EXPECT_EQ(settings::displayPath(), "/tmp/other.plist");
}

TEST(SettingsStore, FirstStartCreatesTheFileFromTheDefaultsAndThePaneSaysSoOnce) {
  TempHome home;
  FakeSystemLog log;
  const PlistValue first = settings::loadOrCreate(settings::Reader::Pane, kDefaults, log.reporter());
  ASSERT_TRUE(first.isDictionary());
  EXPECT_EQ(first, settings::read(kDefaults));
  EXPECT_TRUE(QFile::exists(settings::settingsPath()));
  EXPECT_EQ(log.lines, QStringList{kCreating});

  settings::loadOrCreate(settings::Reader::Pane, kDefaults, log.reporter());
  EXPECT_EQ(log.lines, QStringList{kCreating}) << "an existing file is read without a message";
}

TEST(SettingsStore, TheHelperCreatesSilently) {
  TempHome home;
  FakeSystemLog log;
  EXPECT_TRUE(settings::loadOrCreate(settings::Reader::Helper, kDefaults, log.reporter()).isDictionary());
  EXPECT_TRUE(log.lines.isEmpty());
}

TEST(SettingsStore, ExistingSettingsAreReadNotReplaced) {
  TempHome home;
  FakeSystemLog log;
  PlistValue mine = PlistValue::dictionary();
  mine.set("CurrentProfile", 7);
  ASSERT_TRUE(settings::write(mine));
  EXPECT_EQ(settings::loadOrCreate(settings::Reader::Helper, kDefaults, log.reporter())["CurrentProfile"].intValue(), 7);
}

TEST(SettingsStore, AnUnreadableFileIsKeptAsideBeforeTheDefaultsReplaceIt) {
  for (const QByteArray& content :
       {QByteArray("<?xml version=\"1.0\"?><plist><dict><key>Profi"),  // truncated
        QByteArray("<plist><array><integer>1</integer></array></plist>")}) {  // not a dictionary
    TempHome home;
    FakeSystemLog log;
    writeBytes(settings::settingsPath(), content);

    const PlistValue loaded = settings::loadOrCreate(settings::Reader::Helper, kDefaults, log.reporter());
    ASSERT_TRUE(loaded.isDictionary());
    EXPECT_EQ(loaded["Profiles"].count(), 10);

    const QStringList copies = asideCopies(home.path());
    ASSERT_EQ(copies.size(), 1);
    QFile aside(home.path() + "/.config/halvane/" + copies.first());
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    EXPECT_EQ(aside.readAll(), content);
    ASSERT_EQ(log.lines.size(), 1);
    EXPECT_TRUE(log.lines.first().contains(copies.first()));
  }
}

TEST(SettingsStore, WithoutDefaultsEachReaderSaysItsOwnMessage) {
  TempHome home;
  FakeSystemLog paneLog, helperLog;
  EXPECT_TRUE(settings::loadOrCreate(settings::Reader::Pane, "/nonexistent/defaults.plist", paneLog.reporter()).isNone());
  EXPECT_EQ(paneLog.lines, QStringList({kCreating, kCouldNot}));
  EXPECT_TRUE(settings::loadOrCreate(settings::Reader::Helper, "/nonexistent/defaults.plist", helperLog.reporter()).isNone());
  EXPECT_EQ(helperLog.lines, QStringList{"No Prefs File!"});
  EXPECT_FALSE(QFile::exists(settings::settingsPath()));
}

TEST(SettingsStore, AFolderThatCannotBeCreatedGivesNoSettings) {
  TempHome home;
  FakeSystemLog log;
  writeBytes(home.path() + "/.config", "a file where the folder should be");
  EXPECT_TRUE(settings::loadOrCreate(settings::Reader::Pane, kDefaults, log.reporter()).isNone());
  EXPECT_EQ(log.lines.last(), kCouldNot);
}

TEST(SettingsStore, OddButWellFormedFilesLoadAsTheyAre) {
  // A file of unusual shape is still the user's file: it is read, not replaced.
  TempHome home;
  FakeSystemLog log;
  PlistValue odd = PlistValue::dictionary();
  PlistValue three = PlistValue::array();
  for (int i = 0; i < 3; ++i) three.append("not a profile");
  odd.set("Profiles", three);
  odd.set("ShowChangesOnScreen", "yes please");
  ASSERT_TRUE(settings::write(odd));
  const PlistValue loaded = settings::loadOrCreate(settings::Reader::Helper, kDefaults, log.reporter());
  EXPECT_EQ(loaded, odd);
  EXPECT_TRUE(asideCopies(home.path()).isEmpty());
}

}  // namespace
