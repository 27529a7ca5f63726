#pragma once

#include "platform/desktop/probe/SessionProbe.h"
#include "platform/system/backends/TypedChoice.h"

#include <QString>

namespace halvane {

// The front-application backends, in the order they are preferred on Wayland.
enum class FrontBackend { GnomeShell, KWin, Hyprland, Niri, Sway, Wlroots, X11, None };

// The name a backend goes by in logs and diagnostics (the source's backendName()).
QString frontBackendName(FrontBackend backend);

using FrontBackendChoice = TypedChoice<FrontBackend>;

// The backend for a session. Pure: the same facts always give the same choice and line.
FrontBackendChoice chooseFrontBackend(const SessionProbe& probe);

}  // namespace halvane
