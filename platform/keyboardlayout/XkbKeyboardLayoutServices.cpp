#include "platform/keyboardlayout/XkbKeyboardLayoutServices.h"

#include "platform/keyboardlayout/XkbKeyboardLayout.h"

#include <xcb/xcb.h>
#include <xkbcommon/xkbcommon-compose.h>
#include <xkbcommon/xkbcommon-x11.h>
#include <xkbcommon/xkbcommon.h>

#include <cstdlib>
#include <cstring>

namespace halvane {
namespace {

// Dead keys combine by the compose table of the user's locale, found the way every xkbcommon
// client finds it.
xkb_compose_table* composeTableForLocale(xkb_context* context) {
  const char* locale = nullptr;
  for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"}) {
    locale = std::getenv(name);
    if (locale && *locale) break;
  }
  if (!locale || !*locale) locale = "C";
  xkb_compose_table* table =
      xkb_compose_table_new_from_locale(context, locale, XKB_COMPOSE_COMPILE_NO_FLAGS);
  return table ? table
               : xkb_compose_table_new_from_locale(context, "C", XKB_COMPOSE_COMPILE_NO_FLAGS);
}

}  // namespace

// The core keyboard of an X server, asked afresh at every call so that a layout switch shows at
// once without an event loop.
class XkbKeyboardLayoutServices::X11Keyboard {
 public:
  static std::unique_ptr<X11Keyboard> connect() {
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    auto keyboard = std::unique_ptr<X11Keyboard>(new X11Keyboard(connection));
    if (xcb_connection_has_error(connection) ||
        !xkb_x11_setup_xkb_extension(
            connection, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
            XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, nullptr, nullptr)) {
      return nullptr;
    }
    keyboard->device_ = xkb_x11_get_core_keyboard_device_id(connection);
    keyboard->root_ = rootOfScreen(connection, screenNumber);
    keyboard->rulesAtom_ = internAtom(connection, "_XKB_RULES_NAMES");
    if (keyboard->device_ < 0 || !keyboard->root_) return nullptr;
    return keyboard;
  }

  ~X11Keyboard() {
    xkb_keymap_unref(keymap_);
    xcb_disconnect(connection_);
  }
  X11Keyboard(const X11Keyboard&) = delete;
  X11Keyboard& operator=(const X11Keyboard&) = delete;

  // The server's keymap, read again when its rules names changed (setxkbmap and the desktops
  // set them with every new keymap). Keeps the last one when the server is gone.
  xkb_keymap* keymap(xkb_context* context) {
    if (xcb_connection_has_error(connection_)) return keymap_;
    const QByteArray names = rulesNames();
    if (keymap_ && names == rulesNames_) return keymap_;
    xkb_keymap* fresh =
        xkb_x11_keymap_new_from_device(context, connection_, device_, XKB_KEYMAP_COMPILE_NO_FLAGS);
    if (fresh) {
      xkb_keymap_unref(keymap_);
      keymap_ = fresh;
      rulesNames_ = names;
    }
    return keymap_;
  }

  // The group (layout) of the keymap in effect now.
  unsigned activeGroup(xkb_keymap* keymap) {
    if (xcb_connection_has_error(connection_)) return lastGroup_;
    xkb_state* state = xkb_x11_state_new_from_device(keymap, connection_, device_);
    if (state) {
      lastGroup_ = xkb_state_serialize_layout(state, XKB_STATE_LAYOUT_EFFECTIVE);
      xkb_state_unref(state);
    }
    return lastGroup_;
  }

 private:
  explicit X11Keyboard(xcb_connection_t* connection) : connection_(connection) {}

  static xcb_window_t rootOfScreen(xcb_connection_t* connection, int screenNumber) {
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (; it.rem; --screenNumber, xcb_screen_next(&it)) {
      if (screenNumber == 0) return it.data->root;
    }
    return 0;
  }

  static xcb_atom_t internAtom(xcb_connection_t* connection, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
  }

  QByteArray rulesNames() {
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 0, root_, rulesAtom_, XCB_ATOM_STRING, 0, 1024),
        nullptr);
    QByteArray names;
    if (reply) {
      names = QByteArray(static_cast<const char*>(xcb_get_property_value(reply)),
                         xcb_get_property_value_length(reply));
    }
    std::free(reply);
    return names;
  }

  xcb_connection_t* connection_;
  int32_t device_ = -1;
  xcb_window_t root_ = 0;
  xcb_atom_t rulesAtom_ = XCB_ATOM_NONE;
  QByteArray rulesNames_;
  xkb_keymap* keymap_ = nullptr;
  unsigned lastGroup_ = 0;
};

XkbKeyboardLayoutServices::XkbKeyboardLayoutServices(xkb_context* context) : context_(context) {
  if (context_) compose_ = composeTableForLocale(context_);
}

XkbKeyboardLayoutServices::~XkbKeyboardLayoutServices() {
  layout_.reset();
  x11_.reset();
  xkb_compose_table_unref(compose_);
  xkb_context_unref(context_);
}

std::unique_ptr<XkbKeyboardLayoutServices> XkbKeyboardLayoutServices::forSystem() {
  std::unique_ptr<XkbKeyboardLayoutServices> services(
      new XkbKeyboardLayoutServices(xkb_context_new(XKB_CONTEXT_NO_FLAGS)));
  services->x11_ = X11Keyboard::connect();
  if (!services->x11_) services->useFixedLayout(nullptr);
  return services;
}

std::unique_ptr<XkbKeyboardLayoutServices> XkbKeyboardLayoutServices::forNames(
    const XkbLayoutNames& names) {
  std::unique_ptr<XkbKeyboardLayoutServices> services(
      new XkbKeyboardLayoutServices(xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES)));
  services->useFixedLayout(&names);
  return services;
}

// Without names xkbcommon takes XKB_DEFAULT_* from the environment, and "us" without those.
void XkbKeyboardLayoutServices::useFixedLayout(const XkbLayoutNames* names) {
  if (!context_) return;
  xkb_keymap* keymap = nullptr;
  if (names) {
    const QByteArray rules = names->rules.toUtf8(), model = names->model.toUtf8(),
                     layout = names->layout.toUtf8(), variant = names->variant.toUtf8(),
                     options = names->options.toUtf8();
    const xkb_rule_names rmlvo{rules.constData(), model.constData(), layout.constData(),
                               variant.constData(), options.constData()};
    keymap = xkb_keymap_new_from_names(context_, &rmlvo, XKB_KEYMAP_COMPILE_NO_FLAGS);
  } else {
    keymap = xkb_keymap_new_from_names(context_, nullptr, XKB_KEYMAP_COMPILE_NO_FLAGS);
  }
  if (!keymap) return;
  layout_ = std::make_shared<XkbKeyboardLayout>(keymap, 0, compose_);
  xkb_keymap_unref(keymap);
}

std::shared_ptr<const KeyboardLayout> XkbKeyboardLayoutServices::currentLayout() {
  return x11_ ? currentX11Layout() : layout_;
}

std::shared_ptr<const KeyboardLayout> XkbKeyboardLayoutServices::currentX11Layout() {
  xkb_keymap* keymap = x11_->keymap(context_);
  if (!keymap) return nullptr;
  const unsigned group = x11_->activeGroup(keymap);
  if (!layout_ || layout_->keymap() != keymap || layout_->group() != group) {
    layout_ = std::make_shared<XkbKeyboardLayout>(keymap, group, compose_);
  }
  return layout_;
}

std::unique_ptr<KeyboardLayoutServices> createSystemKeyboardLayoutServices() {
  return XkbKeyboardLayoutServices::forSystem();
}

}  // namespace halvane
