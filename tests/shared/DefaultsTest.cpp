#include "shared/settings/SettingsStore.h"

#include <QFileInfo>

#include <gtest/gtest.h>

using halvane::PlistValue;

// Readable parameter names in test output.
inline void PrintTo(const QString& s, std::ostream* os) {
  *os << s.toStdString();
}

namespace {

// The shipped defaults are the system's notion of a fresh install; every reader relies on
// their complete shape.
class Defaults : public ::testing::TestWithParam<QString> {};

TEST_P(Defaults, AreACompleteTreeWithTheResetValues) {
  const PlistValue root = halvane::settings::read(GetParam());
  ASSERT_TRUE(root.isDictionary()) << GetParam().toStdString();
  EXPECT_EQ(root["CurrentProfile"].type(), PlistValue::Type::Integer);
  EXPECT_EQ(root["CurrentProfile"].intValue(), 0);
  EXPECT_TRUE(root["ShowChangesOnScreen"].toBool());
  EXPECT_EQ(root["AutoSwitchingOverride"], PlistValue(false));

  const PlistValue profiles = root["Profiles"];
  ASSERT_EQ(profiles.count(), 10);
  for (int p = 0; p < 10; ++p) {
    const PlistValue profile = profiles.at(p);
    EXPECT_EQ(profile["Name"].toString(), QStringLiteral("Profile %1").arg(p + 1));
    EXPECT_EQ(profile["AutoSwitching"], PlistValue(true));
    EXPECT_EQ(profile["SwapCmdAlt"], PlistValue(true));
    EXPECT_EQ(profile["MediaPlayer"].toString(), "iTunes");
    EXPECT_EQ(profile["ImagingOptions"].toString(), "Preview");
    EXPECT_EQ(profile["ApplicationPath"], PlistValue(""));
    EXPECT_EQ(profile["AssignedApplication"], PlistValue(""));
    const PlistValue keys = profile["MacroKeys"];
    ASSERT_EQ(keys.count(), 10);
    for (int k = 0; k < 10; ++k) {
      const PlistValue key = keys.at(k);
      EXPECT_EQ(key["ActionType"], PlistValue(""));
      EXPECT_EQ(key["LaunchAppURL"], PlistValue(""));
      EXPECT_EQ(key["LaunchAppAlias"], PlistValue(QByteArray()));
      EXPECT_EQ(key["SelectProfile"], PlistValue(0));
      const PlistValue combo = key["KeyCombo"];
      EXPECT_EQ(combo["description"], PlistValue(""));
      for (int s = 0; s < 8; ++s) {
        // Every step must be present: a missing keyCode reads as 0, a real key.
        EXPECT_EQ(combo[QStringLiteral("keyCode%1").arg(s)], PlistValue(-1));
        EXPECT_EQ(combo[QStringLiteral("modifiers%1").arg(s)], PlistValue(-1));
        EXPECT_EQ(combo[QStringLiteral("delay%1").arg(s)], PlistValue(0));
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    BothBundles, Defaults,
    ::testing::Values(
        QStringLiteral(HALVANE_SOURCE_DIR "/shared/defaults.plist"),
        QStringLiteral(HALVANE_BUNDLE_DIR "/HalvaneHelper.app/Contents/Resources/defaults.plist"),
        QStringLiteral(HALVANE_BUNDLE_DIR
                       "/HalvanePrefPanel.prefPane/Contents/Resources/defaults.plist")),
    [](const ::testing::TestParamInfo<QString>& info) {
      return std::string(info.index == 0   ? "Source"
                         : info.index == 1 ? "HelperBundle"
                                           : "PaneBundle");
    });

}  // namespace
