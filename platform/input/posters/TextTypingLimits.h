#pragma once

#include "platform/desktop/probe/SessionProbe.h"

#include <QString>

#include <memory>

namespace halvane {

// What this desktop can type of a text, asked where no typist exists (the preferences, while the
// user enters a text step): the same answer the helper's typist would give in this session.
class TextTypingLimits {
 public:
  virtual ~TextTypingLimits() = default;
  // The characters of text this desktop cannot type, each once, in the order they first appear;
  // empty when it can type all of it.
  virtual QString untypableCharacters(const QString& text) = 0;
};

// The limits of the session `probe` describes.
std::unique_ptr<TextTypingLimits> createTextTypingLimits(const SessionProbe& probe);

}  // namespace halvane
