// The settings library's messages under a German catalogue: what they say is translated, while
// settings keys, stored values, paths and the fixed log lines stay as they are.
#include "shared/plist/PlistFile.h"
#include "shared/settings/ProfileTransfer.h"
#include "shared/settings/SettingsStore.h"
#include "shared/settings/SettingsValidator.h"
#include "tests/shared/i18n/GermanDesktop.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace halvane::settings {
namespace {

using test::GermanDesktop;

// The problems of a root holding n profiles that are all strings, and one stray key.
QStringList rootProblems(int n) {
  PlistValue root = PlistValue::dictionary();
  PlistValue profiles = PlistValue::array();
  for (int i = 0; i < n; ++i) profiles.append(QStringLiteral("Profil"));
  root.set(QStringLiteral("Profiles"), profiles);
  root.set(QStringLiteral("CurrentProfile"), 0);
  root.set(QStringLiteral("ShowChangesOnScreen"), true);
  QStringList texts;
  for (const SettingsProblem& p : SettingsValidator::validateSettings(root)) texts << p.text();
  return texts;
}

TEST(SettingsTexts, ValidatorMessagesAreTranslatedAroundKeysAndValues) {
  const QStringList english = rootProblems(1);
  ASSERT_EQ(english,
            QStringList({QStringLiteral("Profiles: 1 profile, expected 10"),
                         QStringLiteral("Profiles[0]: is a string, expected a dictionary"),
                         QStringLiteral("AutoSwitchingOverride: missing (reads as false)")}));

  PlistValue profile =
      read(QStringLiteral(HALVANE_SOURCE_DIR "/shared/defaults.plist"))[QStringLiteral("Profiles")]
          .at(0)
          .deepCopy();
  profile.set(QStringLiteral("MediaPlayer"), QStringLiteral("Winamp"));
  {
    GermanDesktop desktop;
    EXPECT_EQ(rootProblems(1),
              QStringList({QStringLiteral("Profiles: 1 Profil, erwartet 10"),
                           QStringLiteral("Profiles[0]: ist ein Text, erwartet ein Wörterbuch"),
                           QStringLiteral("AutoSwitchingOverride: fehlt (gilt als false)")}));
    // The count takes the language's plural form.
    EXPECT_EQ(rootProblems(3).first(), QStringLiteral("Profiles: 3 Profile, erwartet 10"));
    // The choices are stored values: quoted as the file holds them, joined in German.
    const SettingsProblems problems = SettingsValidator::validateProfile(profile);
    ASSERT_EQ(problems.size(), 1);
    EXPECT_EQ(problems.first().text(),
              QStringLiteral("Profile.MediaPlayer: \"Winamp\" ist keiner der Werte \"iTunes\", "
                             "\"QuickTime Player\", \"VLC\" oder \"RealPlayer\""));
    // A macro step's checks, in their own file, speak from the same catalogue.
    PlistValue combo = profile[QStringLiteral("MacroKeys")].at(0)[QStringLiteral("KeyCombo")];
    combo.set(QStringLiteral("stepKind0"), QStringLiteral("Text"));
    combo.set(QStringLiteral("text0"), QString());
    profile.set(QStringLiteral("MediaPlayer"), QStringLiteral("VLC"));
    const SettingsProblems stepProblems = SettingsValidator::validateProfile(profile);
    ASSERT_EQ(stepProblems.size(), 1);
    EXPECT_EQ(stepProblems.first().text().toStdString(),
              "Profile.MacroKeys[0].KeyCombo.text0: leer (der Schritt tippt nichts)");
  }
  EXPECT_EQ(rootProblems(1), english);
}

TEST(SettingsTexts, StoreAndFileReasonsAreTranslatedButFixedLogLinesAreNot) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("settings.plist"));
  const QString empty = dir.filePath(QStringLiteral("empty.plist"));
  ASSERT_TRUE(QFile(empty).open(QIODevice::WriteOnly));
  GermanDesktop desktop;

  QStringList log;
  const PlistValue tree = loadOrCreate(
      Reader::Helper, QString(), [&log](const QString& line) { log << line; }, path);
  EXPECT_TRUE(tree.isNone());
  EXPECT_EQ(log, QStringList({QStringLiteral("No Prefs File!"),
                              QStringLiteral("%1 konnte nicht angelegt werden: das Programmpaket "
                                             "enthält keine Voreinstellungen")
                                  .arg(displayPath(path))}));

  EXPECT_EQ(readPlist(empty).error, QStringLiteral("die Datei ist leer"));
  EXPECT_EQ(importProfile(11, empty, QString(), path).message,
            QStringLiteral("Profilnummern gehen von 1 bis 10"));
}

}  // namespace
}  // namespace halvane::settings
