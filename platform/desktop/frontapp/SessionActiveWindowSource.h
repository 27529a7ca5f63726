#pragma once

#include "platform/desktop/frontapp/ActiveWindowSource.h"
#include "platform/desktop/frontapp/BackendChoice.h"
#include "platform/desktop/frontapp/FrontSourceServices.h"

#include <QDBusConnection>

#include <memory>

namespace halvane {

// The source of a Wayland backend. Null for X11 and None (the X11 source is made where the X
// connection is), and when the backend's connection cannot be had after all.
std::unique_ptr<ActiveWindowSource> createWaylandActiveWindowSource(
    FrontBackend backend, const SessionProbe& probe, const FrontSourceServices& services,
    const QDBusConnection& bus = QDBusConnection::sessionBus());

// Where our KWin script is: beside the helper's bundle in the build tree or the install
// (<prefix>/share/halvane/kwin), else in the data directories. Empty when not found.
QString kwinScriptPath();

}  // namespace halvane
