// Moving the settings file from the place earlier versions kept it to its place now.
#include "shared/settings/SettingsMigration.h"

#include "platform/system/log/FakeSystemLog.h"
#include "shared/settings/SettingsStore.h"
#include "tests/support/TempHome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace halvane::settings {
namespace {

using test::TempHome;

const QString kDefaults = QStringLiteral(HALVANE_SOURCE_DIR "/shared/defaults.plist");
const QByteArray kOld = "<plist><dict><key>CurrentProfile</key><integer>4</integer></dict></plist>";
const QByteArray kNew = "<plist><dict><key>CurrentProfile</key><integer>7</integer></dict></plist>";

QByteArray contentsOf(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

void put(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

TEST(SettingsMigration, Outcomes) {
  enum class Mover { Real, FailsLikeAnotherFileSystem };
  struct Case {
    const char* name;
    QByteArray old, current;  // empty: no such file
    Mover mover;
    Migration outcome;
    QByteArray oldAfter, newAfter;
    QString logged;  // the start of the one line logged; empty: nothing logged
  };
  const QByteArray missing = "(missing)";
  const std::vector<Case> cases = {
      {"old only",
       kOld,
       {},
       Mover::Real,
       Migration::Moved,
       missing,
       kOld,
       "Moved the settings file from "},
      {"old only, another file system",
       kOld,
       {},
       Mover::FailsLikeAnotherFileSystem,
       Migration::Moved,
       missing,
       kOld,
       "Moved the settings file from "},
      {"new only", {}, kNew, Mover::Real, Migration::NothingToMove, missing, kNew, {}},
      {"neither", {}, {}, Mover::Real, Migration::NothingToMove, missing, missing, {}},
      {"both", kOld, kNew, Mover::Real, Migration::BothPresent, kOld, kNew,
       "Using the settings file "},
      {"both, another file system", kOld, kNew, Mover::FailsLikeAnotherFileSystem,
       Migration::BothPresent, kOld, kNew, "Using the settings file "},
      // What does not parse is still the user's: it moves as it is.
      {"old does not parse",
       "garbage",
       {},
       Mover::Real,
       Migration::Moved,
       missing,
       "garbage",
       "Moved the settings file from "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempHome home;
    const QString from = home.filePath("Library/Preferences/com.halvane.keyboard.plist");
    const QString to = home.filePath(".config/halvane/com.halvane.keyboard.plist");
    if (!c.old.isEmpty()) put(from, c.old);
    if (!c.current.isEmpty()) put(to, c.current);
    if (!c.old.isEmpty())
      QFile::setPermissions(from, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    int moverCalls = 0;
    const FileMover mover = [&](const QString& a, const QString& b) {
      ++moverCalls;
      return c.mover == Mover::Real && linkThenUnlink(a, b);
    };
    FakeSystemLog log;
    EXPECT_EQ(migrateSettingsFile(from, to, log.reporter(), mover), c.outcome);
    EXPECT_EQ(contentsOf(from), c.oldAfter);
    EXPECT_EQ(contentsOf(to), c.newAfter);
    if (c.logged.isEmpty()) {
      EXPECT_TRUE(log.lines.isEmpty()) << qPrintable(log.lines.join('\n'));
    } else {
      ASSERT_EQ(log.lines.size(), 1) << qPrintable(log.lines.join('\n'));
      EXPECT_TRUE(log.lines.first().startsWith(c.logged)) << qPrintable(log.lines.first());
      EXPECT_TRUE(log.lines.first().contains(from) && log.lines.first().contains(to));
    }
    if (c.outcome == Migration::Moved) {
      EXPECT_EQ(moverCalls, 1);
      EXPECT_EQ(QFileInfo(to).permissions(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                 QFileDevice::ReadUser | QFileDevice::WriteUser)
          << "the moved file keeps its permission bits";
      // Done once: a second start finds nothing left to move.
      FakeSystemLog again;
      EXPECT_EQ(migrateSettingsFile(from, to, again.reporter(), mover), Migration::NothingToMove);
      EXPECT_TRUE(again.lines.isEmpty());
    }
  }
}

TEST(SettingsMigration, AnOldFileThatCannotBeCopiedStaysWhereItIs) {
  TempHome home;
  const QString from = home.filePath("Library/Preferences/com.halvane.keyboard.plist");
  const QString to = home.filePath(".config/halvane/com.halvane.keyboard.plist");
  const auto noRename = [](const QString&, const QString&) { return false; };

  // Unreadable: something that exists under the name but cannot be read as a file.
  ASSERT_TRUE(QDir().mkpath(from));
  FakeSystemLog log;
  EXPECT_EQ(migrateSettingsFile(from, to, log.reporter(), noRename), Migration::Failed);
  EXPECT_TRUE(QFileInfo(from).isDir());
  EXPECT_FALSE(QFileInfo::exists(to));
  ASSERT_EQ(log.lines.size(), 1);
  EXPECT_TRUE(log.lines.first().contains("it stays where it is")) << qPrintable(log.lines.first());
  ASSERT_TRUE(QDir(from).removeRecursively());

  // Readable, but the new place cannot be written.
  put(from, kOld);
  ASSERT_TRUE(QDir(home.filePath(".config/halvane")).removeRecursively());
  put(home.filePath(".config/halvane"), "a file where the folder should be");
  FakeSystemLog log2;
  EXPECT_EQ(migrateSettingsFile(from, to, log2.reporter(), noRename), Migration::Failed);
  EXPECT_EQ(contentsOf(from), kOld);
  ASSERT_EQ(log2.lines.size(), 1);
  EXPECT_TRUE(log2.lines.first().contains("it stays where it is"))
      << qPrintable(log2.lines.first());
}

TEST(SettingsMigration, ProgramsMoveTheFileAtStartUnlessTheUserChoseOne) {
  {
    TempHome home;
    put(formerSettingsPath(), kOld);
    FakeSystemLog log;
    EXPECT_EQ(prepareSettingsPath(log.reporter()), settingsPath());
    EXPECT_EQ(contentsOf(settingsPath()), kOld);
    EXPECT_FALSE(QFileInfo::exists(formerSettingsPath()));
    EXPECT_EQ(log.lines.size(), 1);
  }
  {
    TempHome home;
    put(formerSettingsPath(), kOld);
    const QString mine = home.filePath("mine.plist");
    qputenv("HALVANE_SETTINGS", mine.toUtf8());
    FakeSystemLog log;
    EXPECT_EQ(prepareSettingsPath(log.reporter()), mine);
    EXPECT_EQ(contentsOf(formerSettingsPath()), kOld);
    EXPECT_FALSE(QFileInfo::exists(mine));
    EXPECT_TRUE(log.lines.isEmpty());
    // The chosen file is the one the store creates and reads.
    EXPECT_TRUE(loadOrCreate(Reader::Helper, kDefaults, log.reporter()).isDictionary());
    EXPECT_TRUE(QFileInfo::exists(mine));
  }
}

// A moved file that does not parse is treated as any unreadable settings file: kept aside, and the
// log says where.
TEST(SettingsMigration, AMovedFileThatDoesNotParseIsKeptAside) {
  TempHome home;
  put(formerSettingsPath(), "garbage");
  FakeSystemLog log;
  const QString path = prepareSettingsPath(log.reporter());
  EXPECT_TRUE(loadOrCreate(Reader::Helper, kDefaults, log.reporter()).isDictionary());
  const QStringList aside =
      QDir(QFileInfo(path).absolutePath()).entryList({"*.unreadable-*"}, QDir::Files);
  ASSERT_EQ(aside.size(), 1);
  EXPECT_EQ(contentsOf(QFileInfo(path).absolutePath() + u'/' + aside.first()), "garbage");
  ASSERT_EQ(log.lines.size(), 2);
  EXPECT_TRUE(log.lines.last().contains(aside.first()));
}

}  // namespace
}  // namespace halvane::settings
