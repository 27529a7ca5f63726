#include "platform/input/xtest/XTestConnection.h"

#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <cstdlib>

namespace halvane {

xcb_connection_t* connectXTest(const char* display, QString* whyNot, QString* name) {
  const char* chosen = display && *display ? display : std::getenv("DISPLAY");
  if (!chosen || !*chosen) {
    if (whyNot) *whyNot = QStringLiteral("no X display (DISPLAY is not set)");
    return nullptr;
  }
  const QString shown = QString::fromLocal8Bit(chosen);
  xcb_connection_t* connection = xcb_connect(chosen, nullptr);
  if (xcb_connection_has_error(connection)) {
    xcb_disconnect(connection);
    if (whyNot) *whyNot = QStringLiteral("cannot connect to X display %1").arg(shown);
    return nullptr;
  }
  const xcb_query_extension_reply_t* xtest = xcb_get_extension_data(connection, &xcb_test_id);
  if (!xtest || !xtest->present) {
    xcb_disconnect(connection);
    if (whyNot) *whyNot = QStringLiteral("X display %1 has no XTEST extension").arg(shown);
    return nullptr;
  }
  if (name) *name = shown;
  return connection;
}

void flushXTest(xcb_connection_t* connection) {
  xcb_flush(connection);
  while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) std::free(event);
}

void syncXTest(xcb_connection_t* connection) {
  if (!xcb_connection_has_error(connection))
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

}  // namespace halvane
