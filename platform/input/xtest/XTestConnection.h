#pragma once

#include <QString>

struct xcb_connection_t;

namespace halvane {

// A new connection to the X display `display` (an X display name; $DISPLAY when null or empty)
// that has the XTEST extension. Nothing when the display cannot be reached or lacks XTEST;
// whyNot then says which. name: the display's name as connected.
xcb_connection_t* connectXTest(const char* display, QString* whyNot, QString* name = nullptr);

}  // namespace halvane
