#pragma once

#include "platform/input/hotkeys/HotKeyBackendChoice.h"
#include "platform/input/hotkeys/HotKeyService.h"

#include <QDBusConnection>

#include <memory>

namespace halvane {

class SystemLog;

// What `probe`'s session offers hot keys, given what the desktop portal answered. Pure.
HotKeySession hotKeySession(const SessionProbe& probe, uint portalVersion, const QString& noPortal);

// The service `choice` names for `probe`'s session; one that refuses every registration when it
// is none, or when the X server cannot be reached after all.
std::unique_ptr<HotKeyService> createHotKeyService(
    const HotKeyBackendChoice& choice, const SessionProbe& probe, SystemLog& log,
    const QDBusConnection& bus = QDBusConnection::sessionBus());

// The service for `probe`'s session, its choice logged. On Wayland the choice waits for the
// desktop portal's answer on the event loop; registrations made meanwhile are handed to the
// service chosen.
std::unique_ptr<HotKeyService> createSessionHotKeyService(
    const SessionProbe& probe, SystemLog& log,
    const QDBusConnection& bus = QDBusConnection::sessionBus());

}  // namespace halvane
