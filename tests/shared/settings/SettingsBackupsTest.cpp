// Earlier versions of the settings file: kept before each replacing write, rotated, restored.
#include "shared/settings/SettingsBackups.h"

#include "platform/system/log/FakeSystemLog.h"
#include "shared/plist/PlistFile.h"
#include "shared/settings/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace halvane::settings {
namespace {

PlistValue version(int n) {
  PlistValue tree = PlistValue::dictionary();
  tree.set("CurrentProfile", n);
  tree.set("Name", QStringLiteral("version %1").arg(n));
  return tree;
}

QByteArray bytesOf(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The current version numbers the backups hold, newest first.
std::vector<int> backedUp(const QString& settingsFile) {
  std::vector<int> versions;
  for (const Backup& b : listBackups(settingsFile)) {
    const PlistValue tree = parsePlist(bytesOf(b.path));
    versions.push_back(tree["CurrentProfile"].intValue());
    EXPECT_EQ(b.size, bytesOf(b.path).size());
    EXPECT_TRUE(b.time.isValid());
  }
  return versions;
}

class SettingsBackups : public ::testing::Test {
 protected:
  void write(int n) { ASSERT_TRUE(settings::write(version(n), path, nullptr, log.reporter())); }
  int current() const { return read(path)["CurrentProfile"].intValue(); }

  QTemporaryDir dir;
  const QString path = dir.filePath("halvane/com.halvane.keyboard.plist");
  FakeSystemLog log;
};

TEST_F(SettingsBackups, EachReplacingWriteKeepsThePreviousContentsOnce) {
  struct Step {
    int write;
    std::vector<int> backups;  // after the write, newest first
  };
  const std::vector<Step> steps = {
      {1, {}},  // nothing was there before
      {1, {}},  // the same contents again: nothing would be lost
      {2, {1}},       {1, {2, 1}},
      {3, {1, 2}},  // 1 is not stored twice, but it is the newest again
      {2, {3, 1, 2}}, {4, {2, 3, 1}},
  };
  for (const Step& s : steps) {
    write(s.write);
    EXPECT_EQ(backedUp(path), s.backups) << "after writing " << s.write;
    EXPECT_EQ(current(), s.write);
  }
  EXPECT_TRUE(log.lines.isEmpty()) << qPrintable(log.lines.join('\n'));
  EXPECT_EQ(QFileInfo(listBackups(path).first().path).absolutePath(),
            dir.filePath("halvane/backups"));
}

TEST_F(SettingsBackups, OnlyTheTenNewestAreKept) {
  for (int n = 1; n <= 14; ++n) write(n);
  EXPECT_EQ(backedUp(path), (std::vector<int>{13, 12, 11, 10, 9, 8, 7, 6, 5, 4}));
  EXPECT_EQ(QDir(dir.filePath("halvane/backups")).entryList(QDir::Files).size(), kKeptBackups);
}

// The helper stores the current profile at each quit: twelve quits after profile changes push
// none of the versions worth restoring out.
TEST_F(SettingsBackups, WritesThatChangeOnlyTheCurrentProfileMakeNoBackup) {
  for (int n = 1; n <= 3; ++n) write(n);
  ASSERT_EQ(backedUp(path), (std::vector<int>{2, 1}));
  const QList<Backup> before = listBackups(path);
  PlistValue tree = read(path);
  for (int quit = 0; quit < 12; ++quit) {
    tree.set("CurrentProfile", quit % 10);
    ASSERT_TRUE(settings::write(tree, path, nullptr, log.reporter()));
    EXPECT_EQ(read(path)["CurrentProfile"].intValue(), quit % 10);
  }
  tree.remove("CurrentProfile");  // the key gone altogether is no more worth a backup
  ASSERT_TRUE(settings::write(tree, path, nullptr, log.reporter()));
  const QList<Backup> after = listBackups(path);
  ASSERT_EQ(after.size(), before.size());
  for (qsizetype i = 0; i < after.size(); ++i) EXPECT_EQ(after[i].path, before[i].path);

  // Any other change is kept as before: the version with its last current profile.
  tree.set("Name", "changed");
  ASSERT_TRUE(settings::write(tree, path, nullptr, log.reporter()));
  EXPECT_EQ(listBackups(path).size(), before.size() + 1);
  EXPECT_FALSE(read(listBackups(path).first().path).contains("CurrentProfile"));
  EXPECT_TRUE(log.lines.isEmpty()) << qPrintable(log.lines.join('\n'));
}

TEST_F(SettingsBackups, SettingsFilesInOneFolderKeepTheirBackupsApart) {
  const QString other = dir.filePath("halvane/work.plist");
  write(1);
  write(2);
  ASSERT_TRUE(settings::write(version(8), other));
  ASSERT_TRUE(settings::write(version(9), other));
  EXPECT_EQ(backedUp(path), std::vector<int>{1});
  EXPECT_EQ(backedUp(other), std::vector<int>{8});
}

TEST_F(SettingsBackups, RestoreBringsAVersionBackAndKeepsTheOneItReplaces) {
  for (int n = 1; n <= 4; ++n) write(n);
  ASSERT_EQ(backedUp(path), (std::vector<int>{3, 2, 1}));
  const QByteArray second = bytesOf(listBackups(path).at(1).path);

  QString why;
  ASSERT_TRUE(restoreBackup(path, 2, &why)) << qPrintable(why);
  EXPECT_EQ(bytesOf(path), second) << "restored byte for byte";
  EXPECT_EQ(backedUp(path), (std::vector<int>{4, 3, 2, 1}));

  // Undoing the restore is one more restore.
  ASSERT_TRUE(restoreBackup(path, 1, &why)) << qPrintable(why);
  EXPECT_EQ(current(), 4);
}

TEST_F(SettingsBackups, RestoreRefusals) {
  QString why;
  EXPECT_FALSE(restoreBackup(path, 1, &why));
  EXPECT_EQ(why, "there are no backups of " + path);

  write(1);
  write(2);
  for (int number : {0, 2, -1}) {
    EXPECT_FALSE(restoreBackup(path, number, &why));
    EXPECT_EQ(why, QStringLiteral("there is no backup %1 (1 to 1)").arg(number));
  }
  // A damaged backup is not put in place of good settings.
  const QString backup = listBackups(path).first().path;
  {
    QFile f(backup);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("<plist><dict><key>Cur");
  }
  const QByteArray before = bytesOf(path);
  EXPECT_FALSE(restoreBackup(path, 1, &why));
  EXPECT_TRUE(
      why.startsWith("the backup " + backup + " does not read as settings (XML error at line 1"))
      << qPrintable(why);
  EXPECT_EQ(bytesOf(path), before);

  // A backup that is a link to an endless device is refused at once, not read.
  ASSERT_TRUE(QFile::remove(backup));
  ASSERT_TRUE(QFile::link("/dev/zero", backup));
  EXPECT_FALSE(restoreBackup(path, 1, &why));
  EXPECT_EQ(why, "the backup " + backup +
                     " does not read as settings (a character device, not a regular file)");
  EXPECT_EQ(bytesOf(path), before);
}

TEST_F(SettingsBackups, ABackupThatCannotBeMadeDoesNotStopTheWrite) {
  write(1);
  QFile blocker(dir.filePath("halvane/backups"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));  // a file where the folder should be
  blocker.close();
  write(2);
  EXPECT_EQ(current(), 2);
  ASSERT_EQ(log.lines.size(), 1);
  EXPECT_TRUE(log.lines.first().startsWith("Could not create the backup folder"));
}

}  // namespace
}  // namespace halvane::settings
