// Reading .desktop files, as the workspace and the application index both do: values, localised
// names and the Exec line as a program and arguments.
#include "platform/desktop/appidentity/DesktopEntry.h"

#include <gtest/gtest.h>

namespace halvane::test {
namespace {

DesktopEntry entry(const QByteArray& body) {
  std::optional<DesktopEntry> parsed = DesktopEntry::parse("[Desktop Entry]\n" + body);
  EXPECT_TRUE(parsed);
  return parsed.value_or(*DesktopEntry::parse("[Desktop Entry]\n"));
}

TEST(DesktopEntry, ExecLinesBecomeProgramAndArguments) {
  const struct {
    const char* lines;  // the file's lines after the group header
    std::optional<QStringList> expected;
  } cases[] = {
      {"Exec=gedit %U", QStringList{"gedit"}},
      {"Exec=gedit %f --new-window", QStringList{"gedit", "--new-window"}},
      {"Exec=app --file=%u --x", QStringList{"app", "--file=", "--x"}},
      {"Exec=app %F %d %D %n %N %v %m", QStringList{"app"}},
      {"Exec=\"/opt/My App/run\" %U", QStringList{"/opt/My App/run"}},
      {"Exec=sh -c \"echo \\\\\"a b\\\\\" \\\\$HOME \\\\\\\\\"",
       QStringList{"sh", "-c", "echo \"a b\" $HOME \\"}},
      {"Exec=app \"\" x", QStringList{"app", "", "x"}},
      {"Exec=env A=1 B=\"two words\" prog", QStringList{"env", "A=1", "B=two words", "prog"}},
      {"Exec=app  \t two   spaces", QStringList{"app", "two", "spaces"}},
      {"Exec=app 100%%", QStringList{"app", "100%"}},
      {"Exec=app \"50%%\"", QStringList{"app", "50%"}},
      {"Exec=app %i\nIcon=accessories-text-editor",
       QStringList{"app", "--icon", "accessories-text-editor"}},
      {"Exec=app %i", QStringList{"app"}},
      {"Exec=app --x=%i\nIcon=ic", QStringList{"app", "--x="}},
      {"Exec=app %c\nName=Text Editor", QStringList{"app", "Text Editor"}},
      {"Exec=app %k", QStringList{"app", "/apps/app.desktop"}},
      {"Exec=app\\sx", QStringList{"app", "x"}},
      {"Exec=app \"unterminated", std::nullopt},
      {"Exec=%f", std::nullopt},
      {"Exec=", std::nullopt},
      {"Name=No Exec", std::nullopt},
  };
  for (const auto& c : cases)
    EXPECT_EQ(entry(c.lines).execArguments(QStringLiteral("/apps/app.desktop")), c.expected)
        << c.lines;
}

TEST(DesktopEntry, OnlyTheDesktopEntryGroupCountsAndItsFirstValueWins) {
  const std::optional<DesktopEntry> parsed = DesktopEntry::parse(
      "# a comment\n[Desktop Action new-window]\nExec=wrong\nName=Wrong\n"
      "[Desktop Entry]\nName = Editor \nExec=right\nExec=later\nGenericName=Text\\sEditor\\\\x\n"
      "[Other]\nName=Also wrong\n");
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->value(QStringLiteral("Name")), QStringLiteral("Editor"));
  EXPECT_EQ(parsed->execArguments({}), QStringList{QStringLiteral("right")});
  EXPECT_EQ(parsed->value(QStringLiteral("GenericName")), QStringLiteral("Text Editor\\x"));
  EXPECT_EQ(parsed->value(QStringLiteral("Missing")), QString());
  EXPECT_FALSE(DesktopEntry::parse("[Desktop Action x]\nExec=a\n"));
  EXPECT_FALSE(DesktopEntry::read(QStringLiteral("/nonexistent/app.desktop")));
}

TEST(DesktopEntry, NamesAreLocalisedByLanguageAndCountry) {
  const DesktopEntry e = entry("Name=Editor\nName[de]=Texteditor\nName[pt_BR]=Editor de texto\n");
  EXPECT_EQ(e.localizedValue(QStringLiteral("Name"), QLocale(QStringLiteral("de_AT"))),
            QStringLiteral("Texteditor"));
  EXPECT_EQ(e.localizedValue(QStringLiteral("Name"), QLocale(QStringLiteral("pt_BR"))),
            QStringLiteral("Editor de texto"));
  EXPECT_EQ(e.localizedValue(QStringLiteral("Name"), QLocale(QStringLiteral("pt_PT"))),
            QStringLiteral("Editor"));
  EXPECT_EQ(e.localizedValue(QStringLiteral("Name"), QLocale(QStringLiteral("fr_FR"))),
            QStringLiteral("Editor"));
}

}  // namespace
}  // namespace halvane::test
