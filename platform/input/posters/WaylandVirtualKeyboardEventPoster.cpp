#include "platform/input/posters/WaylandVirtualKeyboardEventPoster.h"

#include "platform/desktop/wayland/WaylandConnection.h"
#include "platform/input/keyboardlayout/WaylandSeatKeymap.h"
#include "platform/input/keyboardlayout/XkbKeymapWithCharacters.h"
#include "platform/input/keycodes/MacKeyCodes.h"

#include "virtual-keyboard-unstable-v1-client-protocol.h"

#include <QCoreApplication>
#include <QCryptographicHash>

#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include <sys/mman.h>
#include <unistd.h>
#include <chrono>
#include <cstring>

namespace halvane {
namespace {

// The keymap the seat uses now, else the environment's; null when neither compiles.
xkb_keymap* currentKeymap(const std::shared_ptr<WaylandConnection>& connection) {
  xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
  if (!context) return nullptr;
  std::unique_ptr<WaylandSeatKeymap> seat = WaylandSeatKeymap::create(connection, context);
  xkb_keymap* keymap = seat && seat->keymap() ? xkb_keymap_ref(seat->keymap())
                                              : xkb_keymap_new_from_names(
                                                    context, nullptr, XKB_KEYMAP_COMPILE_NO_FLAGS);
  seat.reset();
  xkb_context_unref(context);  // the keymap holds its own reference
  return keymap;
}

QByteArray digestOf(const QByteArray& text) {
  return QCryptographicHash::hash(text, QCryptographicHash::Sha256);
}

// The keymap as the protocol takes it: NUL-terminated, in a file the compositor maps.
int keymapFile(const QByteArray& text) {
  const int fd = memfd_create("halvane-keymap", MFD_CLOEXEC);
  if (fd < 0) return -1;
  const qsizetype size = text.size() + 1;
  if (write(fd, text.constData(), size_t(size)) != ssize_t(size)) {
    close(fd);
    return -1;
  }
  return fd;
}

std::uint32_t nowMs() {
  return std::uint32_t(std::chrono::duration_cast<std::chrono::milliseconds>(
                           std::chrono::steady_clock::now().time_since_epoch())
                           .count());
}

}  // namespace

QString WaylandVirtualKeyboardEventPoster::unavailableReason(const SessionProbe& probe) {
  if (!probe.waylandConnected)
    return QCoreApplication::translate("WaylandVirtualKeyboardEventPoster",
                                       "no Wayland connection");
  for (const char* needed : {"zwp_virtual_keyboard_manager_v1", "wl_seat"}) {
    if (!probe.waylandGlobals.contains(QLatin1String(needed)))
      return QCoreApplication::translate("WaylandVirtualKeyboardEventPoster",
                                         "the compositor has no %1")
          .arg(QString::fromLatin1(needed));
  }
  return {};
}

std::unique_ptr<WaylandVirtualKeyboardEventPoster> WaylandVirtualKeyboardEventPoster::create(
    std::shared_ptr<WaylandConnection> connection, QString* whyNot) {
  SessionProbe probe;
  probe.waylandConnected = connection && connection->isConnected();
  if (probe.waylandConnected) probe.waylandGlobals = connection->globalInterfaces();
  *whyNot = unavailableReason(probe);
  if (!whyNot->isEmpty()) return nullptr;
  std::unique_ptr<WaylandVirtualKeyboardEventPoster> poster(
      new WaylandVirtualKeyboardEventPoster(connection));
  poster->keymap_ = currentKeymap(connection);
  poster->state_ = poster->keymap_ ? xkb_state_new(poster->keymap_) : nullptr;
  const QByteArray text = halvane::keymapText(poster->keymap_);
  const int fd = text.isEmpty() || !poster->state_ ? -1 : keymapFile(text);
  if (fd < 0) {
    *whyNot = QCoreApplication::translate("WaylandVirtualKeyboardEventPoster",
                                          "no keymap to give the virtual keyboard");
    return nullptr;
  }
  poster->seat_ = connection->bind<wl_seat>(&wl_seat_interface, 1);
  poster->manager_ = connection->bind<zwp_virtual_keyboard_manager_v1>(
      &zwp_virtual_keyboard_manager_v1_interface, 1);
  poster->keyboard_ =
      zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(poster->manager_, poster->seat_);
  zwp_virtual_keyboard_v1_keymap(poster->keyboard_, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd,
                                 std::uint32_t(text.size() + 1));
  close(fd);
  poster->keymapDigest_ = digestOf(text);
  // A compositor that refuses the keyboard ends the connection: find out now, not at the first key.
  if (!connection->roundtrip(std::chrono::milliseconds(1000)) || !connection->isConnected()) {
    *whyNot = QCoreApplication::translate("WaylandVirtualKeyboardEventPoster",
                                          "the compositor refused a virtual keyboard");
    return nullptr;
  }
  return poster;
}

WaylandVirtualKeyboardEventPoster::WaylandVirtualKeyboardEventPoster(
    std::shared_ptr<WaylandConnection> connection)
    : connection_(std::move(connection)) {}

WaylandVirtualKeyboardEventPoster::~WaylandVirtualKeyboardEventPoster() {
  const std::set<int> held = held_;
  if (keyboard_ && connection_->isConnected()) {
    for (int key : held) emitKey(key, false);
    zwp_virtual_keyboard_v1_destroy(keyboard_);
  }
  if (manager_) zwp_virtual_keyboard_manager_v1_destroy(manager_);
  if (seat_) wl_seat_destroy(seat_);
  connection_->flush();
  xkb_state_unref(state_);
  xkb_keymap_unref(keymap_);
}

bool WaylandVirtualKeyboardEventPoster::postKeyboardEvent(quint16 virtualKeyCode, bool keyDown) {
  const std::optional<int> evdev = evdevForMacKeyCode(virtualKeyCode);
  return !evdev || emitKey(*evdev, keyDown);
}

QByteArray WaylandVirtualKeyboardEventPoster::keymapText() const {
  return halvane::keymapText(keymap_);
}

bool WaylandVirtualKeyboardEventPoster::useKeymap(const QByteArray& text, unsigned group) {
  if (!connection_->isConnected()) return false;
  if (const QByteArray digest = digestOf(text); digest != keymapDigest_) {
    xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    xkb_keymap* keymap =
        context ? xkb_keymap_new_from_string(context, text.constData(), XKB_KEYMAP_FORMAT_TEXT_V1,
                                             XKB_KEYMAP_COMPILE_NO_FLAGS)
                : nullptr;
    xkb_context_unref(context);
    xkb_state* state = keymap ? xkb_state_new(keymap) : nullptr;
    const int fd = state ? keymapFile(text) : -1;
    if (fd < 0) {
      xkb_state_unref(state);
      xkb_keymap_unref(keymap);
      return false;
    }
    zwp_virtual_keyboard_v1_keymap(keyboard_, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd,
                                   std::uint32_t(text.size() + 1));
    close(fd);
    xkb_state_unref(state_);
    xkb_keymap_unref(keymap_);
    keymap_ = keymap;
    state_ = state;
    keymapDigest_ = digest;
  }
  // The group is locked: keys typed later keep it.
  xkb_state_update_mask(state_, 0, 0, 0, 0, 0, group);
  zwp_virtual_keyboard_v1_modifiers(keyboard_, 0, 0, 0,
                                    xkb_state_serialize_layout(state_, XKB_STATE_LAYOUT_EFFECTIVE));
  connection_->flush();
  return true;
}

bool WaylandVirtualKeyboardEventPoster::emitKey(int evdevKey, bool down) {
  if (!connection_->isConnected()) return false;
  zwp_virtual_keyboard_v1_key(
      keyboard_, nowMs(), std::uint32_t(evdevKey),
      down ? WL_KEYBOARD_KEY_STATE_PRESSED : WL_KEYBOARD_KEY_STATE_RELEASED);
  const xkb_keycode_t xkbKey = xkb_keycode_t(evdevKey + kX11KeyCodeOffset);
  const int changed = xkb_state_update_key(state_, xkbKey, down ? XKB_KEY_DOWN : XKB_KEY_UP);
  if (changed & (XKB_STATE_MODS_DEPRESSED | XKB_STATE_MODS_LATCHED | XKB_STATE_MODS_LOCKED |
                 XKB_STATE_LAYOUT_EFFECTIVE)) {
    zwp_virtual_keyboard_v1_modifiers(
        keyboard_, xkb_state_serialize_mods(state_, XKB_STATE_MODS_DEPRESSED),
        xkb_state_serialize_mods(state_, XKB_STATE_MODS_LATCHED),
        xkb_state_serialize_mods(state_, XKB_STATE_MODS_LOCKED),
        xkb_state_serialize_layout(state_, XKB_STATE_LAYOUT_EFFECTIVE));
  }
  // Keys go out at once, in order, rather than when the loop next sleeps.
  connection_->flush();
  if (down)
    held_.insert(evdevKey);
  else
    held_.erase(evdevKey);
  return true;
}

}  // namespace halvane
