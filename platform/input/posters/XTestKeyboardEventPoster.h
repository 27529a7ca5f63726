#pragma once

#include "platform/input/posters/KeyboardEventPoster.h"

#include <QString>

#include <memory>
#include <set>

struct xcb_connection_t;

namespace halvane {

// Posts key events into the X server through the XTEST extension, over a connection of its own.
// The server turns key codes into symbols with the user's own layout, as the Mac does with its
// virtual key codes.
class XTestKeyboardEventPoster : public KeyboardEventPoster {
 public:
  // Nothing when the display cannot be reached or lacks XTEST; whyNot then says which.
  // display: an X display name, or nothing for $DISPLAY.
  static std::unique_ptr<XTestKeyboardEventPoster> connect(QString* whyNot,
                                                           const char* display = nullptr);
  // Releases the keys still held, so that an interrupted macro leaves nothing pressed.
  ~XTestKeyboardEventPoster() override;
  XTestKeyboardEventPoster(const XTestKeyboardEventPoster&) = delete;
  XTestKeyboardEventPoster& operator=(const XTestKeyboardEventPoster&) = delete;

  // X has no suppression of local events and never combines a synthetic event with the
  // physical keyboard's state (each XTEST event acts on the server's own device state), so
  // these two have nothing to do; the platform trace still records them.
  void setLocalEventsSuppressionInterval(double) override {}
  void enableEventStateCombining(bool) override {}
  // A key code without an X key is skipped.
  bool postKeyboardEvent(quint16 virtualKeyCode, bool keyDown) override;

  QString displayName() const { return displayName_; }

  // For typing text: a key by its X key code, and the connection the keys go out on (a key
  // mapping changed on it reaches the server before the keys posted after it).
  bool postX11KeyCode(quint8 x11KeyCode, bool down) { return fakeKey(x11KeyCode, down); }
  xcb_connection_t* connection() const { return connection_; }

 private:
  XTestKeyboardEventPoster(xcb_connection_t* connection, QString displayName);
  bool fakeKey(quint8 x11KeyCode, bool down);

  xcb_connection_t* connection_;
  QString displayName_;
  std::set<quint8> held_;
};

}  // namespace halvane
