#pragma once

namespace halvane {

// What the helper offers the preference pane through the control channel. The helper's
// controller implements it; the channel's server side only forwards to it.
class KeyboardServer {
 public:
  virtual ~KeyboardServer() = default;
  // The current profile index.
  virtual int getCurrentProfile() = 0;
  // Switches to index without announcing the change (the pane asked for it).
  virtual void setCurrentProfile(int index) = 0;
  // Reads the settings file again and re-sends the driver settings of the current profile.
  virtual void reloadPrefs() = 0;
};

}  // namespace halvane
