#pragma once

#include <QString>

#include <functional>
#include <utility>

namespace halvane {

// The on-screen profile name, as the controller drives it: shown with a fade-in on a switch,
// faded out by the controller's idle check once fully visible.
class ProfileOverlay {
 public:
  virtual ~ProfileOverlay() = default;
  // Shows name and starts fading in; a null name makes the window fade out instead.
  virtual void displayProfileName(const QString& name) = 0;
  virtual void hideProfileName() = 0;
  // True while the overlay is at full strength.
  virtual bool profileNameVisible() const = 0;
  // Puts the overlay at the bottom-right of the main screen's visible area; from then on it
  // stays on screen, shown and hidden only by its fading.
  virtual void placeOnMainScreen() {}
  // Called each time a fade-out ends with the overlay at nothing.
  void setHiddenHandler(std::function<void()> handler) { hiddenHandler_ = std::move(handler); }

 protected:
  void notifyHidden() {
    if (hiddenHandler_) hiddenHandler_();
  }

 private:
  std::function<void()> hiddenHandler_;
};

}  // namespace halvane
