#pragma once

#include "platform/input/posters/KeymapTextTypist.h"

namespace halvane {

// Types text through the uinput keyboard: only the characters of the layout, with keys the
// device has (those with a Mac key code). A character the layout lacks cannot be typed: the
// kernel's keys mean whatever the desktop's layout makes of them.
// The user's own modifiers cannot be let go of: they belong to another device, and the desktop
// combines the two (X11) or keeps them apart (most Wayland compositors); nothing here can tell.
class UinputTextTypist : public KeymapTextTypist {
 public:
  using KeymapTextTypist::KeymapTextTypist;

  // The evdev reader (the X server's or the compositor's libinput) has a buffer of some
  // hundred events per device; a pause of a millisecond between characters lets it read them
  // before a long text fills it (which loses keys), and keeps 1,000 characters within 2 s.
  double characterGap() const override { return 0.001; }
};

}  // namespace halvane
