#pragma once

#include "platform/input/pointer/PointerEventPoster.h"

#include <QString>

#include <memory>
#include <set>

struct xcb_connection_t;

namespace halvane {

// Posts buttons and wheel notches into the X server through the XTEST extension, over a
// connection of its own. X has no wheel axis: each notch is a click of buttons 4 to 7.
class XTestPointerEventPoster : public PointerEventPoster {
 public:
  // Nothing when the display cannot be reached or lacks XTEST; whyNot then says which.
  // display: an X display name, or nothing for $DISPLAY.
  static std::unique_ptr<XTestPointerEventPoster> connect(QString* whyNot,
                                                          const char* display = nullptr);
  // Lets go of the buttons still down.
  ~XTestPointerEventPoster() override;
  XTestPointerEventPoster(const XTestPointerEventPoster&) = delete;
  XTestPointerEventPoster& operator=(const XTestPointerEventPoster&) = delete;

  // X's number of a button (1 left, 3 right, 2 middle, 8 back, 9 forward) and of the button
  // one notch of the wheel clicks (4 up, 5 down, 6 left, 7 right).
  static quint8 x11Button(settings::MouseButton button);
  static quint8 x11WheelButton(settings::WheelDirection direction);

  bool postButton(settings::MouseButton button, bool down) override;
  bool postWheel(settings::WheelDirection direction, int notches) override;

 private:
  explicit XTestPointerEventPoster(xcb_connection_t* connection) : connection_(connection) {}
  bool fakeButton(quint8 button, bool down);

  xcb_connection_t* connection_;
  std::set<quint8> held_;
};

}  // namespace halvane
