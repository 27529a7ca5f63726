// Macro playback, key combinations, launch and select actions, media keys and script requests.

#include "tests/helper/controller/ControllerRig.h"

#include <gtest/gtest.h>

#include <functional>

namespace halvane::test {
namespace {

TEST(KeyCombination, CommandShiftIsPressedAndReleasedAroundTheKeyBetweenSuppressionSettings) {
  ControllerRig rig;
  rig.controller->pressKeyCombination(0x31, 0x0300);
  EXPECT_EQ(rig.take(),
            QStringList({"suppress 0", "combine off", "key 56 down", "key 55 down", "key 49 down",
                         "key 49 up", "key 55 up", "key 56 up", "combine on", "suppress 0.25"}));
}

struct CombinationCase {
  int key, modifiers;
  QString folded;
};

TEST(KeyCombination, ModifierBitsAndKeyCode) {
  const std::vector<CombinationCase> cases = {
      {0, 0, "[0v 0^]"},
      {12, -1, "[56v 59v 58v 55v 12v 12^ 55^ 58^ 59^ 56^]"},  // all bits: all four modifiers
      {12, 0x0800, "[58v 12v 12^ 58^]"},
      {12, 0x1000, "[59v 12v 12^ 59^]"},
      {12, 0x00FF | 0x0400 | 0x4000 | 0x8000, "[12v 12^]"},  // other bits are ignored
      {0x1000C, 0, "[12v 12^]"},                             // the low 16 bits are the key
      {-2, 0, "[65534v 65534^]"},
  };
  for (const CombinationCase& c : cases) {
    ControllerRig rig;
    rig.controller->pressKeyCombination(c.key, c.modifiers);
    EXPECT_EQ(rig.takeFolded(), QStringList{c.folded}) << c.key << " " << c.modifiers;
  }
}

struct MacroCase {
  const char* name;
  std::vector<Step> steps;
  QStringList played;
};

TEST(Macro, PlaysStepsInOrderWithTheirPauses) {
  const std::vector<MacroCase> cases = {
      {"empty step skipped without its pause",
       {{0, 0, 250}, {-1, -1, 500}, {2, 0x0200, 0}},
       {"[0v 0^]", "sleep 0.25", "[56v 2v 2^ 56^]"}},
      {"the last step's pause follows its key", {{4, 0, 1500}}, {"[4v 4^]", "sleep 1.5"}},
      {"zero and negative pauses wait nothing", {{1, 0, 0}, {2, 0, -100}}, {"[1v 1^]", "[2v 2^]"}},
      {"fractional milliseconds are honoured", {{3, 0, 12.5}}, {"[3v 3^]", "sleep 0.0125"}},
      {"empty steps do not end the macro",
       {{-1, -1, 0},
        {-1, -1, 0},
        {-1, -1, 100},
        {-1, -1, 0},
        {-1, -1, 0},
        {-1, -1, 0},
        {-1, -1, 0},
        {7, 0x0100, 0}},
       {"[55v 7v 7^ 55^]"}},
      {"all eight steps",
       {{0, 0, 0}, {1, 0, 10}, {2, 0, 0}, {3, 0, 0}, {4, 0, 0}, {5, 0, 0}, {6, 0, 0}, {7, 0, 20}},
       {"[0v 0^]", "[1v 1^]", "sleep 0.01", "[2v 2^]", "[3v 3^]", "[4v 4^]", "[5v 5^]", "[6v 6^]",
        "[7v 7^]", "sleep 0.02"}},
      {"mask -1 presses every modifier", {{9, -1, 0}}, {"[56v 59v 58v 55v 9v 9^ 55^ 58^ 59^ 56^]"}},
  };
  for (const MacroCase& c : cases) {
    ControllerRig rig;
    PlistValue tree = ControllerRig::defaultSettings();
    ControllerRig::setMacro(tree, 0, 6, c.steps);
    rig.load(tree);
    rig.controller->macroKeyPressed(6);
    EXPECT_EQ(rig.takeFolded(), c.played) << c.name;
  }
}

TEST(Macro, MissingSlotsPlayKeyZero) {
  // Only -1 marks an empty step; a step missing from the file reads as key 0 without modifiers.
  ControllerRig rig;
  PlistValue tree = ControllerRig::defaultSettings();
  PlistValue entry = ControllerRig::macroKey(tree, 0, 0);
  PlistValue combo = PlistValue::dictionary();
  combo.set(QStringLiteral("keyCode0"), 5);
  combo.set(QStringLiteral("modifiers0"), 0x0200);
  combo.set(QStringLiteral("keyCode1"), -1);
  entry.set(QStringLiteral("ActionType"), QStringLiteral("ExecuteMacro"));
  entry.set(QStringLiteral("KeyCombo"), combo);
  rig.load(tree);
  rig.controller->macroKeyPressed(0);
  QStringList expected{"[56v 5v 5^ 56^]"};
  for (int step = 2; step < 8; ++step) expected.append(QStringLiteral("[0v 0^]"));
  EXPECT_EQ(rig.takeFolded(), expected);
}

TEST(MacroKey, LaunchSelectAndNothing) {
  ControllerRig rig;
  PlistValue tree = ControllerRig::defaultSettings();
  auto assign = [&](int key, const char* action, const char* field, const PlistValue& value) {
    PlistValue entry = ControllerRig::macroKey(tree, 0, key);
    entry.set(QStringLiteral("ActionType"), QString::fromLatin1(action));
    if (field) entry.set(QString::fromLatin1(field), value);
  };
  assign(0, "LaunchApp", "LaunchAppURL", QStringLiteral("/usr/share/applications/gedit.desktop"));
  assign(1, "LaunchApp", nullptr, {});  // no path: nothing launched
  assign(2, "LaunchApp", "LaunchAppURL", QStringLiteral(""));
  assign(3, "SelectProfile", "SelectProfile", 3);
  assign(4, "SelectProfile", nullptr, {});                                   // missing: profile 0
  assign(5, "launchapp", "LaunchAppURL", QStringLiteral("/bin/true"));       // words are exact
  assign(6, "SelectProfile", "SelectProfile", 12);                           // no such profile
  ControllerRig::macroKey(tree, 0, 7).set(QStringLiteral("ActionType"), 3);  // not a text
  rig.load(tree);

  // Selecting a profile changes where later keys are read, so the selections come last.
  for (int key : {0, 1, 2, 5, 7, 8, 9, 10, -1, 6, 4, 3}) rig.controller->macroKeyPressed(key);
  EXPECT_EQ(rig.take(),
            QStringList({"open /usr/share/applications/gedit.desktop",
                         "log switchToProfile: no profile 12, staying on profile 0",
                         "overlay Profile 1", "notify 0", "overlay Profile 4", "notify 3"}));
  EXPECT_EQ(rig.controller->getCurrentProfile(), 3);
}

TEST(MacroKey, ActsOnTheCurrentProfile) {
  ControllerRig rig;
  PlistValue tree = ControllerRig::defaultSettings();
  ControllerRig::setMacro(tree, 0, 2, {{10}});
  ControllerRig::setMacro(tree, 5, 2, {{20}});
  rig.load(tree);
  rig.controller->macroKeyPressed(2);
  rig.controller->setCurrentProfile(5);
  rig.take();
  rig.controller->macroKeyPressed(2);
  EXPECT_EQ(rig.takeFolded(), QStringList{"[20v 20^]"});
}

TEST(MacroKey, FollowsTheSettingsEachTimeTheyAreReadAgain) {
  ControllerRig rig;
  PlistValue tree = ControllerRig::defaultSettings();
  ControllerRig::setMacro(tree, 0, 2, {{10}});
  rig.load(tree);
  const struct {
    const char* change;
    std::function<void(PlistValue& key)> edit;
    QStringList expected;
  } changes[] = {
      {"another macro", [](PlistValue&) {}, {"[30v 30^]"}},
      {"a launch",
       [](PlistValue& key) {
         key.set(QStringLiteral("ActionType"), QStringLiteral("LaunchApp"));
         key.set(QStringLiteral("LaunchAppURL"), QStringLiteral("/usr/bin/true"));
       },
       {"open /usr/bin/true"}},
      {"nothing", [](PlistValue& key) { key.set(QStringLiteral("ActionType"), QString()); }, {}},
  };
  for (const auto& c : changes) {
    ControllerRig::setMacro(tree, 0, 2, {{30}});
    PlistValue key = ControllerRig::macroKey(tree, 0, 2);
    c.edit(key);
    rig.writeSettingsFile(tree);
    rig.controller->reloadPrefs();
    rig.take();
    rig.controller->macroKeyPressed(2);
    EXPECT_EQ(rig.takeFolded(), c.expected) << c.change;
  }
}

TEST(MacroKey, WithoutSettingsDoesNothing) {
  ControllerRig rig;
  for (int key = 0; key < 10; ++key) rig.controller->macroKeyPressed(key);
  EXPECT_EQ(rig.take(), QStringList());
}

struct MediaCase {
  unsigned char code;
  const char* request;  // nullptr: no request
};

TEST(MediaKey, TableOfCodes) {
  const std::vector<MediaCase> cases = {
      {0x23, "script Home/"},
      {0x2D, "script ZoomIn/ACDSee"},
      {0x2E, "script ZoomOut/ACDSee"},
      {0x31, "script 100/ACDSee"},
      {0x83, "script MediaPlayer/VLC"},
      {0xC8, "script Rotate/ACDSee"},
      {0xC9, "script Shuffle/VLC"},
      {0xF1, "script Play/VLC"},
      {0xF2, "script Stop/VLC"},
      {0xF3, "script Previous/VLC"},
      {0xF4, "script Next/VLC"},
      {0x01, nullptr},
      {0xF5, nullptr},
      {0x24, nullptr},
  };
  ControllerRig rig;
  PlistValue tree = ControllerRig::defaultSettings();
  PlistValue profile = ControllerRig::profile(tree, 0);
  profile.set(QStringLiteral("ImagingOptions"), QStringLiteral("ACDSee"));
  profile.set(QStringLiteral("MediaPlayer"), QStringLiteral("VLC"));
  rig.load(tree);
  for (const MediaCase& c : cases) {
    rig.controller->mediaKeyPressed(c.code);
    EXPECT_EQ(rig.take(), c.request ? QStringList{c.request} : QStringList()) << int(c.code);
  }
}

TEST(MediaKey, WithoutSettingsSendsNoApplicationName) {
  ControllerRig rig;
  rig.controller->mediaKeyPressed(0xF1);
  rig.controller->mediaKeyPressed(0x31);
  EXPECT_EQ(rig.take(), QStringList({"script Play/", "script 100/"}));
}

TEST(Script, CallsTheHandlerOfTheBundlesScriptResource) {
  ControllerRig rig;
  rig.controller->runKeyScript(QStringLiteral("MakeLoginItem"), QString());
  ASSERT_EQ(rig.scripts.calls.size(), 1u);
  const FakeScriptRunner::Call& call = rig.scripts.calls[0];
  EXPECT_EQ(call.scriptPath, rig.bundlePath() + QStringLiteral("/Contents/Resources/Halvane"));
  EXPECT_EQ(call.handler, QStringLiteral("handlemediakey"));
  EXPECT_EQ(call.key, QStringLiteral("MakeLoginItem"));
  EXPECT_EQ(call.param, QString());
}

TEST(Script, ACombinationTheScriptAsksForIsTypedLikeAMacrosUntilTheControllerIsGone) {
  ControllerRig rig;
  ASSERT_TRUE(rig.scripts.keyCombinationHandler);
  rig.scripts.keyCombinationHandler(69, 0x1000);  // Control and the keypad's plus
  EXPECT_EQ(rig.takeFolded(), QStringList{"[59v 69v 69^ 59^]"});
  rig.controller.reset();
  EXPECT_FALSE(rig.scripts.keyCombinationHandler);
}

TEST(Script, WithoutTheScriptResourceRequestsAreDropped) {
  ControllerRig rig(/*withScript=*/false);
  rig.load(ControllerRig::defaultSettings());
  rig.controller->runKeyScript(QStringLiteral("ProfileKey"), QString());
  rig.controller->mediaKeyPressed(0xF1);
  EXPECT_TRUE(rig.scripts.calls.empty());
  EXPECT_EQ(rig.take(), QStringList());
}

}  // namespace
}  // namespace halvane::test
