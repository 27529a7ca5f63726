#include "platform/input/keyboardlayout/WaylandSeatKeymap.h"

#include "platform/desktop/wayland/WaylandConnection.h"

#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include <sys/mman.h>
#include <unistd.h>

namespace halvane {
namespace {

// Each listener must fill every slot; the events the keymap does not need do nothing.
void ignoreEnter(void*, wl_keyboard*, uint32_t, wl_surface*, wl_array*) {}
void ignoreLeave(void*, wl_keyboard*, uint32_t, wl_surface*) {}
void ignoreKey(void*, wl_keyboard*, uint32_t, uint32_t, uint32_t, uint32_t) {}
void ignoreRepeat(void*, wl_keyboard*, int32_t, int32_t) {}

xkb_keymap* compileKeymap(xkb_context* context, int fd, unsigned size) {
  void* text = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
  if (text == MAP_FAILED) return nullptr;
  // The compositor's buffer ends in a NUL; the length given leaves it out.
  xkb_keymap* keymap =
      xkb_keymap_new_from_buffer(context, static_cast<const char*>(text), size > 0 ? size - 1 : 0,
                                 XKB_KEYMAP_FORMAT_TEXT_V1, XKB_KEYMAP_COMPILE_NO_FLAGS);
  munmap(text, size);
  return keymap;
}

}  // namespace

std::unique_ptr<WaylandSeatKeymap> WaylandSeatKeymap::create(
    std::shared_ptr<WaylandConnection> connection, xkb_context* context, int timeoutMs) {
  if (!connection || !context) return nullptr;
  // Version 5 lets the seat and its keyboard be released; nothing newer is needed.
  auto* seat = connection->bind<wl_seat>(&wl_seat_interface, 5);
  if (!seat) return nullptr;
  std::unique_ptr<WaylandSeatKeymap> keymap(new WaylandSeatKeymap(connection, context, seat));
  // One roundtrip for the capabilities, one for the keymap of the keyboard they announce.
  connection->roundtrip(std::chrono::milliseconds(timeoutMs));
  if (keymap->keyboard_) connection->roundtrip(std::chrono::milliseconds(timeoutMs));
  return keymap;
}

WaylandSeatKeymap::WaylandSeatKeymap(std::shared_ptr<WaylandConnection> connection,
                                     xkb_context* context, wl_seat* seat)
    : connection_(std::move(connection)), context_(xkb_context_ref(context)), seat_(seat) {
  static const wl_seat_listener listener = {&WaylandSeatKeymap::onCapabilities,
                                            &WaylandSeatKeymap::onName};
  wl_seat_add_listener(seat_, &listener, this);
}

WaylandSeatKeymap::~WaylandSeatKeymap() {
  setKeyboard(false);
  if (connection_->isConnected() && wl_seat_get_version(seat_) >= WL_SEAT_RELEASE_SINCE_VERSION)
    wl_seat_release(seat_);
  else
    wl_seat_destroy(seat_);
  xkb_context_unref(context_);
}

void WaylandSeatKeymap::setKeyboard(bool present) {
  if (present == (keyboard_ != nullptr)) return;
  if (present) {
    static const wl_keyboard_listener listener = {
        &WaylandSeatKeymap::onKeymap,    &ignoreEnter, &ignoreLeave, &ignoreKey,
        &WaylandSeatKeymap::onModifiers, &ignoreRepeat};
    keyboard_ = wl_seat_get_keyboard(seat_);
    wl_keyboard_add_listener(keyboard_, &listener, this);
    return;
  }
  if (connection_->isConnected() &&
      wl_keyboard_get_version(keyboard_) >= WL_KEYBOARD_RELEASE_SINCE_VERSION)
    wl_keyboard_release(keyboard_);
  else
    wl_keyboard_destroy(keyboard_);
  keyboard_ = nullptr;
  setKeymap(nullptr);
  group_ = 0;
}

void WaylandSeatKeymap::setKeymap(xkb_keymap* keymap) {
  xkb_keymap_unref(keymap_);
  keymap_ = keymap;
}

void WaylandSeatKeymap::onCapabilities(void* data, wl_seat*, unsigned capabilities) {
  static_cast<WaylandSeatKeymap*>(data)->setKeyboard(capabilities & WL_SEAT_CAPABILITY_KEYBOARD);
}

void WaylandSeatKeymap::onName(void*, wl_seat*, const char*) {}

void WaylandSeatKeymap::onKeymap(void* data, wl_keyboard*, unsigned format, int fd, unsigned size) {
  auto* self = static_cast<WaylandSeatKeymap*>(data);
  // A keyboard without a keymap (format no_keymap) types raw codes: no layout to name.
  xkb_keymap* keymap = format == WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1
                           ? compileKeymap(self->context_, fd, size)
                           : nullptr;
  close(fd);
  self->setKeymap(keymap);
  if (self->keymap_ && self->group_ >= xkb_keymap_num_layouts(self->keymap_)) self->group_ = 0;
}

void WaylandSeatKeymap::onModifiers(void* data, wl_keyboard*, unsigned, unsigned, unsigned,
                                    unsigned, unsigned group) {
  auto* self = static_cast<WaylandSeatKeymap*>(data);
  if (self->keymap_ && group < xkb_keymap_num_layouts(self->keymap_)) self->group_ = group;
}

}  // namespace halvane
