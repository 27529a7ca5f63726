#include "shared/settings/SettingsStore.h"
#include "tests/shared/i18n/GermanDesktop.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using halvane::PlistValue;
using halvane::test::GermanDesktop;
namespace settings = halvane::settings;

QStringList profileNames(const PlistValue& tree) {
  QStringList names;
  const PlistValue profiles = tree[QStringLiteral("Profiles")];
  for (int n = 0; n < profiles.count(); ++n)
    names << profiles.at(n)[QStringLiteral("Name")].toString();
  return names;
}

QStringList numbered(const QString& word) {
  QStringList names;
  for (int n = 1; n <= 10; ++n) names << QStringLiteral("%1 %2").arg(word).arg(n);
  return names;
}

const QString kDefaults = QStringLiteral(HALVANE_SOURCE_DIR "/shared/defaults.plist");

// A new file names its profiles in the language of its creation; the names are then stored text.
TEST(DefaultProfileNames, FollowTheDesktopWhenTheFileIsCreatedAndStayAsStored) {
  QTemporaryDir dir;
  const QString german = dir.filePath(QStringLiteral("german.plist"));
  const QString english = dir.filePath(QStringLiteral("english.plist"));
  const settings::Report quiet = [](const QString&) {};

  EXPECT_EQ(
      profileNames(settings::loadOrCreate(settings::Reader::Helper, kDefaults, quiet, english)),
      numbered(QStringLiteral("Profile")));
  {
    GermanDesktop desktop;
    EXPECT_EQ(settings::defaultProfileName(2), QStringLiteral("Profil 3"));
    EXPECT_EQ(
        profileNames(settings::loadOrCreate(settings::Reader::Pane, kDefaults, quiet, german)),
        numbered(QStringLiteral("Profil")));
    // A file created in English keeps its names under a German desktop.
    EXPECT_EQ(profileNames(settings::read(english)), numbered(QStringLiteral("Profile")));
  }
  EXPECT_EQ(profileNames(settings::read(german)), numbered(QStringLiteral("Profil")));
  EXPECT_EQ(settings::defaultProfileName(2), QStringLiteral("Profile 3"));
}

}  // namespace
