#pragma once

#include "platform/input/posters/KeymapTextTypist.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace halvane {

class XTestKeyboardEventPoster;

// Types text into the X server: the layout's characters with their keys, any other character
// through a spare key code (one without keysyms) mapped to its keysym for the rest of the text.
// The mapping goes out on the poster's own connection before the key, so the server and every
// client (which hear a MappingNotify) know the key before it comes; clients that read the
// mapping late still read it right, since it stays until the text ends. The modifiers the user
// holds (the server's key state) are let go of for the text and pressed again after it, and Caps
// Lock, when on, is turned off for the text and on again.
class XTestTextTypist : public KeymapTextTypist {
 public:
  XTestTextTypist(KeyboardEventPoster& keys, XTestKeyboardEventPoster& server,
                  std::unique_ptr<KeyboardLayoutServices> layouts);
  // Puts back the spare key codes.
  ~XTestTextTypist() override;

  // The server queues every client's events, so nothing is lost without a pause: 1,000
  // characters reached an X client in under 20 ms on Xvfb (bench/text).
  double characterGap() const override { return 0; }

 protected:
  bool postsKeysDirectly() const override { return true; }
  bool postKeyDirectly(int evdevKey, bool down) override;
  bool typesOutsideLayout(char32_t character) const override;
  bool typeOutsideLayout(char32_t character) override;
  void releaseUserModifiers() override;
  void putBack() override;

 private:
  struct Mapped {
    quint8 keyCode;
    std::uint32_t keysym;  // an xkbcommon keysym
  };
  std::optional<quint8> keyCodeFor(std::uint32_t keysym);
  bool setKeysym(quint8 keyCode, std::uint32_t keysym);
  void tapKey(quint8 keyCode);

  XTestKeyboardEventPoster& server_;
  std::vector<quint8> spare_;  // found when the first character needs one
  bool spareKnown_ = false;
  std::vector<Mapped> mapped_;  // the oldest first
  std::vector<quint8> userModifiers_;
  std::optional<quint8> capsLock_;  // the key that turned Caps Lock off for the text
};

}  // namespace halvane
