#include "tests/support/XClient.h"

#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <poll.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace halvane::test {

namespace {

// A connection, tried again for a short while: the server may be resetting after the program
// before this one left it.
xcb_connection_t* connectWithRetries(int* screen) {
  for (int attempt = 0;; ++attempt) {
    xcb_connection_t* connection = xcb_connect(nullptr, screen);
    if (!xcb_connection_has_error(connection)) return connection;
    xcb_disconnect(connection);
    if (attempt == 40) return nullptr;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

// An X server resets itself when its last client leaves, and refuses connections while it does;
// between two tests nobody may be left. This connection stays open for the whole program. It
// also turns autorepeat off, which would add presses of its own to a key that a test holds.
struct ServerKeeper {
  ServerKeeper() : connection(connectWithRetries(nullptr)) {
    if (!connection) return;
    const std::uint32_t off = XCB_AUTO_REPEAT_MODE_OFF;
    xcb_change_keyboard_control(connection, XCB_KB_AUTO_REPEAT_MODE, &off);
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
  }
  ~ServerKeeper() {
    if (connection) xcb_disconnect(connection);
  }
  xcb_connection_t* connection;
};

}  // namespace

std::unique_ptr<XClient> XClient::connect() {
  if (qEnvironmentVariableIsEmpty("DISPLAY")) return nullptr;
  static ServerKeeper keeper;
  int screen = 0;
  xcb_connection_t* connection = connectWithRetries(&screen);
  if (!connection) return nullptr;
  xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(connection));
  for (; it.rem && screen > 0; --screen) xcb_screen_next(&it);
  return std::unique_ptr<XClient>(new XClient(connection, it.data->root));
}

XClient::~XClient() {
  xcb_disconnect(connection_);
}

std::uint32_t XClient::createWindow() {
  const std::uint32_t window = xcb_generate_id(connection_);
  const std::uint32_t mask = XCB_EVENT_MASK_KEY_PRESS | XCB_EVENT_MASK_KEY_RELEASE;
  xcb_create_window(connection_, XCB_COPY_FROM_PARENT, window, root_, 0, 0, 100, 100, 0,
                    XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &mask);
  xcb_map_window(connection_, window);
  sync();
  return window;
}

void XClient::focus(std::uint32_t window) {
  xcb_set_input_focus(connection_, XCB_INPUT_FOCUS_POINTER_ROOT, window, XCB_CURRENT_TIME);
  sync();
}

void XClient::requestActivation(std::uint32_t window) {
  xcb_client_message_event_t event{};
  event.response_type = XCB_CLIENT_MESSAGE;
  event.format = 32;
  event.window = window;
  if (!activeWindowAtom_) activeWindowAtom_ = atom("_NET_ACTIVE_WINDOW");
  event.type = activeWindowAtom_;
  event.data.data32[0] = 2;  // source: a pager, which window managers obey at once
  event.data.data32[1] = XCB_CURRENT_TIME;
  xcb_send_event(connection_, 0, root_,
                 XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                 reinterpret_cast<const char*>(&event));
  xcb_flush(connection_);
}

std::uint32_t XClient::atom(const char* name) {
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
      connection_, xcb_intern_atom(connection_, 0, std::uint16_t(std::strlen(name)), name),
      nullptr);
  const std::uint32_t value = reply ? reply->atom : 0;
  std::free(reply);
  return value;
}

void XClient::setCardinal(std::uint32_t window, const char* property, std::uint32_t type,
                          std::uint32_t value) {
  xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, window, atom(property), type, 32, 1,
                      &value);
  sync();
}

void XClient::setString(std::uint32_t window, const char* property, const QByteArray& value) {
  xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, window, atom(property), XCB_ATOM_STRING,
                      8, std::uint32_t(value.size()), value.constData());
  sync();
}

void XClient::sync() {
  std::free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
}

std::optional<XClient::Key> XClient::nextKey(int timeoutMs) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (true) {
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
      const std::uint8_t type = event->response_type & 0x7F;
      std::optional<Key> key;
      if (type == XCB_KEY_PRESS || type == XCB_KEY_RELEASE) {
        const auto* k = reinterpret_cast<xcb_key_press_event_t*>(event);
        key = Key{type == XCB_KEY_PRESS, k->detail, k->state};
      }
      std::free(event);
      if (key) return key;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0 || xcb_connection_has_error(connection_)) return std::nullopt;
    pollfd p{xcb_get_file_descriptor(connection_), POLLIN, 0};
    ::poll(&p, 1, int(left.count()));
  }
}

std::uint16_t XClient::modifierMaskOf(std::uint8_t keycode) {
  xcb_get_modifier_mapping_reply_t* reply =
      xcb_get_modifier_mapping_reply(connection_, xcb_get_modifier_mapping(connection_), nullptr);
  std::uint16_t mask = 0;
  if (reply) {
    const xcb_keycode_t* codes = xcb_get_modifier_mapping_keycodes(reply);
    const int perModifier = reply->keycodes_per_modifier;
    for (int modifier = 0; modifier < 8; ++modifier)
      for (int i = 0; i < perModifier; ++i)
        if (codes[modifier * perModifier + i] == keycode) mask |= std::uint16_t(1 << modifier);
  }
  std::free(reply);
  return mask;
}

std::vector<int> XClient::keysDown() {
  xcb_query_keymap_reply_t* reply =
      xcb_query_keymap_reply(connection_, xcb_query_keymap(connection_), nullptr);
  if (!reply) return {-1};
  std::vector<int> down;
  for (int byte = 0; byte < 32; ++byte)
    for (int bit = 0; bit < 8; ++bit)
      if (reply->keys[byte] & (1 << bit)) down.push_back(byte * 8 + bit);
  std::free(reply);
  return down;
}

void XClient::fakeKey(std::uint8_t keycode, bool press) {
  xcb_test_fake_input(connection_, press ? XCB_KEY_PRESS : XCB_KEY_RELEASE, keycode,
                      XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
  sync();
}

}  // namespace halvane::test
