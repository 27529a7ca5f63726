#include "shared/settings/SettingsStore.h"

#include "platform/system/log/FakeSystemLog.h"
#include "tests/support/TempHome.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <functional>

using halvane::FakeSystemLog;
using halvane::PlistValue;
using halvane::test::TempHome;
namespace settings = halvane::settings;

namespace {

const QString kDefaults = QStringLiteral(HALVANE_SOURCE_DIR "/shared/defaults.plist");
const QString kCreating = QStringLiteral("Creating ~/.config/halvane/com.halvane.keyboard.plist");
const QString kCouldNot =
    QStringLiteral("Couln't create ~/.config/halvane/com.halvane.keyboard.plist");

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
    EXPECT_EQ(settings::settingsPath(env), c.expected)
        << qPrintable(c.xdgConfigHome + " " + c.chosen);
  }
  QProcessEnvironment env;
  env.insert("HOME", "/home/u");
  EXPECT_EQ(settings::formerSettingsPath(env),
            "/home/u/Library/Preferences/com.halvane.keyboard.plist");

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
  const PlistValue first =
      settings::loadOrCreate(settings::Reader::Pane, kDefaults, log.reporter());
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
  EXPECT_TRUE(
      settings::loadOrCreate(settings::Reader::Helper, kDefaults, log.reporter()).isDictionary());
  EXPECT_TRUE(log.lines.isEmpty());
}

TEST(SettingsStore, ExistingSettingsAreReadNotReplaced) {
  TempHome home;
  FakeSystemLog log;
  PlistValue mine = PlistValue::dictionary();
  mine.set("CurrentProfile", 7);
  ASSERT_TRUE(settings::write(mine));
  EXPECT_EQ(
      settings::loadOrCreate(settings::Reader::Helper, kDefaults, log.reporter())["CurrentProfile"]
          .intValue(),
      7);
}

TEST(SettingsStore, AnUnreadableFileIsKeptAsideBeforeTheDefaultsReplaceIt) {
  const struct {
    QByteArray content;
    QString reason;
  } cases[] = {
      {"<?xml version=\"1.0\"?>\n<plist><dict><key>Profi",
       "XML error at line 2, column"},  // truncated
      {"<plist><array><integer>1</integer></array></plist>", "its root is not a dictionary"},
  };
  for (const auto& [content, reason] : cases) {
    TempHome home;
    FakeSystemLog log;
    writeBytes(settings::settingsPath(), content);

    const PlistValue loaded =
        settings::loadOrCreate(settings::Reader::Helper, kDefaults, log.reporter());
    ASSERT_TRUE(loaded.isDictionary());
    EXPECT_EQ(loaded["Profiles"].count(), 10);

    const QStringList copies = asideCopies(home.path());
    ASSERT_EQ(copies.size(), 1);
    QFile aside(home.path() + "/.config/halvane/" + copies.first());
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    EXPECT_EQ(aside.readAll(), content);
    ASSERT_EQ(log.lines.size(), 1);
    EXPECT_TRUE(log.lines.first().startsWith("The settings file could not be read (" + reason))
        << qPrintable(log.lines.first());
    EXPECT_TRUE(log.lines.first().endsWith("); kept it as " + home.path() + "/.config/halvane/" +
                                           copies.first()))
        << qPrintable(log.lines.first());
  }
}

// A FIFO, a device or a folder at the settings path is the user's doing: the program neither
// blocks nor reads without end, moves nothing aside and writes nothing through it, and says so.
TEST(SettingsStore, ASpecialFileAtThePathServesTheDefaultsFromMemoryAndIsLeftAlone) {
  const struct {
    const char* name;
    std::function<bool(const QString&)> make;
    QString reason;
  } cases[] = {
      {"a link to /dev/zero", [](const QString& p) { return QFile::link("/dev/zero", p); },
       "a character device, not a regular file"},
      {"a FIFO",
       [](const QString& p) { return mkfifo(QFile::encodeName(p).constData(), 0600) == 0; },
       "a FIFO, not a regular file"},
      {"a folder", [](const QString& p) { return QDir().mkdir(p); },
       "a folder, not a regular file"},
  };
  for (const auto& c : cases) {
    for (settings::Reader reader : {settings::Reader::Helper, settings::Reader::Pane}) {
      TempHome home;
      FakeSystemLog log;
      const QString path = settings::settingsPath();
      ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
      ASSERT_TRUE(c.make(path)) << c.name;
      EXPECT_EQ(settings::loadOrCreate(reader, kDefaults, log.reporter()),
                settings::read(kDefaults))
          << c.name;
      EXPECT_EQ(log.lines,
                QStringList{"The settings file ~/.config/halvane/com.halvane.keyboard.plist is " +
                            c.reason + "; using the default settings without saving them"});
      QString why;
      EXPECT_FALSE(settings::write(settings::read(kDefaults), path, &why)) << c.name;
      EXPECT_EQ(why, c.reason);
      EXPECT_EQ(QDir(QFileInfo(path).absolutePath())
                    .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
                QStringList{QFileInfo(path).fileName()})
          << c.name << ": nothing set aside, written or backed up";
      EXPECT_EQ(QFileInfo(path).isSymLink(), c.name == std::string("a link to /dev/zero"));
    }
  }
}

// Dotfile managers link the settings file: an unreadable target is set aside beside itself and
// the defaults go where the link points, so the link keeps working.
TEST(SettingsStore, ALinkedFileThatCannotBeReadIsSetAsideAtItsTarget) {
  TempHome home;
  QTemporaryDir dotfiles;
  FakeSystemLog log;
  const QString target = dotfiles.filePath("halvane.plist");
  writeBytes(target, "<plist><dict>");
  const QString path = settings::settingsPath();
  ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
  ASSERT_TRUE(QFile::link(target, path));

  EXPECT_EQ(settings::loadOrCreate(settings::Reader::Helper, kDefaults, log.reporter()),
            settings::read(kDefaults));
  EXPECT_EQ(QFileInfo(path).symLinkTarget(), target);
  EXPECT_EQ(settings::read(target), settings::read(kDefaults));
  const QStringList aside =
      QDir(dotfiles.path()).entryList({"halvane.plist.unreadable-*"}, QDir::Files);
  ASSERT_EQ(aside.size(), 1);
  ASSERT_EQ(log.lines.size(), 1);
  EXPECT_TRUE(log.lines.first().endsWith("kept it as " + dotfiles.filePath(aside.first())))
      << qPrintable(log.lines.first());
}

TEST(SettingsStore, WithoutDefaultsEachReaderSaysItsOwnMessage) {
  TempHome home;
  FakeSystemLog paneLog, helperLog;
  EXPECT_TRUE(settings::loadOrCreate(settings::Reader::Pane, "/nonexistent/defaults.plist",
                                     paneLog.reporter())
                  .isNone());
  const QString why =
      "Could not create ~/.config/halvane/com.halvane.keyboard.plist: the defaults "
      "/nonexistent/defaults.plist cannot be read (No such file or directory)";
  EXPECT_EQ(paneLog.lines, QStringList({kCreating, kCouldNot, why}));
  EXPECT_TRUE(settings::loadOrCreate(settings::Reader::Helper, "/nonexistent/defaults.plist",
                                     helperLog.reporter())
                  .isNone());
  EXPECT_EQ(helperLog.lines, QStringList({"No Prefs File!", why}));
  EXPECT_FALSE(QFile::exists(settings::settingsPath()));
}

TEST(SettingsStore, AFolderThatCannotBeCreatedGivesNoSettings) {
  TempHome home;
  FakeSystemLog log;
  writeBytes(home.path() + "/.config", "a file where the folder should be");
  EXPECT_TRUE(settings::loadOrCreate(settings::Reader::Pane, kDefaults, log.reporter()).isNone());
  ASSERT_GE(log.lines.size(), 2);
  EXPECT_EQ(log.lines.at(log.lines.size() - 2), kCouldNot);
  // The system's own reason follows: .config is a file, so nothing can be made below it.
  EXPECT_TRUE(log.lines.last().startsWith(
      "Could not create ~/.config/halvane/com.halvane.keyboard.plist: "))
      << qPrintable(log.lines.last());
  EXPECT_GT(log.lines.last().size(),
            QString("Could not create ~/.config/halvane/com.halvane.keyboard.plist: ").size());
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
  const PlistValue loaded =
      settings::loadOrCreate(settings::Reader::Helper, kDefaults, log.reporter());
  EXPECT_EQ(loaded, odd);
  EXPECT_TRUE(asideCopies(home.path()).isEmpty());
}

}  // namespace
