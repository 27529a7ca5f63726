#pragma once

#include <QString>

#include <functional>

namespace halvane {

// Types text into the desktop: each character with the key and modifiers that produce it in the
// user's current layout, and where the backend can, a character the layout lacks through a key
// mapped to it for the moment. Every character is pressed and released within one call, so no
// key stays down between calls; a macro that stops between two characters calls endText().
class TextTypist {
 public:
  virtual ~TextTypist() = default;
  // The characters of text this desktop cannot type, each once, in the order they first appear;
  // empty when it can type all of it.
  virtual QString untypableCharacters(const QString& text) = 0;
  // Before the first character of a text: lets go of the modifiers the user holds, so that they
  // do not change what is typed (endText presses them again).
  virtual void beginText() = 0;
  // Types one character (a Unicode code point); false when this desktop cannot type it, and then
  // nothing was posted.
  virtual bool typeCharacter(char32_t character) = 0;
  // Seconds to leave between two characters so that the receiving applications keep up; 0 when
  // the desktop needs no pause.
  virtual double characterGap() const = 0;
  // After the last character, or when the macro stops half-way: puts back what typing changed (a
  // key code mapped for the moment, the keyboard's keymap, the modifiers the user still holds).
  // Nothing happens when no text is being typed.
  virtual void endText() = 0;
};

// The characters of text that typable refuses, each once, in the order they first appear: what
// untypableCharacters() answers.
QString charactersNotTyped(const QString& text, const std::function<bool(char32_t)>& typable);

}  // namespace halvane
