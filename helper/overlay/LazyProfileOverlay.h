#pragma once

#include "helper/overlay/ProfileOverlay.h"

#include <functional>
#include <memory>

namespace halvane {

// The overlay made on first use. Until a name is shown a helper holds no window, widget style,
// fonts or surface buffers (a few MiB at rest); the window is transparent until then anyway.
class LazyProfileOverlay : public ProfileOverlay {
 public:
  using Factory = std::function<std::unique_ptr<ProfileOverlay>()>;
  // afterHidden runs each time the overlay has faded out, after the hidden handler: drawing
  // the name is over, and what it used may be given back.
  explicit LazyProfileOverlay(Factory make, std::function<void()> afterHidden = {})
      : make_(std::move(make)), afterHidden_(std::move(afterHidden)) {}

  void displayProfileName(const QString& name) override { made().displayProfileName(name); }
  // Made for a hide as well: it still traces and runs its (empty) fade.
  void hideProfileName() override { made().hideProfileName(); }
  bool profileNameVisible() const override { return overlay_ && overlay_->profileNameVisible(); }
  // Placed now if made, else as it is made.
  void placeOnMainScreen() override {
    placed_ = true;
    if (overlay_) overlay_->placeOnMainScreen();
  }

  ProfileOverlay* overlay() const { return overlay_.get(); }

 private:
  ProfileOverlay& made() {
    if (overlay_) return *overlay_;
    overlay_ = make_();
    overlay_->setHiddenHandler([this] {
      notifyHidden();
      if (afterHidden_) afterHidden_();
    });
    if (placed_) overlay_->placeOnMainScreen();
    return *overlay_;
  }

  Factory make_;
  std::function<void()> afterHidden_;
  std::unique_ptr<ProfileOverlay> overlay_;
  bool placed_ = false;
};

}  // namespace halvane
