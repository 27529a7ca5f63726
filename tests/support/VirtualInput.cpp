#include "tests/support/VirtualInput.h"

#include "platform/desktop/wayland/WaylandConnection.h"

#include "virtual-keyboard-unstable-v1-client-protocol.h"
#include "wlr-virtual-pointer-unstable-v1-client-protocol.h"

#include <linux/input-event-codes.h>
#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include <sys/mman.h>
#include <unistd.h>
#include <cstring>

namespace halvane::test {
namespace {

constexpr std::chrono::milliseconds kRoundtrip(2000);

// The keymap as the protocol takes it: a NUL-terminated text in a file the compositor maps.
int keymapFile(const QString& layout, unsigned* size) {
  xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES);
  const QByteArray name = layout.toUtf8();
  const xkb_rule_names names{"evdev", "pc105", name.constData(), "", ""};
  xkb_keymap* keymap =
      context ? xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS) : nullptr;
  char* text = keymap ? xkb_keymap_get_as_string(keymap, XKB_KEYMAP_FORMAT_TEXT_V1) : nullptr;
  int fd = -1;
  if (text) {
    *size = unsigned(std::strlen(text) + 1);
    fd = memfd_create("virtual-keymap", MFD_CLOEXEC);
    if (fd >= 0 && write(fd, text, *size) != ssize_t(*size)) {
      close(fd);
      fd = -1;
    }
  }
  std::free(text);
  xkb_keymap_unref(keymap);
  xkb_context_unref(context);
  return fd;
}

}  // namespace

std::unique_ptr<VirtualKeyboard> VirtualKeyboard::create(
    std::shared_ptr<WaylandConnection> connection, const QString& layout) {
  std::unique_ptr<VirtualKeyboard> k(new VirtualKeyboard);
  k->connection_ = connection;
  k->seat_ = connection->bind<wl_seat>(&wl_seat_interface, 1);
  k->manager_ = connection->bind<zwp_virtual_keyboard_manager_v1>(
      &zwp_virtual_keyboard_manager_v1_interface, 1);
  if (!k->seat_ || !k->manager_) return nullptr;
  unsigned size = 0;
  const int fd = keymapFile(layout, &size);
  if (fd < 0) return nullptr;
  k->keyboard_ = zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(k->manager_, k->seat_);
  zwp_virtual_keyboard_v1_keymap(k->keyboard_, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd, size);
  close(fd);
  if (!connection->roundtrip(kRoundtrip)) return nullptr;
  return k;
}

VirtualKeyboard::~VirtualKeyboard() {
  if (keyboard_) zwp_virtual_keyboard_v1_destroy(keyboard_);
  if (manager_) wl_proxy_destroy(reinterpret_cast<wl_proxy*>(manager_));
  if (seat_) wl_seat_destroy(seat_);
  connection_->roundtrip(kRoundtrip);
}

void VirtualKeyboard::tap(unsigned evdevKeyCode) {
  zwp_virtual_keyboard_v1_key(keyboard_, time_++, evdevKeyCode, WL_KEYBOARD_KEY_STATE_PRESSED);
  zwp_virtual_keyboard_v1_key(keyboard_, time_++, evdevKeyCode, WL_KEYBOARD_KEY_STATE_RELEASED);
  connection_->roundtrip(kRoundtrip);
}

std::unique_ptr<VirtualPointer> VirtualPointer::create(
    std::shared_ptr<WaylandConnection> connection, QSize extent) {
  std::unique_ptr<VirtualPointer> p(new VirtualPointer);
  p->connection_ = connection;
  p->extent_ = extent;
  p->seat_ = connection->bind<wl_seat>(&wl_seat_interface, 1);
  p->manager_ = connection->bind<zwlr_virtual_pointer_manager_v1>(
      &zwlr_virtual_pointer_manager_v1_interface, 1);
  if (!p->seat_ || !p->manager_) return nullptr;
  p->pointer_ = zwlr_virtual_pointer_manager_v1_create_virtual_pointer(p->manager_, p->seat_);
  if (!connection->roundtrip(kRoundtrip)) return nullptr;
  return p;
}

VirtualPointer::~VirtualPointer() {
  if (pointer_) zwlr_virtual_pointer_v1_destroy(pointer_);
  if (manager_) zwlr_virtual_pointer_manager_v1_destroy(manager_);
  if (seat_) wl_seat_destroy(seat_);
  connection_->roundtrip(kRoundtrip);
}

void VirtualPointer::moveTo(QPoint position) {
  zwlr_virtual_pointer_v1_motion_absolute(pointer_, time_++, unsigned(position.x()),
                                          unsigned(position.y()), unsigned(extent_.width()),
                                          unsigned(extent_.height()));
  zwlr_virtual_pointer_v1_frame(pointer_);
  connection_->roundtrip(kRoundtrip);
}

void VirtualPointer::button(bool pressed) {
  zwlr_virtual_pointer_v1_button(
      pointer_, time_++, BTN_LEFT,
      pressed ? WL_POINTER_BUTTON_STATE_PRESSED : WL_POINTER_BUTTON_STATE_RELEASED);
  zwlr_virtual_pointer_v1_frame(pointer_);
  connection_->roundtrip(kRoundtrip);
}

void VirtualPointer::press() {
  button(true);
}
void VirtualPointer::release() {
  button(false);
}

void VirtualPointer::drag(QPoint from, QPoint to, const std::function<void()>& afterEachStep) {
  const auto step = [&] {
    if (afterEachStep) afterEachStep();
  };
  moveTo(from);
  press();
  step();
  constexpr int kSteps = 10;
  for (int i = 1; i <= kSteps; ++i) {
    moveTo(from + (to - from) * i / kSteps);
    step();
  }
  release();
  step();
}

}  // namespace halvane::test
