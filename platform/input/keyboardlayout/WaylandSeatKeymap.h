#pragma once

#include <memory>

struct wl_seat;
struct wl_keyboard;
struct xkb_context;
struct xkb_keymap;

namespace halvane {

class WaylandConnection;

// The keymap the compositor hands our connection's wl_keyboard, compiled with xkbcommon, and the
// layout group it last reported. On Wayland this is the user's layout even where no X server
// runs; the compositor sends the group only to a client whose surface has the keyboard focus,
// so without one the first layout of the keymap stands.
class WaylandSeatKeymap {
 public:
  // Binds the compositor's seat and waits (a start-up roundtrip or two, at most `timeoutMs`) for
  // its keyboard's keymap. Null when the compositor offers no seat; a seat without a keyboard
  // yet is kept, since a keyboard may come later.
  static std::unique_ptr<WaylandSeatKeymap> create(std::shared_ptr<WaylandConnection> connection,
                                                   xkb_context* context, int timeoutMs = 500);
  ~WaylandSeatKeymap();
  WaylandSeatKeymap(const WaylandSeatKeymap&) = delete;
  WaylandSeatKeymap& operator=(const WaylandSeatKeymap&) = delete;

  // The seat keyboard's keymap, null until one arrived (and after the keyboard went away).
  xkb_keymap* keymap() const { return keymap_; }
  unsigned group() const { return group_; }

 private:
  WaylandSeatKeymap(std::shared_ptr<WaylandConnection> connection, xkb_context* context,
                    wl_seat* seat);
  void setKeyboard(bool present);
  void setKeymap(xkb_keymap* keymap);

  static void onCapabilities(void* data, wl_seat* seat, unsigned capabilities);
  static void onName(void* data, wl_seat* seat, const char* name);
  static void onKeymap(void* data, wl_keyboard* keyboard, unsigned format, int fd, unsigned size);
  static void onModifiers(void* data, wl_keyboard* keyboard, unsigned serial, unsigned depressed,
                          unsigned latched, unsigned locked, unsigned group);

  std::shared_ptr<WaylandConnection> connection_;
  xkb_context* context_;
  wl_seat* seat_;
  wl_keyboard* keyboard_ = nullptr;
  xkb_keymap* keymap_ = nullptr;
  unsigned group_ = 0;
};

}  // namespace halvane
