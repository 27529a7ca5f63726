#pragma once

#include "platform/input/keyboardlayout/KeyboardLayoutServices.h"

#include <functional>
#include <memory>
#include <utility>

namespace halvane {

// Layout services made when a layout is first asked for. The helper types text rarely, and the
// system's services hold compiled keymaps (some hundred KiB) and a watch on the seat's keyboard
// from the moment they are made; the first text pays once for making them, a few milliseconds.
class LazyKeyboardLayoutServices : public KeyboardLayoutServices {
 public:
  using Factory = std::function<std::unique_ptr<KeyboardLayoutServices>()>;
  explicit LazyKeyboardLayoutServices(Factory make) : make_(std::move(make)) {}

  std::shared_ptr<const KeyboardLayout> currentLayout() override {
    if (make_) {
      made_ = make_();
      make_ = nullptr;
    }
    return made_ ? made_->currentLayout() : nullptr;
  }

 private:
  Factory make_;
  std::unique_ptr<KeyboardLayoutServices> made_;
};

}  // namespace halvane
