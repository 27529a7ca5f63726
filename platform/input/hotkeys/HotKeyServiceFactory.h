#pragma once

#include "platform/input/hotkeys/HotKeyBackendChoice.h"
#include "platform/input/hotkeys/HotKeyService.h"

#include <QDBusConnection>

#include <memory>

namespace halvane {

class SystemLog;

// What `probe`'s session offers hot keys, given what the desktop portal answered. Pure.
HotKeySession hotKeySession(const SessionProbe& probe, uint portalVersion, const QString& noPortal);
// The same, the portal asked on `bus` (only on Wayland, where it is used).
HotKeySession hotKeySession(const SessionProbe& probe,
                            const QDBusConnection& bus = QDBusConnection::sessionBus());

// The service `choice` names for `probe`'s session; one that refuses every registration when it
// is none, or when the X server cannot be reached after all.
std::unique_ptr<HotKeyService> createHotKeyService(
    const HotKeyBackendChoice& choice, const SessionProbe& probe, SystemLog& log,
    const QDBusConnection& bus = QDBusConnection::sessionBus());

}  // namespace halvane
