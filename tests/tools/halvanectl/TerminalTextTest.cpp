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

}  // namespace
}  // namespace halvane::ctl
