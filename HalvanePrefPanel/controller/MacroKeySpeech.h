#pragma once

#include "HVKeyCombo.h"
#include "shared/plist/PlistValue.h"
#include "shared/settings/MacroStep.h"

#include <QCoreApplication>
#include <QString>

#include <functional>

namespace halvane {

// What a screen reader says about a macro key: its name and what it does, in words, as in
// "L2: types Control+C, waits 0.5 seconds, types Control+V". The key combinations are spoken
// from the key-name table and never translated; the words around them are.
class MacroKeySpeech {
  Q_DECLARE_TR_FUNCTIONS(MacroKeySpeech)

 public:
  // The display name of an application file; empty when it has none (a file that is gone).
  using DisplayName = std::function<QString(const QString& path)>;

  // keyName ("L2") and what the macro-key record does; profiles names the profile it selects.
  static QString sentence(const QString& keyName, const PlistValue& macroKey,
                          const PlistValue& profiles, const DisplayName& displayName);
  // What the record does, without the key's name.
  static QString action(const PlistValue& macroKey, const PlistValue& profiles,
                        const DisplayName& displayName);
  // One step typed ("types Control+C") and the pause after it, if any.
  static QString step(const HVKeyCombo& combo);
  // One step of any kind and its pause: "types “hello”", "clicks the middle button", "scrolls
  // down 3 notches".
  static QString step(const settings::MacroStep& step);
  // The pause of a step: "waits 0.5 seconds", in the locale's numbers.
  static QString pause(int milliseconds);

  // The characters of a text step said before the rest is left out ("…").
  static constexpr int kSpokenTextLength = 80;
};

}  // namespace halvane
