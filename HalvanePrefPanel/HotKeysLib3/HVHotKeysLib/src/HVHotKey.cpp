#include "HVHotKey.h"

namespace halvane {
namespace {

// Ids stand for records in events; a record's address does not fit the 32 bits an id has.
quint32 nextHotKeyId() {
  static quint32 last = 0;
  if (++last == 0) ++last;
  return last;
}

}  // namespace

HVHotKey::HVHotKey(const QString& identifier, const HVKeyCombo& keyCombo)
    : mIdentifier(identifier), mKeyCombo(keyCombo), mHotKeyId(nextHotKeyId()) {}

void HVHotKey::invoke() {
  const Action action = mAction;  // the action may replace itself
  if (action) action(*this);
}

QString HVHotKey::description() const {
  return QStringLiteral("<HVHotKey: %1, %2>").arg(mIdentifier, mKeyCombo.description());
}

}  // namespace halvane
