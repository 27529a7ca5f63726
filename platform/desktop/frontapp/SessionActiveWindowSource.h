#pragma once

#include "platform/desktop/frontapp/ActiveWindowSource.h"
#include "platform/desktop/frontapp/BackendChoice.h"

#include <QDBusConnection>

#include <memory>

namespace halvane {

class SystemLog;
class WaylandConnection;

// What start-up learns of the session: the environment, the compositor's globals over the
// helper's Wayland connection (kept for the backend that needs it), the desktops on the bus.
struct SessionProbe {
  SessionFacts facts;
  std::shared_ptr<WaylandConnection> wayland;
};
SessionProbe probeSession(const QDBusConnection& bus = QDBusConnection::sessionBus());

// The source of a Wayland backend. Null for X11 and None (the X11 source is made where the X
// connection is), and when the backend's connection cannot be had after all.
std::unique_ptr<ActiveWindowSource> createWaylandActiveWindowSource(
    FrontBackend backend, const SessionProbe& probe, SystemLog& log,
    const QDBusConnection& bus = QDBusConnection::sessionBus());

// Where our KWin script is: beside the helper's bundle in the build tree or the install
// (<prefix>/share/halvane/kwin), else in the data directories. Empty when not found.
QString kwinScriptPath();

}  // namespace halvane
