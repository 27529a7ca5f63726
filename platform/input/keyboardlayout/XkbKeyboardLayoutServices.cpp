#include "platform/input/keyboardlayout/XkbKeyboardLayoutServices.h"

#include "platform/desktop/wayland/WaylandConnection.h"
#include "platform/input/keyboardlayout/SwayKeyboardLayoutIndex.h"
#include "platform/input/keyboardlayout/WaylandSeatKeymap.h"
#include "platform/input/keyboardlayout/XkbKeyboardLayout.h"
#include "platform/system/log/SyslogSystemLog.h"

#include <QCoreApplication>

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
  static std::unique_ptr<X11Keyboard> connect(const QString& display) {
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(display.toLocal8Bit().constData(), &screenNumber);
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
  fixed_.reset();
  seat_.reset();
  x11_.reset();
  xkb_compose_table_unref(compose_);
  xkb_context_unref(context_);
}

std::unique_ptr<XkbKeyboardLayoutServices> XkbKeyboardLayoutServices::forSystem(
    const SessionProbe& session, SystemLog* log) {
  std::unique_ptr<XkbKeyboardLayoutServices> services(
      new XkbKeyboardLayoutServices(xkb_context_new(XKB_CONTEXT_NO_FLAGS)));
  services->log_ = log;
  if (session.wayland) {
    services->seat_ = WaylandSeatKeymap::create(session.wayland, services->context_);
    if (!services->seat_) services->noSeat_ = QStringLiteral("the compositor offers no seat");
    services->swaySocket_ = session.swaySocket;
  } else {
    services->noSeat_ = QStringLiteral("no Wayland compositor");
  }
  // XWayland knows the layout only as well as the compositor told it; it stands in while the
  // seat has no keyboard.
  if (session.hasXDisplay()) services->x11_ = X11Keyboard::connect(session.x11Display);
  services->useFixedLayout(nullptr);
  if (log) services->logSource(services->source());
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
  fixed_ = std::make_shared<XkbKeyboardLayout>(keymap, 0, compose_);
  xkb_keymap_unref(keymap);
}

XkbKeyboardLayoutServices::Source XkbKeyboardLayoutServices::source() const {
  if (seat_ && seat_->keymap()) return Source::WaylandSeat;
  if (x11_) return Source::XServer;
  return Source::Environment;
}

std::shared_ptr<const KeyboardLayout> XkbKeyboardLayoutServices::currentLayout() {
  const Source now = source();
  if (log_ && logged_ != now) logSource(now);
  switch (now) {
    case Source::WaylandSeat: {
      unsigned group = seat_->group();
      if (const std::optional<unsigned> sway = swayActiveLayoutIndex(swaySocket_)) {
        if (*sway < xkb_keymap_num_layouts(seat_->keymap())) group = *sway;
      }
      return layoutOf(seat_->keymap(), group);
    }
    case Source::XServer: {
      xkb_keymap* keymap = x11_->keymap(context_);
      if (!keymap) return nullptr;
      return layoutOf(keymap, x11_->activeGroup(keymap));
    }
    case Source::Environment:
      break;
  }
  return fixed_;
}

std::shared_ptr<const KeyboardLayout> XkbKeyboardLayoutServices::layoutOf(xkb_keymap* keymap,
                                                                          unsigned group) {
  if (!layout_ || layout_->keymap() != keymap || layout_->group() != group) {
    layout_ = std::make_shared<XkbKeyboardLayout>(keymap, group, compose_);
  }
  return layout_;
}

void XkbKeyboardLayoutServices::logSource(Source source) {
  logged_ = source;
  QString line;
  switch (source) {
    case Source::WaylandSeat:
      line =
          QStringLiteral("Keyboard layout: the Wayland seat's keymap (%1)")
              .arg(QString::fromUtf8(xkb_keymap_layout_get_name(seat_->keymap(), seat_->group())));
      break;
    case Source::XServer:
      line = QStringLiteral("Keyboard layout: the X server's (%1)")
                 .arg(seat_ ? QStringLiteral("no keyboard on the Wayland seat") : noSeat_);
      break;
    case Source::Environment: {
      const QString layout = qEnvironmentVariable("XKB_DEFAULT_LAYOUT");
      line = QStringLiteral("Keyboard layout: %1 from the environment (%2; no X server)")
                 .arg(layout.isEmpty() ? QStringLiteral("us") : layout,
                      seat_ ? QStringLiteral("no keyboard on the Wayland seat") : noSeat_);
      break;
    }
  }
  log_->log(line);
}

std::unique_ptr<KeyboardLayoutServices> createSystemKeyboardLayoutServices(
    const SessionProbe& session) {
  // The key texts belong to whichever program shows them; it is named in the line.
  static SyslogSystemLog log(QCoreApplication::applicationName().isEmpty()
                                 ? QStringLiteral("halvane")
                                 : QCoreApplication::applicationName());
  return XkbKeyboardLayoutServices::forSystem(session, &log);
}

}  // namespace halvane
