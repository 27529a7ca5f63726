#pragma once

#include "platform/input/posters/TextTypist.h"

#include <QString>

#include <vector>

namespace halvane {

// Records every call in order as a short line: "begin", "type é", "end". Characters listed in
// untypable are refused (and recorded all the same); gap is what characterGap() answers.
class FakeTextTypist : public TextTypist {
 public:
  QString untypableCharacters(const QString& text) override {
    QString found;
    for (const char32_t c : text.toUcs4()) {
      const QString one = QString::fromUcs4(&c, 1);
      if (untypable.contains(one) && !found.contains(one)) found += one;
    }
    return found;
  }
  void beginText() override { calls.push_back(QStringLiteral("begin")); }
  bool typeCharacter(char32_t character) override {
    const QString one = QString::fromUcs4(&character, 1);
    calls.push_back(QStringLiteral("type ") + one);
    return !untypable.contains(one);
  }
  double characterGap() const override { return gap; }
  void endText() override { calls.push_back(QStringLiteral("end")); }

  std::vector<QString> calls;
  QString untypable;
  double gap = 0;
};

}  // namespace halvane
