#pragma once

#include <QtGlobal>

#include <functional>
#include <memory>

namespace halvane {

// Statuses, with the values the hot-key service of Apple systems uses.
enum HotKeyStatus : int {
  kHotKeyNoErr = 0,
  kHotKeyParameterNotFound = -9870,
  kHotKeyEventNotHandled = -9874,
  kHotKeyExists = -9878,
  kHotKeyInvalid = -9879,
};

// Four-character codes, first character in the highest byte.
constexpr quint32 fourCharCode(const char (&code)[5]) {
  return quint32(quint8(code[0])) << 24 | quint32(quint8(code[1])) << 16 |
         quint32(quint8(code[2])) << 8 | quint32(quint8(code[3]));
}

inline constexpr quint32 kHotKeyEventClass = fourCharCode("keyb");
enum HotKeyEventKind : quint32 { kHotKeyPressed = 5, kHotKeyReleased = 6 };

// Identifies a registration to its owner: a signature for the owning component and an id it
// chose. Events carry it back unchanged.
struct HotKeyId {
  quint32 signature = 0;
  quint32 id = 0;
};

// One hot-key event as the service delivers it.
struct HotKeyEvent {
  quint32 eventClass = kHotKeyEventClass;
  quint32 kind = kHotKeyPressed;
  // Non-zero when the event's hot-key identifier cannot be read.
  int idStatus = kHotKeyNoErr;
  HotKeyId hotKeyId;
};

// Registers system-wide hot keys and delivers their presses and releases.
class HotKeyService {
 public:
  using Reference = quint64;
  // Returns a status; kHotKeyEventNotHandled leaves the event to other handlers.
  using Handler = std::function<int(const HotKeyEvent&)>;

  virtual ~HotKeyService() = default;
  // Grabs the key (an Apple virtual key code) with the modifiers (Carbon mask) for id. Returns
  // kHotKeyNoErr and sets *reference, or a non-zero status when the system refuses.
  virtual int registerHotKey(int keyCode, int modifiers, HotKeyId id, Reference* reference) = 0;
  virtual void unregisterHotKey(Reference reference) = 0;
  // The one function that receives every hot-key event; an empty handler removes it.
  virtual void setEventHandler(Handler handler) = 0;
};

}  // namespace halvane
