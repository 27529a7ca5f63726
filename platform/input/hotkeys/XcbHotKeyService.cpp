#include "platform/input/hotkeys/XcbHotKeyService.h"

#include "platform/input/keycodes/MacKeyCodes.h"
#include "shared/settings/MacModifiers.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <xcb/xcb.h>
#include <xkbcommon/xkbcommon-keysyms.h>

#include <cstdlib>

namespace halvane {
namespace {

// Caps Lock and Num Lock must not stop a hot key, so every key is grabbed under each of their
// combinations and they are left out when matching events.
constexpr uint16_t kLockVariants[] = {0, XCB_MOD_MASK_LOCK};

constexpr uint16_t kCoreModifiers = XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 |
                                    XCB_MOD_MASK_2 | XCB_MOD_MASK_3 | XCB_MOD_MASK_4 |
                                    XCB_MOD_MASK_5;

}  // namespace

std::unique_ptr<XcbHotKeyService> XcbHotKeyService::connect(const QString& display) {
  int screenNumber = 0;
  const QByteArray name = display.toLocal8Bit();
  xcb_connection_t* connection =
      xcb_connect(display.isEmpty() ? nullptr : name.constData(), &screenNumber);
  if (xcb_connection_has_error(connection)) {
    xcb_disconnect(connection);
    return nullptr;
  }
  xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(connection));
  for (; it.rem && screenNumber > 0; --screenNumber) xcb_screen_next(&it);
  if (!it.rem) {
    xcb_disconnect(connection);
    return nullptr;
  }
  return std::unique_ptr<XcbHotKeyService>(new XcbHotKeyService(connection, it.data->root));
}

XcbHotKeyService::XcbHotKeyService(xcb_connection_t* connection, uint32_t root)
    : connection_(connection), root_(root), masks_(readModifierMasks(connection)) {
  if (QCoreApplication::instance()) {
    notifier_ = std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(connection_),
                                                  QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                     [this] { dispatchPendingEvents(); });
  }
}

XcbHotKeyService::~XcbHotKeyService() {
  notifier_.reset();
  xcb_disconnect(connection_);  // the server drops this client's grabs with it
}

// Which modifier bits the server gives Super, Alt and Num Lock; the usual Mod4, Mod1 and Mod2
// when its modifier map names none.
XcbHotKeyService::ModifierMasks XcbHotKeyService::readModifierMasks(xcb_connection_t* connection) {
  ModifierMasks masks{0, 0, 0};
  const xcb_setup_t* setup = xcb_get_setup(connection);
  const uint8_t firstKeycode = setup->min_keycode;
  xcb_get_keyboard_mapping_reply_t* keyboard = xcb_get_keyboard_mapping_reply(
      connection,
      xcb_get_keyboard_mapping(connection, firstKeycode, setup->max_keycode - firstKeycode + 1),
      nullptr);
  xcb_get_modifier_mapping_reply_t* modifiers =
      xcb_get_modifier_mapping_reply(connection, xcb_get_modifier_mapping(connection), nullptr);
  if (keyboard && modifiers) {
    const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(keyboard);
    const int keysymCount = xcb_get_keyboard_mapping_keysyms_length(keyboard);
    const xcb_keycode_t* keycodes = xcb_get_modifier_mapping_keycodes(modifiers);
    const int perModifier = modifiers->keycodes_per_modifier;
    const int perKeycode = keyboard->keysyms_per_keycode;
    for (int modifier = 0; modifier < 8; ++modifier) {
      for (int k = 0; k < perModifier; ++k) {
        const int keycode = keycodes[modifier * perModifier + k];
        for (int level = 0; keycode >= firstKeycode && level < perKeycode; ++level) {
          const int index = (keycode - firstKeycode) * perKeycode + level;
          if (index >= keysymCount) break;
          const xcb_keysym_t keysym = keysyms[index];
          uint16_t* role = nullptr;
          if (keysym == XKB_KEY_Super_L || keysym == XKB_KEY_Super_R) role = &masks.command;
          if (keysym == XKB_KEY_Alt_L || keysym == XKB_KEY_Alt_R) role = &masks.option;
          if (keysym == XKB_KEY_Num_Lock) role = &masks.numLock;
          if (role && !*role) *role = uint16_t(1u << modifier);
        }
      }
    }
  }
  std::free(keyboard);
  std::free(modifiers);
  if (!masks.command) masks.command = XCB_MOD_MASK_4;
  if (!masks.option) masks.option = XCB_MOD_MASK_1;
  if (!masks.numLock) masks.numLock = XCB_MOD_MASK_2;
  return masks;
}

uint16_t XcbHotKeyService::xModifiers(int carbonModifiers) const {
  uint16_t mask = 0;
  if (carbonModifiers & kCarbonCommand) mask |= masks_.command;
  if (carbonModifiers & kCarbonOption) mask |= masks_.option;
  if (carbonModifiers & kCarbonControl) mask |= XCB_MOD_MASK_CONTROL;
  if (carbonModifiers & kCarbonShift) mask |= XCB_MOD_MASK_SHIFT;
  return mask;
}

int XcbHotKeyService::registerHotKey(int keyCode, int modifiers, HotKeyId id,
                                     Reference* reference) {
  const std::optional<int> evdev = evdevForMacKeyCode(keyCode);
  const xcb_setup_t* setup = xcb_get_setup(connection_);
  const int keycode = evdev ? *evdev + kX11KeyCodeOffset : 0;
  if (keycode < setup->min_keycode || keycode > setup->max_keycode) return kHotKeyInvalid;

  const Grab grab{uint8_t(keycode), xModifiers(modifiers), id};
  for (const auto& [ref, existing] : grabs_) {
    if (existing.keycode == grab.keycode && existing.modifiers == grab.modifiers) {
      return kHotKeyExists;
    }
  }
  for (uint16_t lock : kLockVariants) {
    for (uint16_t numLock : {uint16_t(0), masks_.numLock}) {
      xcb_generic_error_t* error = xcb_request_check(
          connection_,
          xcb_grab_key_checked(connection_, 0, root_, grab.modifiers | lock | numLock, grab.keycode,
                               XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
      if (error) {  // another client holds this key
        std::free(error);
        ungrab(grab);
        dispatchSoon();
        return kHotKeyExists;
      }
    }
  }
  *reference = nextReference_++;
  grabs_[*reference] = grab;
  dispatchSoon();
  return kHotKeyNoErr;
}

void XcbHotKeyService::unregisterHotKey(Reference reference) {
  const auto it = grabs_.find(reference);
  if (it == grabs_.end()) return;
  ungrab(it->second);
  grabs_.erase(it);
}

void XcbHotKeyService::ungrab(const Grab& grab) {
  for (uint16_t lock : kLockVariants) {
    for (uint16_t numLock : {uint16_t(0), masks_.numLock}) {
      xcb_ungrab_key(connection_, grab.keycode, root_, grab.modifiers | lock | numLock);
    }
  }
  xcb_flush(connection_);
}

// Waiting for a reply can leave events queued inside xcb, where the socket shows nothing more
// to read; look at them once the caller has returned to the loop.
void XcbHotKeyService::dispatchSoon() {
  if (notifier_) QTimer::singleShot(0, notifier_.get(), [this] { dispatchPendingEvents(); });
}

void XcbHotKeyService::dispatchPendingEvents() {
  while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
    const uint8_t type = event->response_type & 0x7F;
    if (type == XCB_KEY_PRESS || type == XCB_KEY_RELEASE) {
      const auto* key = reinterpret_cast<const xcb_key_press_event_t*>(event);
      handleKey(type == XCB_KEY_PRESS, key->detail, key->state);
    }
    std::free(event);
  }
}

void XcbHotKeyService::handleKey(bool press, uint8_t keycode, uint16_t state) {
  const uint16_t modifiers = state & kCoreModifiers & ~masks_.numLock;
  for (auto& [reference, grab] : grabs_) {
    // A release belongs to the press before it, whatever modifiers were let go first.
    const bool matches =
        grab.keycode == keycode && (press ? grab.modifiers == modifiers : grab.pressed);
    if (!matches) continue;
    grab.pressed = press;
    HotKeyEvent event;
    event.kind = press ? kHotKeyPressed : kHotKeyReleased;
    event.hotKeyId = grab.id;
    const Handler handler = handler_;  // the handler may change grabs_ and itself
    if (handler) handler(event);
    return;
  }
}

}  // namespace halvane
