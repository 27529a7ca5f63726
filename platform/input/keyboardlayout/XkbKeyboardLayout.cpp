#include "platform/input/keyboardlayout/XkbKeyboardLayout.h"

#include "platform/input/keycodes/MacKeyCodes.h"

#include <xkbcommon/xkbcommon-compose.h>
#include <xkbcommon/xkbcommon.h>

#include <QList>

namespace halvane {
namespace {

// Dead keys have no character of their own; they show the spacing form of their accent, which
// is what their key cap carries.
char32_t spacingAccentOfDeadKey(xkb_keysym_t keysym) {
  struct Accent {
    xkb_keysym_t keysym;
    char32_t accent;
  };
  static constexpr Accent kAccents[] = {
      {XKB_KEY_dead_grave, U'`'},          {XKB_KEY_dead_acute, U'\u00B4'},
      {XKB_KEY_dead_circumflex, U'^'},     {XKB_KEY_dead_tilde, U'~'},
      {XKB_KEY_dead_macron, U'\u00AF'},    {XKB_KEY_dead_breve, U'\u02D8'},
      {XKB_KEY_dead_abovedot, U'\u02D9'},  {XKB_KEY_dead_diaeresis, U'\u00A8'},
      {XKB_KEY_dead_abovering, U'\u02DA'}, {XKB_KEY_dead_doubleacute, U'\u02DD'},
      {XKB_KEY_dead_caron, U'\u02C7'},     {XKB_KEY_dead_cedilla, U'\u00B8'},
      {XKB_KEY_dead_ogonek, U'\u02DB'},    {XKB_KEY_dead_iota, U'\u037A'},
  };
  for (const Accent& a : kAccents) {
    if (a.keysym == keysym) return a.accent;
  }
  return 0;
}

bool isPrintable(char32_t c) {
  return c >= 0x20 && !(c >= 0x7F && c < 0xA0);
}

QString printableText(char32_t c) {
  return isPrintable(c) ? QString::fromUcs4(&c, 1) : QString();
}

QString characterOfKeysym(xkb_keysym_t keysym) {
  const char32_t c = xkb_keysym_to_utf32(keysym);
  return printableText(c ? c : spacingAccentOfDeadKey(keysym));
}

// The first character of a composed result.
QString firstCharacterOf(xkb_compose_state* compose) {
  char utf8[64];
  xkb_compose_state_get_utf8(compose, utf8, sizeof utf8);
  const QString text = QString::fromUtf8(utf8);
  if (text.isEmpty()) return {};
  return printableText(text.toUcs4().front());
}

class XkbKeyTranslation : public KeyTranslation {
 public:
  XkbKeyTranslation(xkb_state* state, xkb_compose_state* compose)
      : state_(state), compose_(compose) {}
  ~XkbKeyTranslation() override {
    xkb_compose_state_unref(compose_);
    xkb_state_unref(state_);
  }
  XkbKeyTranslation(const XkbKeyTranslation&) = delete;
  XkbKeyTranslation& operator=(const XkbKeyTranslation&) = delete;

  QString translate(int evdevKeyCode) override {
    const xkb_keysym_t keysym =
        xkb_state_key_get_one_sym(state_, xkb_keycode_t(evdevKeyCode + kX11KeyCodeOffset));
    if (keysym == XKB_KEY_NoSymbol) return {};
    // The pending dead key carries over: a dead key followed by a key it combines with gives
    // the combined character, as typing the two would.
    if (compose_ && xkb_compose_state_feed(compose_, keysym) == XKB_COMPOSE_FEED_ACCEPTED &&
        xkb_compose_state_get_status(compose_) == XKB_COMPOSE_COMPOSED) {
      const QString composed = firstCharacterOf(compose_);
      if (!composed.isEmpty()) return composed;
    }
    return characterOfKeysym(keysym);
  }

 private:
  xkb_state* state_;
  xkb_compose_state* compose_;
};

}  // namespace

XkbKeyboardLayout::XkbKeyboardLayout(xkb_keymap* keymap, unsigned group, xkb_compose_table* compose)
    : keymap_(xkb_keymap_ref(keymap)),
      group_(group),
      compose_(compose ? xkb_compose_table_ref(compose) : nullptr) {}

XkbKeyboardLayout::~XkbKeyboardLayout() {
  xkb_compose_table_unref(compose_);
  xkb_keymap_unref(keymap_);
}

QString XkbKeyboardLayout::localizedName() const {
  return QString::fromUtf8(xkb_keymap_layout_get_name(keymap_, group_));
}

std::unique_ptr<KeyTranslation> XkbKeyboardLayout::newTranslation() const {
  xkb_state* state = xkb_state_new(keymap_);
  if (!state) return nullptr;
  // No modifier held, but Num Lock on: an Apple keypad always types its digits.
  const xkb_mod_index_t numLock = xkb_keymap_mod_get_index(keymap_, XKB_MOD_NAME_NUM);
  const xkb_mod_mask_t locked = numLock == XKB_MOD_INVALID ? 0 : 1u << numLock;
  xkb_state_update_mask(state, 0, 0, locked, 0, 0, group_);
  xkb_compose_state* compose =
      compose_ ? xkb_compose_state_new(compose_, XKB_COMPOSE_STATE_NO_FLAGS) : nullptr;
  return std::make_unique<XkbKeyTranslation>(state, compose);
}

}  // namespace halvane
