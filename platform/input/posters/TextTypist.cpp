#include "platform/input/posters/TextTypist.h"

#include <QSet>

namespace halvane {

QString charactersNotTyped(const QString& text, const std::function<bool(char32_t)>& typable) {
  QString refused;
  QSet<char32_t> seen;
  for (const char32_t c : text.toUcs4()) {
    if (seen.contains(c)) continue;
    seen.insert(c);
    if (!typable(c)) refused += QString::fromUcs4(&c, 1);
  }
  return refused;
}

}  // namespace halvane
