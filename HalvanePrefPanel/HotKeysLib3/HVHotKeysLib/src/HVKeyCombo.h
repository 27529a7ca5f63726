#pragma once

#include "shared/plist/PlistValue.h"

#include <QList>
#include <QString>

#include <functional>
#include <memory>

namespace halvane {

// One keystroke of a macro: a virtual key code, a modifier mask in the Carbon bit layout and the
// pause in milliseconds that playback waits after it.
//
// A handle on a shared combination: copying yields the same combination, not a new one, so a
// delay added through one holder is seen by every other.
class HVKeyCombo {
 public:
  // A new clear combination.
  HVKeyCombo();
  // Key code and mask as given; the delay clamped to settings::kMaxDelay.
  HVKeyCombo(int keyCode, int modifiers, int delay);

  static HVKeyCombo clearKeyCombo() { return HVKeyCombo(); }
  static HVKeyCombo keyComboWithKeyCode(int keyCode, int modifiers, int delay) {
    return HVKeyCombo(keyCode, modifiers, delay);
  }

  int keyCode() const { return d_->mKeyCode; }
  int modifiers() const { return d_->mModifiers; }
  int delay() const { return d_->fDelay; }

  bool isValidHotKeyCombo() const { return keyCode() >= 0 && modifiers() >= 0; }
  bool isClearCombo() const { return keyCode() == -1 && modifiers() == -1; }

  // Adds to the delay, clamped to settings::kMaxDelay; every holder sees the new delay.
  void addDelay(int milliseconds);

  bool isSameObject(const HVKeyCombo& other) const { return d_ == other.d_; }
  // Same key code and modifiers; the delay takes no part.
  friend bool operator==(const HVKeyCombo& a, const HVKeyCombo& b) {
    return a.keyCode() == b.keyCode() && a.modifiers() == b.modifiers();
  }

  // The text a user sees: modifier glyphs, key name and "+<delay>ms", or "(None)".
  QString description() const;
  // The text a screen reader says: the modifier keys' and the key's names from the key-name
  // table, joined by "+" ("Control+C"), without the delay; "(None)" as description() says it.
  QString spokenDescription() const;

  // Glyphs of the mask, always in the order Command, Option, Control, Shift.
  static QString stringForModifiers(int modifiers);
  // The key's name from the key-name table, else from the current keyboard layout.
  static QString stringForKeyCode(qint16 keyCode);
  static QString stringForKeyCodeInLegacyMap(qint16 keyCode, const PlistValue& legacyKeyCodeMap);
  static QString stringForKeyCodeInNewMap(qint16 keyCode, const PlistValue& newKeyCodeMap);

  // The key-name table, loaded at first use and kept; a load that yields nothing is tried again
  // at the next use.
  static PlistValue keyCodesDictionary();
  // Where the table comes from; an empty loader restores the default, the HVKeyCodes.plist
  // resource of the bundle that holds this code. Forgets the table loaded so far.
  static void setKeyCodesDictionaryLoader(std::function<PlistValue()> loader);

 private:
  struct Fields {
    int mKeyCode;
    int mModifiers;
    int fDelay;
  };
  std::shared_ptr<Fields> d_;
};

}  // namespace halvane
