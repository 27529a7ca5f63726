#pragma once

#include <QString>

struct xcb_connection_t;

namespace halvane {

// A new connection to the X display `display` (an X display name; $DISPLAY when null or empty)
// that has the XTEST extension. Nothing when the display cannot be reached or lacks XTEST;
// whyNot then says which. name: the display's name as connected.
xcb_connection_t* connectXTest(const char* display, QString* whyNot, QString* name = nullptr);

// Sends what waits in the connection's buffer, so that no event waits behind a macro pause, and
// drops what the server sent back: nothing is asked of it, but its errors must not pile up unread.
void flushXTest(xcb_connection_t* connection);
// Waits until the server has taken every request sent so far (a round trip); nothing when the
// connection has broken.
void syncXTest(xcb_connection_t* connection);

}  // namespace halvane
