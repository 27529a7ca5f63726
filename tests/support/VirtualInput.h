#pragma once

#include <QPoint>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>

struct wl_seat;
struct zwp_virtual_keyboard_manager_v1;
struct zwp_virtual_keyboard_v1;
struct zwlr_virtual_pointer_manager_v1;
struct zwlr_virtual_pointer_v1;

namespace halvane {
class WaylandConnection;
}

namespace halvane::test {

// Headless sway (WLR_LIBINPUT_NO_DEVICES=1) has no input devices, so its seat offers neither a
// keyboard nor a pointer. These make real ones through sway's virtual-input protocols, on a
// connection of the test's own: the seat then announces them to every client as it would a
// plugged-in device.
class VirtualKeyboard {
 public:
  // A keyboard whose own keymap is compiled from this xkb layout name.
  static std::unique_ptr<VirtualKeyboard> create(std::shared_ptr<WaylandConnection> connection,
                                                 const QString& layout = QStringLiteral("us"));
  ~VirtualKeyboard();
  VirtualKeyboard(const VirtualKeyboard&) = delete;
  VirtualKeyboard& operator=(const VirtualKeyboard&) = delete;

  // Presses and releases an evdev key.
  void tap(unsigned evdevKeyCode);

 private:
  VirtualKeyboard() = default;
  std::shared_ptr<WaylandConnection> connection_;
  wl_seat* seat_ = nullptr;
  zwp_virtual_keyboard_manager_v1* manager_ = nullptr;
  zwp_virtual_keyboard_v1* keyboard_ = nullptr;
  unsigned time_ = 1;
};

class VirtualPointer {
 public:
  // A pointer moving over an output of `extent` pixels.
  static std::unique_ptr<VirtualPointer> create(std::shared_ptr<WaylandConnection> connection,
                                                QSize extent);
  ~VirtualPointer();
  VirtualPointer(const VirtualPointer&) = delete;
  VirtualPointer& operator=(const VirtualPointer&) = delete;

  void moveTo(QPoint position);
  void press();
  void release();
  // Presses at `from`, moves to `to` in steps, releases there; `afterEachStep` lets the
  // clients under test answer in between.
  void drag(QPoint from, QPoint to, const std::function<void()>& afterEachStep = {});

 private:
  VirtualPointer() = default;
  void button(bool pressed);
  std::shared_ptr<WaylandConnection> connection_;
  wl_seat* seat_ = nullptr;
  zwlr_virtual_pointer_manager_v1* manager_ = nullptr;
  zwlr_virtual_pointer_v1* pointer_ = nullptr;
  QSize extent_;
  unsigned time_ = 1;
};

}  // namespace halvane::test
