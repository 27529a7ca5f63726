#include "tools/halvanectl/TerminalText.h"

namespace halvane::ctl {

namespace {

bool isDirectionControl(char32_t c) {
  return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0x200E ||
         c == 0x200F || c == 0x061C;
}

}  // namespace

QString terminalSafe(const QString& text) {
  QString safe;
  safe.reserve(text.size());
  for (const char32_t c : text.toUcs4()) {
    switch (c) {
      case U'\n':
        safe += QStringLiteral("\\n");
        continue;
      case U'\t':
        safe += QStringLiteral("\\t");
        continue;
      case U'\r':
        safe += QStringLiteral("\\r");
        continue;
      case 0x1B:
        safe += QStringLiteral("\\e");
        continue;
      default:
        break;
    }
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F))
      safe += QStringLiteral("\\x%1").arg(uint(c), 2, 16, QLatin1Char('0'));
    else if (isDirectionControl(c))
      safe += QStringLiteral("\\u{%1}").arg(uint(c), 4, 16, QLatin1Char('0'));
    else
      safe += QString::fromUcs4(&c, 1);
  }
  return safe;
}

}  // namespace halvane::ctl
