#include "platform/input/posters/XTestKeyboardEventPoster.h"

#include "platform/input/keycodes/MacKeyCodes.h"

#include "platform/input/xtest/XTestConnection.h"

#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <cstdlib>
#include <utility>

namespace halvane {

std::unique_ptr<XTestKeyboardEventPoster> XTestKeyboardEventPoster::connect(QString* whyNot,
                                                                            const char* display) {
  QString name;
  xcb_connection_t* connection = connectXTest(display, whyNot, &name);
  if (!connection) return nullptr;
  return std::unique_ptr<XTestKeyboardEventPoster>(
      new XTestKeyboardEventPoster(connection, std::move(name)));
}

XTestKeyboardEventPoster::XTestKeyboardEventPoster(xcb_connection_t* connection,
                                                   QString displayName)
    : connection_(connection), displayName_(std::move(displayName)) {}

XTestKeyboardEventPoster::~XTestKeyboardEventPoster() {
  const std::set<quint8> held = held_;
  for (quint8 key : held) fakeKey(key, false);
  // Wait until the server has taken the releases before the connection goes.
  if (!held.empty()) syncXTest(connection_);
  xcb_disconnect(connection_);
}

bool XTestKeyboardEventPoster::postKeyboardEvent(quint16 virtualKeyCode, bool keyDown) {
  const std::optional<int> evdev = evdevForMacKeyCode(virtualKeyCode);
  if (!evdev) return true;
  const int x11 = *evdev + kX11KeyCodeOffset;
  const xcb_setup_t* setup = xcb_get_setup(connection_);
  if (x11 < setup->min_keycode || x11 > setup->max_keycode)
    return true;  // the server has no such key
  return fakeKey(quint8(x11), keyDown);
}

bool XTestKeyboardEventPoster::fakeKey(quint8 x11KeyCode, bool down) {
  if (xcb_connection_has_error(connection_)) return false;  // the server has gone
  xcb_test_fake_input(connection_, down ? XCB_KEY_PRESS : XCB_KEY_RELEASE, x11KeyCode,
                      XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
  flushXTest(connection_);  // one by one
  if (down)
    held_.insert(x11KeyCode);
  else
    held_.erase(x11KeyCode);
  return true;
}

}  // namespace halvane
