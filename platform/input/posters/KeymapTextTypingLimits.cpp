#include "platform/input/keyboardlayout/XkbCharacterKeys.h"
#include "platform/input/keyboardlayout/XkbKeyboardLayoutServices.h"
#include "platform/input/posters/KeyEventBackendChoice.h"
#include "platform/input/posters/TextTypingLimits.h"
#include "platform/input/posters/TraceOnlyKeyboardEventPoster.h"
#include "platform/input/posters/UinputTextTypist.h"

#include <xkbcommon/xkbcommon.h>

namespace halvane {
namespace {

// Where the helper's keys go through uinput: the typist's own answer, from a typist that never
// types.
class LayoutOnlyLimits : public TextTypingLimits {
 public:
  explicit LayoutOnlyLimits(const SessionProbe& probe)
      : typist_(nowhere_, XkbKeyboardLayoutServices::forSystem(probe)) {}
  QString untypableCharacters(const QString& text) override {
    return typist_.untypableCharacters(text);
  }

 private:
  TraceOnlyKeyboardEventPoster nowhere_;
  UinputTextTypist typist_;
};

// XTest and the virtual keyboard type every character that has a keysym; the trace takes every
// character.
class AnyCharacterLimits : public TextTypingLimits {
 public:
  explicit AnyCharacterLimits(bool needsKeysym) : needsKeysym_(needsKeysym) {}
  QString untypableCharacters(const QString& text) override {
    if (!needsKeysym_) return QString();
    return charactersNotTyped(text,
                              [](char32_t c) { return keysymForCharacter(c) != XKB_KEY_NoSymbol; });
  }

 private:
  bool needsKeysym_;
};

}  // namespace

std::unique_ptr<TextTypingLimits> createTextTypingLimits(const SessionProbe& probe) {
  switch (chooseKeyEventBackend(probe).backend) {
    case KeyEventBackend::Uinput:
      return std::make_unique<LayoutOnlyLimits>(probe);
    case KeyEventBackend::XTest:
    case KeyEventBackend::WaylandVirtualKeyboard:
      return std::make_unique<AnyCharacterLimits>(true);
    case KeyEventBackend::TraceOnly:
      break;
  }
  return std::make_unique<AnyCharacterLimits>(false);
}

}  // namespace halvane
