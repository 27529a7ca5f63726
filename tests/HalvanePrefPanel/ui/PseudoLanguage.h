#pragma once

#include <QSet>
#include <QTranslator>

namespace halvane::test {

// A language that does to a layout what German, Russian and Chinese do: every source text comes
// back 40 % longer, in accented and wide letters, with its placeholders (%1, %n), accelerators
// (&) and markup (<...>, &amp;) kept as they were.
class PseudoLanguage : public QTranslator {
 public:
  static QString lengthened(const QString& source);

  bool isEmpty() const override { return false; }
  QString translate(const char* context, const char* sourceText, const char* disambiguation,
                    int n) const override;
};

}  // namespace halvane::test
