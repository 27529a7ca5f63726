// The validator against the shipped defaults and a table of broken trees: every problem is
// reported once, with its path, its severity and its message.
#include "shared/plist/PlistFile.h"
#include "shared/settings/SettingsStore.h"
#include "shared/settings/SettingsValidator.h"

#include <QSet>
#include <QtNumeric>

#include <gtest/gtest.h>

#include <functional>

namespace halvane::settings {
namespace {

PlistValue defaults() {
  return read(QStringLiteral(HALVANE_SOURCE_DIR "/shared/defaults.plist")).deepCopy();
}
PlistValue profileOf(const PlistValue& root, int p) {
  return root["Profiles"].at(p);
}
PlistValue keyOf(const PlistValue& root, int p, int k) {
  return profileOf(root, p)["MacroKeys"].at(k);
}
PlistValue comboOf(const PlistValue& root, int p, int k) {
  return keyOf(root, p, k)["KeyCombo"];
}

// Records a macro (key code, modifiers, delay) into step i.
void record(PlistValue combo, int i, int keyCode, int modifiers, const PlistValue& delay) {
  combo.set(QStringLiteral("keyCode%1").arg(i), keyCode);
  combo.set(QStringLiteral("modifiers%1").arg(i), modifiers);
  combo.set(QStringLiteral("delay%1").arg(i), delay);
}

// "E path: message" or "W path: message".
QStringList lines(const SettingsProblems& problems) {
  QStringList out;
  for (const SettingsProblem& p : problems) out << (p.isError() ? "E " : "W ") + p.text();
  return out;
}

TEST(SettingsValidator, ShippedDefaultsAreClean) {
  const PlistValue root = defaults();
  ASSERT_TRUE(root.isDictionary());
  EXPECT_EQ(lines(SettingsValidator::validateSettings(root)), QStringList());
  for (int p = 0; p < kProfileCount; ++p)
    EXPECT_EQ(lines(SettingsValidator::validateProfile(profileOf(root, p))), QStringList()) << p;
}

struct Case {
  const char* name;
  std::function<void(PlistValue&)> edit;
  QStringList expected;
};

const std::vector<Case>& cases() {
  static const std::vector<Case> table = {
      {"delay above the limit",
       [](PlistValue& r) { comboOf(r, 3, 7).set("delay2", 9000); },
       {"E Profiles[3].MacroKeys[7].KeyCombo.delay2: 9000 is above 6350"}},
      {"delay at the limit", [](PlistValue& r) { record(comboOf(r, 3, 7), 2, 36, 0, 6350); }, {}},
      {"nine profiles",
       [](PlistValue& r) { r["Profiles"].removeAt(9); },
       {"E Profiles: 9 profiles, expected 10"}},
      {"one profile",
       [](PlistValue& r) {
         for (int i = 0; i < 9; ++i) r["Profiles"].removeAt(1);
       },
       {"E Profiles: 1 profile, expected 10"}},
      {"no profiles at all",
       [](PlistValue& r) { r.remove("Profiles"); },
       {"E Profiles: missing (there are no profiles: no key does anything)"}},
      {"profiles is a dictionary",
       [](PlistValue& r) { r.set("Profiles", PlistValue::dictionary()); },
       {"E Profiles: is a dictionary, expected an array"}},
      {"unknown media player",
       [](PlistValue& r) { profileOf(r, 0).set("MediaPlayer", "Winamp"); },
       {"E Profiles[0].MediaPlayer: \"Winamp\" is not one of \"iTunes\", \"QuickTime Player\", "
        "\"VLC\" or \"RealPlayer\""}},
      {"VLC is a media player",
       [](PlistValue& r) { profileOf(r, 0).set("MediaPlayer", "VLC"); },
       {}},
      {"imaging application of another spelling",
       [](PlistValue& r) { profileOf(r, 5).set("ImagingOptions", "Photoshop"); },
       {"E Profiles[5].ImagingOptions: \"Photoshop\" is not one of \"Preview\", \"PhotoShop\", "
        "\"Illustrator\", \"Adobe Reader\" or \"ACDSee\""}},
      {"missing media player",
       [](PlistValue& r) { profileOf(r, 9).remove("MediaPlayer"); },
       {"E Profiles[9].MediaPlayer: missing (the media keys name no player)"}},
      {"missing step key code",
       [](PlistValue& r) { comboOf(r, 2, 0).remove("keyCode3"); },
       {"E Profiles[2].MacroKeys[0].KeyCombo.keyCode3: missing (a missing step plays key 0)"}},
      {"current profile out of range",
       [](PlistValue& r) { r.set("CurrentProfile", 12); },
       {"E CurrentProfile: 12 is outside 0-9"}},
      {"current profile negative",
       [](PlistValue& r) { r.set("CurrentProfile", -1); },
       {"E CurrentProfile: -1 is outside 0-9"}},
      {"current profile as text",
       [](PlistValue& r) { r.set("CurrentProfile", "3"); },
       {"E CurrentProfile: is a string, expected an integer"}},
      {"current profile missing",
       [](PlistValue& r) { r.remove("CurrentProfile"); },
       {"W CurrentProfile: missing (reads as 0: the helper starts with profile 1)"}},
      {"booleans as 0 and 1",
       [](PlistValue& r) {
         profileOf(r, 1).set("SwapCmdAlt", 0);
         profileOf(r, 1).set("AutoSwitching", 1);
         r.set("ShowChangesOnScreen", 1);
       },
       {}},
      {"booleans of other kinds",
       [](PlistValue& r) {
         profileOf(r, 1).set("SwapCmdAlt", 2);
         profileOf(r, 1).set("AutoSwitching", "yes");
         r.set("AutoSwitchingOverride", 0.5);
       },
       {"E Profiles[1].AutoSwitching: is a string, expected a boolean",
        "E Profiles[1].SwapCmdAlt: 2 is not a boolean (true, false, 0 or 1)",
        "E AutoSwitchingOverride: is a real number, expected a boolean"}},
      {"unknown action",
       [](PlistValue& r) { keyOf(r, 4, 9).set("ActionType", "Foo"); },
       {"E Profiles[4].MacroKeys[9].ActionType: \"Foo\" is not an action (the key does nothing; "
        "the actions are \"ExecuteMacro\", \"LaunchApp\" and \"SelectProfile\")"}},
      {"no action with leftover steps and leftover launch path",
       [](PlistValue& r) {
         record(comboOf(r, 0, 0), 0, 0, 0x0100, 100);
         keyOf(r, 0, 0).set("LaunchAppURL", "leftover");
       },
       {}},
      {"macro with gaps between steps",
       [](PlistValue& r) {
         keyOf(r, 0, 1).set("ActionType", "ExecuteMacro");
         record(comboOf(r, 0, 1), 2, 36, 0x1B00, 250);
         record(comboOf(r, 0, 1), 7, 0, 0x8000, 0);
       },
       {}},
      {"macro without a step",
       [](PlistValue& r) { keyOf(r, 0, 1).set("ActionType", "ExecuteMacro"); },
       {"W Profiles[0].MacroKeys[1].KeyCombo: no recorded step (the macro plays nothing)"}},
      {"macro without its key combination",
       [](PlistValue& r) {
         keyOf(r, 0, 1).set("ActionType", "ExecuteMacro");
         keyOf(r, 0, 1).remove("KeyCombo");
         keyOf(r, 0, 2).remove("KeyCombo");
       },
       {"E Profiles[0].MacroKeys[1].KeyCombo: missing (the macro plays nothing)",
        "W Profiles[0].MacroKeys[2].KeyCombo: missing"}},
      {"steps with wrong values",
       [](PlistValue& r) {
         PlistValue c = comboOf(r, 6, 3);
         record(c, 0, 70000, 0, 0);
         record(c, 1, 36, -1, 0);
         record(c, 2, 36, -2, -5);
         record(c, 3, 36, 0x0500, 250.5);
         record(c, 4, -1, -1, 500);
         c.set("keyCode5", 36.0);
         c.set("delay6", "500");
         c.set("modifiers7", true);
       },
       {"E Profiles[6].MacroKeys[3].KeyCombo.keyCode0: 70000 is not a key code (0-65535, or -1 "
        "for an empty step)",
        "E Profiles[6].MacroKeys[3].KeyCombo.modifiers1: -1 with a key (the helper holds down all "
        "four modifiers; the preferences show (None))",
        "E Profiles[6].MacroKeys[3].KeyCombo.modifiers2: -2 is not a modifier mask",
        "E Profiles[6].MacroKeys[3].KeyCombo.delay2: -5 is below 0",
        "W Profiles[6].MacroKeys[3].KeyCombo.modifiers3: bits 0x400 are not modifiers (ignored)",
        "W Profiles[6].MacroKeys[3].KeyCombo.delay3: 250.5 is not a whole number of milliseconds "
        "(the preferences keep whole milliseconds)",
        "W Profiles[6].MacroKeys[3].KeyCombo.delay4: 500 after an empty step is ignored (an empty "
        "step causes no pause)",
        "E Profiles[6].MacroKeys[3].KeyCombo.keyCode5: is a real number, expected an integer",
        "E Profiles[6].MacroKeys[3].KeyCombo.delay6: is a string, expected a number",
        "E Profiles[6].MacroKeys[3].KeyCombo.modifiers7: is a boolean, expected an integer"}},
      {"a ninth step",
       [](PlistValue& r) { comboOf(r, 0, 0).set("keyCode8", 36); },
       {"W Profiles[0].MacroKeys[0].KeyCombo.keyCode8: not a settings key (ignored: a macro has "
        "steps 0-7)"}},
      {"launch without a path",
       [](PlistValue& r) {
         keyOf(r, 1, 0).set("ActionType", "LaunchApp");
         keyOf(r, 1, 1).set("ActionType", "LaunchApp");
         keyOf(r, 1, 1).set("LaunchAppURL", "file:///usr/bin/gedit");
         keyOf(r, 1, 2).set("ActionType", "LaunchApp");
         keyOf(r, 1, 2).set("LaunchAppURL", "/usr/share/applications/gedit.desktop");
         keyOf(r, 1, 3).set("ActionType", "LaunchApp");
         keyOf(r, 1, 3).remove("LaunchAppURL");
       },
       {"E Profiles[1].MacroKeys[0].LaunchAppURL: empty (the key launches nothing)",
        "E Profiles[1].MacroKeys[1].LaunchAppURL: \"file:///usr/bin/gedit\" is not an absolute "
        "path",
        "E Profiles[1].MacroKeys[3].LaunchAppURL: missing (the key launches nothing)"}},
      {"profile selection out of range",
       [](PlistValue& r) {
         keyOf(r, 8, 5).set("ActionType", "SelectProfile");
         keyOf(r, 8, 5).set("SelectProfile", 10);
         keyOf(r, 8, 6).set("SelectProfile", -3);  // even unused, never written by the pane
         keyOf(r, 8, 7).set("ActionType", "SelectProfile");
         keyOf(r, 8, 7).set("SelectProfile", 9);
       },
       {"E Profiles[8].MacroKeys[5].SelectProfile: 10 is outside 0-9",
        "E Profiles[8].MacroKeys[6].SelectProfile: -3 is outside 0-9"}},
      {"records of the wrong type",
       [](PlistValue& r) {
         r["Profiles"].replace(4, "Profile 5");
         profileOf(r, 5)["MacroKeys"].replace(2, 7);
         keyOf(r, 5, 3).set("KeyCombo", PlistValue::array());
         keyOf(r, 5, 4).set("LaunchAppAlias", "alias");
       },
       {"E Profiles[4]: is a string, expected a dictionary",
        "E Profiles[5].MacroKeys[2]: is an integer, expected a dictionary",
        "E Profiles[5].MacroKeys[3].KeyCombo: is an array, expected a dictionary",
        "E Profiles[5].MacroKeys[4].LaunchAppAlias: is a string, expected data"}},
      {"eleven macro keys",
       [](PlistValue& r) { profileOf(r, 2)["MacroKeys"].append(keyOf(r, 2, 0).deepCopy()); },
       {"E Profiles[2].MacroKeys: 11 macro keys, expected 10"}},
      {"a record the helper reads from an eleventh key is checked too",
       [](PlistValue& r) {
         PlistValue extra = keyOf(r, 2, 0).deepCopy();
         extra.set("ActionType", 3);
         profileOf(r, 2)["MacroKeys"].append(extra);
       },
       {"E Profiles[2].MacroKeys: 11 macro keys, expected 10",
        "E Profiles[2].MacroKeys[10].ActionType: is an integer, expected a string"}},
      {"application path",
       [](PlistValue& r) {
         profileOf(r, 3).set("ApplicationPath", "gimp");
         profileOf(r, 4).set("ApplicationPath", "/usr/bin/gimp");
       },
       {"E Profiles[3].ApplicationPath: \"gimp\" is not an absolute path (automatic switching "
        "compares full paths, so it never matches)"}},
      {"entries that read as legal values when missing",
       [](PlistValue& r) {
         profileOf(r, 7).remove("Name");
         profileOf(r, 7).remove("SwapCmdAlt");
         keyOf(r, 7, 0).remove("ActionType");
         comboOf(r, 7, 1).remove("delay0");
         comboOf(r, 7, 1).remove("description");
         r.remove("ShowChangesOnScreen");
       },
       {"W Profiles[7].Name: missing (reads as an empty name)",
        "W Profiles[7].MacroKeys[0].ActionType: missing (reads as empty: the key does nothing)",
        "W Profiles[7].MacroKeys[1].KeyCombo.delay0: missing (reads as 0: no pause)",
        "W Profiles[7].MacroKeys[1].KeyCombo.description: missing (the key's label reads empty)",
        "W Profiles[7].SwapCmdAlt: missing (reads as false)",
        "W ShowChangesOnScreen: missing (reads as false)"}},
      {"tray icon turned off", [](PlistValue& r) { r.set("ShowTrayIcon", false); }, {}},
      {"tray icon as text",
       [](PlistValue& r) { r.set("ShowTrayIcon", "no"); },
       {"E ShowTrayIcon: is a string, expected a boolean"}},
      {"keys no program reads",
       [](PlistValue& r) {
         r.set("Colour", "red");
         profileOf(r, 0).set("name", "lower case");
       },
       {"W Profiles[0].name: not a settings key (ignored)",
        "W Colour: not a settings key (ignored)"}},
      {"delay that is not a number",
       [](PlistValue& r) { comboOf(r, 0, 0).set("delay1", qQNaN()); },
       {"E Profiles[0].MacroKeys[0].KeyCombo.delay1: nan is not a number of milliseconds"}},
  };
  return table;
}

TEST(SettingsValidator, BrokenTreesReportEachProblemWithItsPath) {
  for (const Case& c : cases()) {
    PlistValue root = defaults();
    c.edit(root);
    EXPECT_EQ(lines(SettingsValidator::validateSettings(root)), c.expected) << c.name;
  }
}

TEST(SettingsValidator, NoPathIsReportedTwice) {
  // Also a tree where nearly everything is wrong at once.
  PlistValue wreck = defaults();
  keyOf(wreck, 0, 0).set("KeyCombo", PlistValue::dictionary());
  keyOf(wreck, 0, 1).set("ActionType", 5);
  profileOf(wreck, 1).set("MacroKeys", "none");
  wreck.set("CurrentProfile", 99);
  const SettingsProblems problems = SettingsValidator::validateSettings(wreck);
  EXPECT_EQ(SettingsValidator::errorCount(problems), 8 /* keyCode0-7 */ + 3);
  QSet<QString> paths;
  for (const SettingsProblem& p : problems) {
    EXPECT_FALSE(paths.contains(p.path)) << qPrintable(p.text());
    paths.insert(p.path);
  }
}

TEST(SettingsValidator, RootThatIsNoDictionary) {
  EXPECT_EQ(lines(SettingsValidator::validateSettings(PlistValue::array())),
            QStringList{"E the root is an array, expected a dictionary"});
  EXPECT_EQ(lines(SettingsValidator::validateSettings(PlistValue())),
            QStringList{"E the root is nothing usable, expected a dictionary"});
}

TEST(SettingsValidator, SingleProfileRecordUsesTheGivenPath) {
  PlistValue profile = profileOf(defaults(), 0);
  EXPECT_TRUE(SettingsValidator::validateProfile(profile).isEmpty());
  profile["MacroKeys"].at(4)["KeyCombo"].set("delay0", 7000);
  profile.set("MediaPlayer", 3);
  EXPECT_EQ(lines(SettingsValidator::validateProfile(profile)),
            (QStringList{"E Profile.MacroKeys[4].KeyCombo.delay0: 7000 is above 6350",
                         "E Profile.MediaPlayer: is an integer, expected a string"}));
  EXPECT_EQ(lines(SettingsValidator::validateProfile(PlistValue())),
            QStringList{"E Profile: missing"});
  EXPECT_FALSE(
      SettingsValidator::hasErrors(SettingsValidator::validateProfile(profileOf(defaults(), 1))));
}

// Names that could drive a terminal or flood a menu: a warning in the user's own file, an error
// in a profile brought in from elsewhere.
TEST(SettingsValidator, NamesWithControlCharactersOrTooLongAreFlagged) {
  const QString escape = QStringLiteral("Games\x1b]0;pwned\x07");
  const QString longName(kMaxNameLength + 1, u'n');
  const QString longestName =
      QString(kMaxNameLength - 1, u'n') + QString::fromUtf8("\xf0\x9f\x8e\xae");
  PlistValue root = defaults();
  profileOf(root, 0).set("Name", escape);
  profileOf(root, 1).set("AssignedApplication", QStringLiteral("tab\there"));
  profileOf(root, 2).set("Name", longName);
  profileOf(root, 3).set("Name", longestName);  // 255 characters, one of them outside the BMP
  const QString controlText =
      "holds the control character U+%1 (character %2), which could drive a terminal "
      "that shows the name";
  const QStringList expected = {
      "Profiles[0].Name: " + controlText.arg("001B").arg(6),
      "Profiles[1].AssignedApplication: " + controlText.arg("0009").arg(4),
      "Profiles[2].Name: is 256 characters long; a name has at most 255",
  };
  QStringList warnings;
  for (const QString& line : lines(SettingsValidator::validateSettings(root))) warnings << line;
  QStringList asWarnings, asErrors;
  for (const QString& e : expected) asWarnings << "W " + e, asErrors << "E " + e;
  EXPECT_EQ(warnings, asWarnings);

  for (int p = 0; p < 3; ++p) {
    const QString path = QStringLiteral("Profiles[%1]").arg(p);
    EXPECT_EQ(lines(SettingsValidator::validateProfile(profileOf(root, p), path,
                                                       SettingsValidator::OddNames::Refuse)),
              QStringList{asErrors[p]});
  }
  EXPECT_TRUE(SettingsValidator::validateProfile(profileOf(root, 3), "P",
                                                 SettingsValidator::OddNames::Refuse)
                  .isEmpty());
}

}  // namespace
}  // namespace halvane::settings
