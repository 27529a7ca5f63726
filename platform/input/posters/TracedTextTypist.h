#pragma once

#include "platform/input/posters/TextTypist.h"
#include "platform/system/trace/Trace.h"

namespace halvane {

// Writes {"op":"beginText"}, {"op":"typeCharacter","character":"é"} for each character asked
// for (typed or not) and {"op":"endText"}; the keys a typist presses for a character follow its
// line as keyboardEvent lines where the typist posts them through the traced key poster.
class TracedTextTypist : public TextTypist {
 public:
  TracedTextTypist(TextTypist& inner, Trace& trace) : inner_(inner), trace_(trace) {}
  QString untypableCharacters(const QString& text) override {
    return inner_.untypableCharacters(text);
  }
  void beginText() override {
    trace_.write(TraceEvent("beginText"));
    inner_.beginText();
  }
  bool typeCharacter(char32_t character) override {
    // Made only when written: these lie on a text's road, a character at a time.
    if (trace_.enabled())
      trace_.write(TraceEvent("typeCharacter").add("character", QString::fromUcs4(&character, 1)));
    return inner_.typeCharacter(character);
  }
  double characterGap() const override { return inner_.characterGap(); }
  void endText() override {
    trace_.write(TraceEvent("endText"));
    inner_.endText();
  }

 private:
  TextTypist& inner_;
  Trace& trace_;
};

}  // namespace halvane
