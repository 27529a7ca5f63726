#pragma once

#include "platform/input/keyboardlayout/KeyboardLayoutServices.h"
#include "platform/input/posters/KeyboardEventPoster.h"
#include "platform/input/posters/TextTypist.h"

#include <memory>

namespace halvane {

struct CharacterKey;
class XkbCharacterKeys;

// Types the characters of the current layout with the keys that produce them: modifiers down,
// the key down and up, modifiers up, posted as Mac virtual key codes through `keys` (so the
// trace shows them and a stop releases them). Backends add what their desktop allows beyond
// that: keys without a Mac key code, characters the layout lacks, the user's modifiers.
class KeymapTextTypist : public TextTypist {
 public:
  // layouts: where the current layout comes from (its layouts must be xkbcommon ones).
  KeymapTextTypist(KeyboardEventPoster& keys, std::unique_ptr<KeyboardLayoutServices> layouts);
  ~KeymapTextTypist() override;

  QString untypableCharacters(const QString& text) override;
  void beginText() override;
  bool typeCharacter(char32_t character) override;
  double characterGap() const override { return 0; }
  void endText() override;

 protected:
  // The layout keys are read with now: the one taken at beginText while a text is typed.
  const XkbCharacterKeys* layoutKeys();
  bool typing() const { return typing_; }

  // Whether the backend takes evdev keys without a Mac key code, and posting one to it.
  virtual bool postsKeysDirectly() const { return false; }
  virtual bool postKeyDirectly(int evdevKey, bool down);
  // Whether a character the layout lacks can be typed, and typing it (pressed and released).
  virtual bool typesOutsideLayout(char32_t character) const;
  virtual bool typeOutsideLayout(char32_t character);
  // At the start of a text, and at its end: the modifiers the user holds, and what typing
  // outside the layout changed.
  virtual void releaseUserModifiers() {}
  virtual void putBack() {}

 private:
  bool canPost(const CharacterKey& key);
  bool post(int evdevKey, bool down);
  bool pressAndRelease(const CharacterKey& key);

  KeyboardEventPoster& keys_;
  std::unique_ptr<KeyboardLayoutServices> layouts_;
  std::shared_ptr<const KeyboardLayout> layout_;
  std::unique_ptr<XkbCharacterKeys> layoutKeys_;
  bool typing_ = false;
};

}  // namespace halvane
