#pragma once

#include "platform/input/posters/TextTypist.h"

namespace halvane {

// The typist of the trace-only key backend: types nothing and takes every character, so the
// trace decorator around it shows each character a text step would have typed.
class TraceOnlyTextTypist : public TextTypist {
 public:
  QString untypableCharacters(const QString&) override { return {}; }
  void beginText() override {}
  bool typeCharacter(char32_t) override { return true; }
  double characterGap() const override { return 0; }
  void endText() override {}
};

}  // namespace halvane
