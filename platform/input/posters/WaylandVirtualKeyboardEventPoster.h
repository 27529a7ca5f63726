#pragma once

#include "platform/desktop/probe/SessionProbe.h"
#include "platform/input/posters/KeyboardEventPoster.h"

#include <QString>

#include <memory>
#include <set>

struct wl_seat;
struct xkb_keymap;
struct xkb_state;
struct zwp_virtual_keyboard_manager_v1;
struct zwp_virtual_keyboard_v1;

namespace halvane {

class WaylandConnection;

// Posts key events as a keyboard of the compositor's seat made through the virtual-keyboard
// protocol (sway and other wlroots desktops offer it): they reach Wayland applications where
// uinput cannot be used. The keyboard carries the seat's own keymap, so the user's layout stays
// what every application sees after our keys, and falls back to the XKB_DEFAULT_* environment
// (else "us") while the seat has none.
class WaylandVirtualKeyboardEventPoster : public KeyboardEventPoster {
 public:
  // Nothing when the compositor lacks the protocol or the keymap cannot be handed over; *whyNot
  // then says why.
  // Why the session's compositor offers no virtual keyboard; empty when it does.
  static QString unavailableReason(const SessionProbe& probe);
  static std::unique_ptr<WaylandVirtualKeyboardEventPoster> create(
      std::shared_ptr<WaylandConnection> connection, QString* whyNot);
  // Releases the keys still held.
  ~WaylandVirtualKeyboardEventPoster() override;
  WaylandVirtualKeyboardEventPoster(const WaylandVirtualKeyboardEventPoster&) = delete;
  WaylandVirtualKeyboardEventPoster& operator=(const WaylandVirtualKeyboardEventPoster&) = delete;

  // The compositor keeps its own modifier state per keyboard and has no local event
  // suppression; the platform trace records these.
  void setLocalEventsSuppressionInterval(double) override {}
  void enableEventStateCombining(bool) override {}
  // A key code without an evdev key is skipped.
  bool postKeyboardEvent(quint16 virtualKeyCode, bool keyDown) override;

  // For typing text: a key by its evdev code; the text of the keymap the keyboard carries, and
  // handing it another (when the text differs) with `group` as its active layout. False when the
  // keymap does not compile or cannot be handed over; the old one then stays.
  bool postEvdevKey(int evdevKey, bool down) { return emitKey(evdevKey, down); }
  QByteArray keymapText() const;
  bool useKeymap(const QByteArray& text, unsigned group);

 private:
  explicit WaylandVirtualKeyboardEventPoster(std::shared_ptr<WaylandConnection> connection);
  bool emitKey(int evdevKey, bool down);

  std::shared_ptr<WaylandConnection> connection_;
  wl_seat* seat_ = nullptr;
  zwp_virtual_keyboard_manager_v1* manager_ = nullptr;
  zwp_virtual_keyboard_v1* keyboard_ = nullptr;
  // The compositor takes a virtual keyboard's modifiers only as the client states them, so the
  // poster keeps the keyboard's xkb state and sends the modifiers with every change.
  xkb_keymap* keymap_ = nullptr;
  xkb_state* state_ = nullptr;
  // A digest of the keymap's text, not the text (some 60 KiB held for a comparison).
  QByteArray keymapDigest_;
  std::set<int> held_;
};

}  // namespace halvane
