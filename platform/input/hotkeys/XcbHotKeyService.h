#pragma once

#include "platform/input/hotkeys/HotKeyService.h"

#include <QString>

#include <cstdint>
#include <map>

struct xcb_connection_t;
class QSocketNotifier;

namespace halvane {

// Hot keys as passive key grabs on the X server's root window, over a connection of their own.
// The server tells nothing of an owner's id, so each grab keeps the id it was registered with
// and events are routed back by key code and modifiers.
class XcbHotKeyService : public HotKeyService {
 public:
  // Nothing when the X display `display` names (empty: DISPLAY's) cannot be reached.
  static std::unique_ptr<XcbHotKeyService> connect(const QString& display = {});
  ~XcbHotKeyService() override;
  XcbHotKeyService(const XcbHotKeyService&) = delete;
  XcbHotKeyService& operator=(const XcbHotKeyService&) = delete;

  int registerHotKey(int keyCode, int modifiers, HotKeyId id, Reference* reference) override;
  void unregisterHotKey(Reference reference) override;
  void setEventHandler(Handler handler) override { handler_ = std::move(handler); }

  // Hands the key presses and releases the server has sent to the handler. The Qt event loop
  // calls it whenever the connection has data; tests without a loop call it themselves.
  void dispatchPendingEvents();

 private:
  struct Grab {
    uint8_t keycode;
    uint16_t modifiers;
    HotKeyId id;
    bool pressed = false;
  };
  struct ModifierMasks {
    uint16_t command;
    uint16_t option;
    uint16_t numLock;
  };

  XcbHotKeyService(xcb_connection_t* connection, uint32_t root);
  static ModifierMasks readModifierMasks(xcb_connection_t* connection);
  uint16_t xModifiers(int carbonModifiers) const;
  void ungrab(const Grab& grab);
  void handleKey(bool press, uint8_t keycode, uint16_t state);
  void dispatchSoon();

  xcb_connection_t* connection_;
  uint32_t root_;
  ModifierMasks masks_{};
  std::map<Reference, Grab> grabs_;
  Reference nextReference_ = 1;
  Handler handler_;
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace halvane
