#pragma once

#include "HVKeyCombo.h"

#include <QString>

#include <functional>

namespace halvane {

// A key combination to register as a system-wide hot key, with what to do when it is pressed.
class HVHotKey {
 public:
  // Called with the record itself when the hot key is pressed.
  using Action = std::function<void(HVHotKey&)>;

  HVHotKey() : HVHotKey(QString(), HVKeyCombo::clearKeyCombo()) {}
  HVHotKey(const QString& identifier, const HVKeyCombo& keyCombo);
  HVHotKey(const HVHotKey&) = delete;
  HVHotKey& operator=(const HVHotKey&) = delete;

  QString identifier() const { return mIdentifier; }
  void setIdentifier(const QString& identifier) { mIdentifier = identifier; }
  QString name() const { return mName; }
  void setName(const QString& name) { mName = name; }
  HVKeyCombo keyCombo() const { return mKeyCombo; }
  void setKeyCombo(const HVKeyCombo& keyCombo) { mKeyCombo = keyCombo; }
  const Action& action() const { return mAction; }
  void setAction(Action action) { mAction = std::move(action); }

  // Runs the action, if any.
  void invoke();
  // "<HVHotKey: identifier, combination text>".
  QString description() const;

  // The id this record is known by to the hot-key service: unique in the process, never 0.
  quint32 hotKeyId() const { return mHotKeyId; }

 private:
  QString mIdentifier;
  QString mName;
  HVKeyCombo mKeyCombo;
  Action mAction;
  quint32 mHotKeyId;
};

}  // namespace halvane
