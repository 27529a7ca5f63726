#include "platform/input/pointer/XTestPointerEventPoster.h"

#include "platform/input/xtest/XTestConnection.h"

#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <cstdlib>

namespace halvane {

std::unique_ptr<XTestPointerEventPoster> XTestPointerEventPoster::connect(QString* whyNot,
                                                                          const char* display) {
  xcb_connection_t* connection = connectXTest(display, whyNot);
  if (!connection) return nullptr;
  return std::unique_ptr<XTestPointerEventPoster>(new XTestPointerEventPoster(connection));
}

XTestPointerEventPoster::~XTestPointerEventPoster() {
  const std::set<quint8> held = held_;
  for (quint8 button : held) fakeButton(button, false);
  // Wait until the server has taken the releases before the connection goes.
  if (!held.empty()) syncXTest(connection_);
  xcb_disconnect(connection_);
}

quint8 XTestPointerEventPoster::x11Button(settings::MouseButton button) {
  switch (button) {
    case settings::MouseButton::Left:
      return 1;
    case settings::MouseButton::Middle:
      return 2;
    case settings::MouseButton::Right:
      return 3;
    case settings::MouseButton::Back:
      return 8;
    case settings::MouseButton::Forward:
      return 9;
  }
  return 1;
}

quint8 XTestPointerEventPoster::x11WheelButton(settings::WheelDirection direction) {
  switch (direction) {
    case settings::WheelDirection::Up:
      return 4;
    case settings::WheelDirection::Down:
      return 5;
    case settings::WheelDirection::Left:
      return 6;
    case settings::WheelDirection::Right:
      return 7;
  }
  return 4;
}

bool XTestPointerEventPoster::postButton(settings::MouseButton button, bool down) {
  if (!fakeButton(x11Button(button), down)) return false;
  flushXTest(connection_);
  return true;
}

bool XTestPointerEventPoster::postWheel(settings::WheelDirection direction, int notches) {
  const quint8 button = x11WheelButton(direction);
  for (int i = 0; i < notches; ++i)
    if (!fakeButton(button, true) || !fakeButton(button, false)) return false;
  flushXTest(connection_);
  return true;
}

bool XTestPointerEventPoster::fakeButton(quint8 button, bool down) {
  if (xcb_connection_has_error(connection_)) return false;  // the server has gone
  xcb_test_fake_input(connection_, down ? XCB_BUTTON_PRESS : XCB_BUTTON_RELEASE, button,
                      XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
  if (down)
    held_.insert(button);
  else
    held_.erase(button);
  return true;
}

}  // namespace halvane
