#pragma once

#include "shared/plist/PlistValue.h"

#include <QMap>
#include <QString>

// The fixed names of the channel between the helper and the preference pane: a server object
// on the session bus (pane to helper) and a broadcast notification (helper to pane).
namespace halvane::control {

// The helper's server object.
inline constexpr char kServerName[] = "HVKeyboardServer";
inline constexpr char kServiceName[] = "com.halvane.keyboard.HVKeyboardServer";
inline constexpr char kServerPath[] = "/HVKeyboardServer";
inline constexpr char kServerInterface[] = "com.halvane.keyboard.HVKeyboardServer";
inline constexpr char kDiagnosticsInterface[] = "com.halvane.keyboard.Diagnostics";

// The distributed notification signal: Notification(s name, s object, a{ss} userInfo), sent to
// every connection of the session bus.
inline constexpr char kNotificationPath[] = "/DistributedNotificationCenter";
inline constexpr char kNotificationInterface[] = "com.halvane.DistributedNotificationCenter";
inline constexpr char kNotificationSignal[] = "Notification";
inline constexpr char kNotificationSignature[] = "ssa{ss}";

// The object both programs use for their notifications.
inline constexpr char kPaneNotificationIdentifier[] = "com.halvane.keyboard.pane";
inline constexpr char kProfileChanged[] = "Profile Changed";
inline constexpr char kIndexKey[] = "Index";

// {"Index": "<index in decimal>"}: the index travels as text, profile 0 as "0".
inline QMap<QString, QString> profileChangedUserInfo(int index) {
  return {{QString::fromLatin1(kIndexKey), QString::number(index)}};
}

// The index a "Profile Changed" notification carries, read like a text's integer value: its
// leading decimal digits, 0 when there are none or the key is missing. Callers still check
// the range: any process on the bus can send this notification.
inline int profileIndexFromUserInfo(const QMap<QString, QString>& userInfo) {
  return PlistValue(userInfo.value(QString::fromLatin1(kIndexKey))).intValue();
}

}  // namespace halvane::control
