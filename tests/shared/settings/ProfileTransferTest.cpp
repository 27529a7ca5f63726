// Export and import of one profile: the round trip, and imports that must change nothing.
#include "shared/settings/ProfileTransfer.h"
#include "tests/shared/settings/TransferTestSupport.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace halvane::settings {
namespace {

using test::customisedSettings;
using test::defaultsFile;
using test::defaultsTree;
using test::fileBytes;
using test::writeBytes;
using Status = TransferResult::Status;

class ProfileTransferTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir.isValid()); }
  QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
  QTemporaryDir dir;
};

TEST_F(ProfileTransferTest, ExportThenImportCarriesTheRecordAndNothingElse) {
  const QString source = path("source.plist");
  ASSERT_TRUE(write(customisedSettings(), source));
  const QString exported = path("games.plist");
  const TransferResult out = exportProfile(4, exported, source);
  ASSERT_EQ(out.status, Status::Done) << qPrintable(out.message);
  EXPECT_TRUE(out.problems.isEmpty());

  // The file: the format number and an exact copy of the record.
  const PlistValue document = readPlistFile(exported);
  EXPECT_EQ(document["Format"], PlistValue(1));
  EXPECT_EQ(document["Profile"], customisedSettings()["Profiles"].at(3));
  EXPECT_EQ(document.keys(), (QStringList{"Format", "Profile"}));

  // Imported as profile 7 of another user's settings.
  PlistValue before = defaultsTree();
  before.set(QStringLiteral("ShowChangesOnScreen"), true);
  before.set(QStringLiteral("CurrentProfile"), 2);
  before["Profiles"].at(6).set(QStringLiteral("Name"), QStringLiteral("Old seven"));
  const QString target = path("target.plist");
  ASSERT_TRUE(write(before, target));
  const TransferResult in = importProfile(7, exported, defaultsFile(), target);
  ASSERT_EQ(in.status, Status::Done) << qPrintable(in.message);

  PlistValue expected = before.deepCopy();
  expected["Profiles"].replace(6, customisedSettings()["Profiles"].at(3));
  EXPECT_EQ(read(target), expected);
}

TEST_F(ProfileTransferTest, StepsOfEveryKindTravelUnchangedAndStayClean) {
  const PlistValue source = test::settingsWithEveryStepKind();
  const PlistValue profile = source["Profiles"].at(3);
  EXPECT_TRUE(SettingsValidator::validateSettings(source).isEmpty());
  const QString settingsFile = path("settings.plist");
  ASSERT_TRUE(write(source, settingsFile));
  const QString exported = path("steps.plist");
  const TransferResult out = exportProfile(4, exported, settingsFile);
  ASSERT_EQ(out.status, Status::Done) << qPrintable(out.message);
  EXPECT_TRUE(out.problems.isEmpty());
  EXPECT_EQ(readPlistFile(exported)["Profile"], profile);

  const QString target = path("target.plist");
  ASSERT_TRUE(write(defaultsTree(), target));
  const TransferResult in = importProfile(8, exported, defaultsFile(), target);
  ASSERT_EQ(in.status, Status::Done) << qPrintable(in.message);
  EXPECT_TRUE(in.problems.isEmpty());
  const PlistValue imported = read(target);
  EXPECT_EQ(imported["Profiles"].at(7), profile);
  EXPECT_TRUE(SettingsValidator::validateSettings(imported).isEmpty());
  const PlistValue keys = imported["Profiles"].at(7)["MacroKeys"];
  EXPECT_EQ(readMacroSteps(keys.at(1)["KeyCombo"]), test::typingSteps());
  EXPECT_EQ(readMacroSteps(keys.at(2)["KeyCombo"]), test::draggingSteps());
}

TEST_F(ProfileTransferTest, ImportWithoutSettingsFileStartsFromTheDefaults) {
  const QString exported = path("p.plist");
  ASSERT_TRUE(write(profileDocument(customisedSettings()["Profiles"].at(3)), exported));
  const QString target = path("Library/Preferences/settings.plist");
  ASSERT_TRUE(importProfile(1, exported, defaultsFile(), target).done());
  PlistValue expected = defaultsTree();
  expected["Profiles"].replace(0, customisedSettings()["Profiles"].at(3));
  EXPECT_EQ(read(target), expected);
}

TEST_F(ProfileTransferTest, ImportOfABrokenFileChangesNothing) {
  const QString target = path("settings.plist");
  ASSERT_TRUE(write(customisedSettings(), target));
  const QByteArray original = fileBytes(target);

  auto documentWith = [](const std::function<void(PlistValue&)>& edit) {
    PlistValue doc = profileDocument(customisedSettings()["Profiles"].at(3));
    edit(doc);
    return toXmlPlist(doc);
  };
  struct Case {
    const char* name;
    QByteArray bytes;  // empty: no file at all
    Status status;
    QString firstProblem;
  };
  const std::vector<Case> cases = {
      {"no file", {}, Status::Failed, {}},
      {"not a property list", "<plist><dict><key>Format", Status::Failed, {}},
      {"a whole settings file", toXmlPlist(customisedSettings()), Status::Invalid,
       "Format: missing (not a profile file)"},
      {"an array", toXmlPlist(PlistValue::array()), Status::Invalid,
       "not a profile file (its root is not a dictionary)"},
      {"a newer format", documentWith([](PlistValue& d) { d.set("Format", 2); }), Status::Invalid,
       "Format: 2 is not a format this version reads (it reads 1)"},
      {"no profile", documentWith([](PlistValue& d) { d.remove("Profile"); }), Status::Invalid,
       "Profile: missing"},
      {"a delay too long", documentWith([](PlistValue& d) {
         d["Profile"]["MacroKeys"].at(0)["KeyCombo"].set("delay0", 9000);
       }),
       Status::Invalid, "Profile.MacroKeys[0].KeyCombo.delay0: 9000 is above 6350"},
      {"a name that drives the terminal",
       documentWith([](PlistValue& d) { d["Profile"].set("Name", "\x1b[2J\x1b]0;title\x07"); }),
       Status::Invalid,
       "Profile.Name: holds the control character U+001B (character 1), which could drive a "
       "terminal that shows the name"},
      {"a name of 100,000 characters",
       documentWith([](PlistValue& d) { d["Profile"].set("Name", QString(100000, u'x')); }),
       Status::Invalid, "Profile.Name: is 100000 characters long; a name has at most 255"},
      {"nine macro keys",
       documentWith([](PlistValue& d) { d["Profile"]["MacroKeys"].removeAt(9); }), Status::Invalid,
       "Profile.MacroKeys: 9 macro keys, expected 10"},
  };
  for (const Case& c : cases) {
    const QString file = path("import.plist");
    QFile::remove(file);
    if (!c.bytes.isEmpty()) {
      ASSERT_TRUE(writeBytes(file, c.bytes));
    }
    const TransferResult result = importProfile(2, file, defaultsFile(), target);
    EXPECT_EQ(result.status, c.status) << c.name;
    if (c.status == Status::Failed) {
      EXPECT_FALSE(result.message.isEmpty()) << c.name;
    }
    if (!c.firstProblem.isEmpty()) {
      ASSERT_FALSE(result.problems.isEmpty()) << c.name;
      EXPECT_EQ(result.problems.first().text(), c.firstProblem) << c.name;
      EXPECT_TRUE(SettingsValidator::hasErrors(result.problems)) << c.name;
    }
    EXPECT_EQ(fileBytes(target), original) << c.name;
  }
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
            (QStringList{"import.plist", "settings.plist"}))
      << "no temporary or moved-aside file is left";
}

TEST_F(ProfileTransferTest, ImportLeavesABrokenSettingsFileAlone) {
  const QString exported = path("p.plist");
  ASSERT_TRUE(write(profileDocument(defaultsTree()["Profiles"].at(0)), exported));

  const QString unreadable = path("unreadable.plist");
  ASSERT_TRUE(writeBytes(unreadable, "not a property list"));
  EXPECT_EQ(importProfile(1, exported, defaultsFile(), unreadable).status, Status::Failed);
  EXPECT_EQ(fileBytes(unreadable), "not a property list");

  PlistValue short5 = defaultsTree();
  for (int i = 0; i < 5; ++i) short5["Profiles"].removeAt(5);
  const QString shortFile = path("short.plist");
  ASSERT_TRUE(write(short5, shortFile));
  const QByteArray shortBytes = fileBytes(shortFile);
  const TransferResult result = importProfile(6, exported, defaultsFile(), shortFile);
  EXPECT_EQ(result.status, Status::Failed);
  EXPECT_EQ(result.message, "the settings file has no profile 6 (it holds 5)");
  EXPECT_EQ(fileBytes(shortFile), shortBytes);
  // Profile 5 is there, so that import goes ahead.
  EXPECT_TRUE(importProfile(5, exported, defaultsFile(), shortFile).done());

  EXPECT_EQ(importProfile(0, exported, defaultsFile(), shortFile).status, Status::Failed);
  EXPECT_EQ(importProfile(11, exported, defaultsFile(), shortFile).status, Status::Failed);
}

TEST_F(ProfileTransferTest, ImportKeepsWarningsAndGoesAhead) {
  PlistValue doc = profileDocument(customisedSettings()["Profiles"].at(3));
  doc["Profile"].remove("AssignedApplication");
  doc.set("Comment", "shared by a friend");
  const QString file = path("p.plist");
  ASSERT_TRUE(write(doc, file));
  const QString target = path("settings.plist");
  ASSERT_TRUE(write(defaultsTree(), target));
  const TransferResult result = importProfile(10, file, defaultsFile(), target);
  ASSERT_TRUE(result.done()) << qPrintable(result.message);
  QStringList texts;
  for (const auto& p : result.problems) texts << p.text();
  EXPECT_EQ(texts, (QStringList{"Profile.AssignedApplication: missing (reads as no application)",
                                "Comment: not a profile file key (ignored)"}));
  EXPECT_EQ(read(target)["Profiles"].at(9)["Name"].toString(), "Games");
}

TEST_F(ProfileTransferTest, ExportRefusesWhatCouldNotBeImportedOrWouldHarmTheSettings) {
  PlistValue broken = customisedSettings();
  broken["Profiles"].at(3)["MacroKeys"].at(9).set("SelectProfile", 12);
  const QString settingsFile = path("settings.plist");
  ASSERT_TRUE(write(broken, settingsFile));
  const QByteArray original = fileBytes(settingsFile);
  const QString file = path("out.plist");

  const TransferResult invalid = exportProfile(4, file, settingsFile);
  EXPECT_EQ(invalid.status, Status::Invalid);
  ASSERT_EQ(invalid.problems.size(), 1);
  EXPECT_EQ(invalid.problems.first().text(),
            "Profile.MacroKeys[9].SelectProfile: 12 is outside 0-9");
  EXPECT_FALSE(QFileInfo::exists(file));

  // Other profiles are fine.
  EXPECT_TRUE(exportProfile(3, file, settingsFile).done());
  EXPECT_EQ(readPlistFile(file)["Profile"]["Name"].toString(), "Profile 3");

  // Exporting over the settings file itself, by any spelling of its path.
  const QString samePath = dir.path() + QStringLiteral("/./settings.plist");
  EXPECT_EQ(exportProfile(3, samePath, settingsFile).status, Status::Failed);
  EXPECT_EQ(fileBytes(settingsFile), original);

  EXPECT_EQ(exportProfile(11, file, settingsFile).status, Status::Failed);
  EXPECT_EQ(exportProfile(1, file, path("missing.plist")).status, Status::Failed);
  const TransferResult noFolder = exportProfile(1, path("no/such/folder/p.plist"), settingsFile);
  EXPECT_EQ(noFolder.status, Status::Failed);
  EXPECT_TRUE(noFolder.message.startsWith("cannot write")) << qPrintable(noFolder.message);
}

}  // namespace
}  // namespace halvane::settings
