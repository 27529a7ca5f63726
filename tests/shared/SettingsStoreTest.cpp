#include "shared/settings/SettingsStore.h"

#include "TempHome.h"
#include "platform/log/FakeSystemLog.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using halvane::FakeSystemLog;
using halvane::PlistValue;
namespace settings = halvane::settings;

namespace {

const QString kDefaults = QStringLiteral(HALVANE_SOURCE_DIR "/shared/defaults.plist");
const QString kCreating = QStringLiteral("Creating ~/Library/Preferences/com.halvane.keyboard.plist");
const QString kCouldNot = QStringLiteral("Couln't create ~/Library/Preferences/com.halvane.keyboard.plist");

void writeBytes(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

QStringList asideCopies(const QString& home) {
  return QDir(home + "/Library/Preferences").entryList({"*.unreadable-*"}, QDir::Files);
}

TEST(SettingsStore, PathIsUnderHomeLibraryPreferences) {
  TempHome home;
  EXPECT_EQ(settings::settingsPath(),
            home.path() + "/Library/Preferences/com.halvane.keyboard.plist");
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
    QFile aside(home.path() + "/Library/Preferences/" + copies.first());
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
  writeBytes(home.path() + "/Library", "a file where the folder should be");
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
