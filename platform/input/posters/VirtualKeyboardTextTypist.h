#pragma once

#include "platform/input/posters/KeymapTextTypist.h"

#include <QByteArray>

#include <map>
#include <vector>

namespace halvane {

class WaylandVirtualKeyboardEventPoster;

// Types text through the compositor's virtual keyboard: the layout's characters with their keys,
// any other character on a spare key of a keymap that holds it (the layout's keymap with the
// text's other characters added), which the keyboard carries until the text ends. At the start
// of a text the keyboard takes the layout in use now (its keymap and active group), since the
// compositor reads our keys with our keyboard's keymap, not the seat's.
// The user's own modifiers need no release: the compositor keeps modifiers per keyboard and
// sends applications those of the keyboard that typed last, which is ours while we type.
class VirtualKeyboardTextTypist : public KeymapTextTypist {
 public:
  VirtualKeyboardTextTypist(KeyboardEventPoster& keys, WaylandVirtualKeyboardEventPoster& keyboard,
                            std::unique_ptr<KeyboardLayoutServices> layouts);
  // Puts back the layout's keymap.
  ~VirtualKeyboardTextTypist() override;

  // Without a pause a long text fills our socket faster than sway reads it, and the connection
  // breaks; a millisecond between characters typed 1,000 in 1.2 s on headless sway without
  // loss (bench/text).
  double characterGap() const override { return 0.001; }

 protected:
  bool postsKeysDirectly() const override { return true; }
  bool postKeyDirectly(int evdevKey, bool down) override;
  bool typesOutsideLayout(char32_t character) const override;
  bool typeOutsideLayout(char32_t character) override;
  void releaseUserModifiers() override;
  void putBack() override;

 private:
  WaylandVirtualKeyboardEventPoster& keyboard_;
  QByteArray layoutText_;  // the layout's keymap, as the keyboard carried it at the text's start
  unsigned group_ = 0;
  std::vector<char32_t> added_;
  std::map<char32_t, int> addedKeys_;
};

}  // namespace halvane
