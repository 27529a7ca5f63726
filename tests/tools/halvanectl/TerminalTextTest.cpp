// What halvanectl prints of a name from a file: anything that could drive a terminal or forge a
// line is shown as text; everything a person would type stays as it is.
#include "tools/halvanectl/TerminalText.h"

#include <gtest/gtest.h>

namespace halvane::ctl {
namespace {

TEST(TerminalText, ControlsAreShownEscapedAndTextStaysAsItIs) {
  const struct {
    QString in;
    QString out;
  } cases[] = {
      {QStringLiteral("Games"), QStringLiteral("Games")},
      {QStringLiteral("Grüße, naïve € 日本語 C:\\Wine"),
       QStringLiteral("Grüße, naïve € 日本語 C:\\Wine")},
      {QStringLiteral("\x1b]0;title\x07"), QStringLiteral("\\e]0;title\\x07")},    // window title
      {QStringLiteral("\x1b[31mred\x1b[0m"), QStringLiteral("\\e[31mred\\e[0m")},  // colours
      {QStringLiteral("a\nerror: forged"), QStringLiteral("a\\nerror: forged")},   // a forged line
      {QStringLiteral("a\rb\tc"), QStringLiteral("a\\rb\\tc")},
      {QString(QChar(0)) + QStringLiteral("\x7f"), QStringLiteral("\\x00\\x7f")},
      {QString(QChar(0x9B)) + QStringLiteral("2J"), QStringLiteral("\\x9b2J")},  // C1 CSI
      {QString(QChar(0x202E)) + QStringLiteral("gpj.exe"), QStringLiteral("\\u{202e}gpj.exe")},
      {QString(QChar(0x2066)), QStringLiteral("\\u{2066}")},
  };
  for (const auto& c : cases)
    EXPECT_EQ(terminalSafe(c.in).toStdString(), c.out.toStdString()) << c.in.toStdString();
}

// Translated labels line up in a terminal only when measured as the terminal draws them.
TEST(TerminalText, WidthCountsTerminalColumns) {
  const struct {
    QString text;
    int columns;
  } cases[] = {
      {QString(), 0},
      {QStringLiteral("Backend:"), 8},
      {QStringLiteral("Anwendung:"), 10},
      {QStringLiteral("Приложение:"), 11},   // Cyrillic, one column each
      {QStringLiteral("التطبيق:"), 8},       // Arabic, as stored
      {QStringLiteral("应用程序："), 10},    // ideographs and a fullwidth colon
      {QStringLiteral("アプリ"), 6},         // katakana
      {QStringLiteral("애플리케이션"), 12},  // Hangul syllables
      {QStringLiteral("각"), 2},         // a syllable from conjoining jamo
      {QStringLiteral("é"), 1},              // e and a combining accent
      {QStringLiteral("a​b‍c"), 3},      // zero-width space and joiner
      {QStringLiteral("✔ ✘"), 3},            // doctor's marks are narrow
      {QStringLiteral("🎹"), 2},              // an emoji outside the BMP
      {QStringLiteral("𠮟"), 2},             // an ideograph outside the BMP
      {QStringLiteral("｡"), 1},              // halfwidth katakana punctuation
  };
  for (const auto& c : cases) EXPECT_EQ(displayWidth(c.text), c.columns) << c.text.toStdString();

  EXPECT_EQ(padded(QStringLiteral("应用："), 8), QStringLiteral("应用：  "));
  EXPECT_EQ(padded(QStringLiteral("Window:"), 8), QStringLiteral("Window: "));
  EXPECT_EQ(padded(QStringLiteral("Programm:"), 4), QStringLiteral("Programm:"));
}

}  // namespace
}  // namespace halvane::ctl
