#include "platform/input/posters/KeymapTextTypist.h"

#include "platform/input/keyboardlayout/XkbCharacterKeys.h"
#include "platform/input/keyboardlayout/XkbKeyboardLayout.h"
#include "platform/input/keycodes/MacKeyCodes.h"

namespace halvane {

KeymapTextTypist::KeymapTextTypist(KeyboardEventPoster& keys,
                                   std::unique_ptr<KeyboardLayoutServices> layouts)
    : keys_(keys), layouts_(std::move(layouts)) {}

KeymapTextTypist::~KeymapTextTypist() = default;

const XkbCharacterKeys* KeymapTextTypist::layoutKeys() {
  if (typing_ && layoutKeys_) return layoutKeys_.get();
  std::shared_ptr<const KeyboardLayout> now = layouts_ ? layouts_->currentLayout() : nullptr;
  const auto* xkb = dynamic_cast<const XkbKeyboardLayout*>(now.get());
  if (!xkb) {
    layout_.reset();
    layoutKeys_.reset();
    return nullptr;
  }
  // The services hand back the same object while the layout stays.
  if (now != layout_ || !layoutKeys_) {
    layout_ = now;
    layoutKeys_ = std::make_unique<XkbCharacterKeys>(xkb->keymap(), xkb->group());
  }
  return layoutKeys_.get();
}

QString KeymapTextTypist::untypableCharacters(const QString& text) {
  const XkbCharacterKeys* keys = layoutKeys();
  return charactersNotTyped(text, [&](char32_t c) {
    const std::optional<CharacterKey> key = keys ? keys->keyFor(c) : std::nullopt;
    return (key && canPost(*key)) || typesOutsideLayout(c);
  });
}

void KeymapTextTypist::beginText() {
  if (typing_) return;
  layoutKeys();  // the layout of this text
  typing_ = true;
  releaseUserModifiers();
}

bool KeymapTextTypist::typeCharacter(char32_t character) {
  const XkbCharacterKeys* keys = layoutKeys();
  const std::optional<CharacterKey> key = keys ? keys->keyFor(character) : std::nullopt;
  if (key && canPost(*key)) return pressAndRelease(*key);
  if (typesOutsideLayout(character)) return typeOutsideLayout(character);
  return false;
}

void KeymapTextTypist::endText() {
  if (!typing_) return;
  putBack();
  typing_ = false;
}

bool KeymapTextTypist::postKeyDirectly(int, bool) {
  return false;
}

bool KeymapTextTypist::typesOutsideLayout(char32_t) const {
  return false;
}

bool KeymapTextTypist::typeOutsideLayout(char32_t) {
  return false;
}

bool KeymapTextTypist::canPost(const CharacterKey& key) {
  auto postable = [this](int evdev) {
    return macKeyCodeForEvdev(evdev).has_value() || postsKeysDirectly();
  };
  if (!postable(key.evdevKey)) return false;
  for (int modifier : key.modifierKeys)
    if (!postable(modifier)) return false;
  return true;
}

bool KeymapTextTypist::post(int evdevKey, bool down) {
  if (const std::optional<int> mac = macKeyCodeForEvdev(evdevKey))
    return keys_.postKeyboardEvent(quint16(*mac), down);
  return postKeyDirectly(evdevKey, down);
}

bool KeymapTextTypist::pressAndRelease(const CharacterKey& key) {
  std::vector<int> down;
  bool delivered = true;
  for (int modifier : key.modifierKeys) {
    delivered = post(modifier, true);
    if (!delivered) break;
    down.push_back(modifier);
  }
  if (delivered && post(key.evdevKey, true))
    delivered = post(key.evdevKey, false);
  else
    delivered = false;
  for (auto it = down.rbegin(); it != down.rend(); ++it) delivered = post(*it, false) && delivered;
  return delivered;
}

}  // namespace halvane
