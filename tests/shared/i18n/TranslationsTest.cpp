#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace {

// Where the probe finds catalogues: a German test catalogue with one text, or the real ones
// the build compiles (their right-to-left entry is filled while their texts may still be empty).
enum class Folder { Test, Shipped };

struct Case {
  const char* name;
  std::vector<std::pair<const char*, const char*>> environment;
  Folder folder;
  const char* language;
  const char* ourText;
  const char* qtText;
  const char* direction;
};

void PrintTo(const Case& c, std::ostream* os) {
  *os << c.name;
}

class LoaderChoosesFromTheLocale : public ::testing::TestWithParam<Case> {};

// What the probe prints under the locale variables given (the others removed).
QStringList probeLines(const std::vector<std::pair<const char*, const char*>>& variables,
                       Folder folder) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) environment.remove(name);
  for (const auto& [name, value] : variables) environment.insert(name, value);
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

  QProcess probe;
  probe.setProcessEnvironment(environment);
  probe.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  probe.start(QStringLiteral(HALVANE_TRANSLATIONS_PROBE),
              {folder == Folder::Test ? QStringLiteral(HALVANE_TEST_CATALOGUES)
                                      : QStringLiteral(HALVANE_SHIPPED_CATALOGUES)});
  if (!probe.waitForFinished(30000) || probe.exitCode() != 0) return {};
  return QString::fromUtf8(probe.readAllStandardOutput()).split(u'\n');
}

TEST_P(LoaderChoosesFromTheLocale, AsTheDesktopSpeaks) {
  const Case& c = GetParam();
  const QStringList lines = probeLines(c.environment, c.folder);
  ASSERT_GE(lines.size(), 6) << lines.join(u'|').toStdString();
  EXPECT_EQ(lines[0], QLatin1String(c.language));
  EXPECT_EQ(lines[1], QLatin1String(c.language)) << "a second call keeps the first choice";
  EXPECT_EQ(lines[2], QString::fromUtf8(c.ourText));
  EXPECT_EQ(lines[3], QString::fromUtf8(c.qtText));
  EXPECT_EQ(lines[4], QLatin1String(c.direction));
}

INSTANTIATE_TEST_SUITE_P(
    Locales, LoaderChoosesFromTheLocale,
    ::testing::Values(
        Case{"Lang", {{"LANG", "de_DE.UTF-8"}}, Folder::Test, "de", "Tastatur", "Abbrechen", "ltr"},
        Case{"Language",
             {{"LANG", "C.UTF-8"}, {"LANGUAGE", "de"}},
             Folder::Test,
             "de",
             "Tastatur",
             "Abbrechen",
             "ltr"},
        Case{"LcAllOverLang",
             {{"LANG", "fr_FR.UTF-8"}, {"LC_ALL", "de_DE.UTF-8"}},
             Folder::Test,
             "de",
             "Tastatur",
             "Abbrechen",
             "ltr"},
        Case{"LcMessagesOverLang",
             {{"LANG", "fr_FR.UTF-8"}, {"LC_MESSAGES", "de_AT.UTF-8"}},
             Folder::Test,
             "de",
             "Tastatur",
             "Abbrechen",
             "ltr"},
        Case{"UnknownSkippedInLanguage",
             {{"LANG", "C.UTF-8"}, {"LANGUAGE", "xx_YY:de"}},
             Folder::Test,
             "de",
             "Tastatur",
             "Abbrechen",
             "ltr"},
        Case{"EnglishFirstStaysEnglish",
             {{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "en_GB:de"}},
             Folder::Test,
             "en",
             "Keyboard",
             "Cancel",
             "ltr"},
        Case{"UnknownFallsBackToEnglish",
             {{"LANG", "xx_YY.UTF-8"}},
             Folder::Test,
             "en",
             "Keyboard",
             "Cancel",
             "ltr"},
        Case{"NoCatalogueNoQtTexts",
             {{"LANG", "fr_FR.UTF-8"}},
             Folder::Test,
             "en",
             "Keyboard",
             "Cancel",
             "ltr"},
        Case{"ArabicRightToLeft",
             {{"LANG", "ar_EG.UTF-8"}},
             Folder::Shipped,
             "ar",
             "Keyboard",
             "ألغِ",
             "rtl"},
        Case{"BrazilianPortuguese",
             {{"LANG", "pt_BR.UTF-8"}},
             Folder::Shipped,
             "pt_BR",
             "Keyboard",
             "Cancelar",
             "ltr"},
        Case{"SimplifiedChinese",
             {{"LANG", "zh_CN.UTF-8"}},
             Folder::Shipped,
             "zh_CN",
             "Keyboard",
             "取消",
             "ltr"}));

// The sources give a counted text in one form; English's catalogue adds the singular, also
// when English is a fallback.
TEST(LoaderChoosesFromTheLocale, EnglishCountsHaveTheirSingular) {
  for (const char* lang : {"en_US.UTF-8", "xx_YY.UTF-8", "C.UTF-8"}) {
    const QStringList lines = probeLines({{"LANG", lang}}, Folder::Shipped);
    ASSERT_GE(lines.size(), 6) << lang;
    EXPECT_EQ(lines[5], QStringLiteral("1 profile, expected 10")) << lang;
  }
  const QStringList german = probeLines({{"LANG", "de_DE.UTF-8"}}, Folder::Shipped);
  ASSERT_GE(german.size(), 6);
  EXPECT_EQ(german[0], QStringLiteral("de"));
  EXPECT_EQ(german[5], QStringLiteral("1 Profil, erwartet: 10"));
}

}  // namespace
