#include "tests/HalvanePrefPanel/ui/PseudoLanguage.h"

#include <cmath>

namespace halvane::test {
namespace {

// Each ASCII letter as an accented one of about its width or wider.
const QString kFrom = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
const QString kTo = QStringLiteral("äƀçđêƒĝĥîĵķľɱñöþǫŕšţûṽŵẋýžÄƁÇĐÊƑĜĤÎĴĶĽṀÑÖÞǪŔŠŢÛṼŴẊÝŽ");

}  // namespace

QString PseudoLanguage::lengthened(const QString& source) {
  QString text;
  int letters = 0;
  for (qsizetype i = 0; i < source.size(); ++i) {
    const QChar c = source.at(i);
    if (c == u'<') {  // markup stays
      const qsizetype end = source.indexOf(u'>', i);
      if (end > i) {
        text += source.mid(i, end - i + 1);
        i = end;
        continue;
      }
    }
    if (c == u'%' && i + 1 < source.size()) {  // %1, %n, %L1
      qsizetype end = i + 1;
      if (source.at(end) == u'L') ++end;
      while (end < source.size() && (source.at(end).isDigit() || source.at(end) == u'n')) ++end;
      text += source.mid(i, end - i);
      i = end - 1;
      continue;
    }
    if (c == u'&' && i + 1 < source.size()) {  // the accelerator's letter, or an entity, stays
      const qsizetype semicolon = source.indexOf(u';', i);
      const qsizetype end = semicolon > i && semicolon - i <= 6 ? semicolon : i + 1;
      text += source.mid(i, end - i + 1);
      i = end;
      ++letters;
      continue;
    }
    const qsizetype at = kFrom.indexOf(c);
    text += at >= 0 ? kTo.at(at) : c;
    if (c.isLetterOrNumber()) ++letters;
  }
  if (letters == 0) return source;  // "–", "?": nothing a translation would lengthen
  // Long words, as German has: the padding joins the last word.
  const int extra = int(std::ceil(source.size() * 0.4));
  QString padding;
  for (int n = 0; n < extra; ++n) padding += n % 2 ? u'Ẅ' : u'Ŵ';
  const qsizetype end = text.endsWith(u'…') || text.endsWith(u':') ? text.size() - 1 : text.size();
  return text.left(end) + padding + text.mid(end);
}

QString PseudoLanguage::translate(const char*, const char* sourceText, const char*, int) const {
  return sourceText ? lengthened(QString::fromUtf8(sourceText)) : QString();
}

}  // namespace halvane::test
