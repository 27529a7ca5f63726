#pragma once

#include "platform/desktop/overlay/OverlayBackendChoice.h"
#include "platform/desktop/overlay/OverlaySurface.h"
#include "platform/desktop/probe/SessionProbe.h"

#include <QDBusConnection>

#include <memory>

namespace halvane {

// What `probe`'s session offers the overlay. Pure.
OverlaySession overlaySession(const SessionProbe& probe);

// The surface `choice` names; nothing when the Qt window is the overlay itself.
std::unique_ptr<OverlaySurface> createOverlaySurface(
    const OverlayBackendChoice& choice, const SessionProbe& probe,
    const QDBusConnection& bus = QDBusConnection::sessionBus());

}  // namespace halvane
