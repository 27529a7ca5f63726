// The play mode entry and the cancel setting: how they read and what the validator says.

#include "shared/settings/PlayMode.h"
#include "shared/settings/SettingsLimits.h"
#include "shared/settings/SettingsValidator.h"

#include <gtest/gtest.h>

namespace halvane::settings {
namespace {

TEST(PlayModeEntry, ReadsAndValidates) {
  struct Case {
    PlistValue value;  // None: the entry is missing
    PlayMode plays;
    int problems;  // validator findings at the entry
  };
  const std::vector<Case> cases = {
      {PlistValue(), PlayMode::Once, 0},
      {PlistValue(QStringLiteral("Once")), PlayMode::Once, 0},
      {PlistValue(QStringLiteral("WhileHeld")), PlayMode::WhileHeld, 0},
      {PlistValue(QStringLiteral("Toggle")), PlayMode::Toggle, 0},
      {PlistValue(QStringLiteral("toggle")), PlayMode::Once, 1},  // words are exact
      {PlistValue(QStringLiteral("Repeat")), PlayMode::Once, 1},
      {PlistValue(qint64(1)), PlayMode::Once, 1},
  };
  for (const Case& c : cases) {
    PlistValue key = PlistValue::dictionary();
    key.set(QStringLiteral("ActionType"), QString());
    if (!c.value.isNone()) key.set(kPlayModeKey, c.value);
    PlistValue keys = PlistValue::array();
    for (int i = 0; i < kMacroKeyCount; ++i) keys.append(i == 0 ? key : key.deepCopy());
    PlistValue profile = PlistValue::dictionary();
    profile.set(QStringLiteral("MacroKeys"), keys);
    EXPECT_EQ(playModeOf(key), c.plays) << c.value.toString().toStdString();
    int atEntry = 0;
    for (const SettingsProblem& p : SettingsValidator::validateProfile(profile))
      if (p.path == QStringLiteral("Profile.MacroKeys[0].PlayMode")) {
        ++atEntry;
        EXPECT_TRUE(p.isError()) << p.text().toStdString();
      }
    EXPECT_EQ(atEntry, c.problems) << c.value.toString().toStdString();
  }
}

TEST(CancelSetting, MissingIsOnAndOnlyBooleansPass) {
  struct Case {
    PlistValue value;
    bool cancels;
    bool problem;
  };
  const std::vector<Case> cases = {
      {PlistValue(), true, false},
      {PlistValue(true), true, false},
      {PlistValue(false), false, false},
      {PlistValue(qint64(0)), false, false},
      {PlistValue(QStringLiteral("no")), false, true},
  };
  for (const Case& c : cases) {
    PlistValue root = PlistValue::dictionary();
    if (!c.value.isNone()) root.set(kCancelMacroWithEscapeKey, c.value);
    EXPECT_EQ(cancelMacroWithEscape(root), c.cancels);
    bool found = false;
    for (const SettingsProblem& p : SettingsValidator::validateSettings(root))
      found = found || p.path == kCancelMacroWithEscapeKey;
    EXPECT_EQ(found, c.problem);
  }
}

}  // namespace
}  // namespace halvane::settings
