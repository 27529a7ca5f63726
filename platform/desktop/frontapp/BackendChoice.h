#pragma once

#include "platform/desktop/probe/SessionProbe.h"
#include "platform/system/backends/TypedChoice.h"

#include <QCoreApplication>
#include <QString>

namespace halvane {

// The front-application backends, in the order they are preferred on Wayland.
enum class FrontBackend { GnomeShell, KWin, Hyprland, Niri, Sway, Wlroots, X11, None };

// The name a backend goes by in logs and diagnostics (the source's backendName()).
QString frontBackendName(FrontBackend backend);

using FrontBackendChoice = TypedChoice<FrontBackend>;

// The words that say automatic switching sees only X applications, or nothing: in the choice's
// line or in a later outcome. The line is written in the helper's language; halvanectl doctor
// looks for these as written here and as translated.
inline constexpr char kFrontBackendContext[] = "FrontBackendChoice";
inline constexpr char kXApplicationsOnly[] = QT_TRANSLATE_NOOP(
    "FrontBackendChoice", "_NET_ACTIVE_WINDOW on XWayland, which sees X applications only");
inline constexpr char kSwitchingOff[] =
    QT_TRANSLATE_NOOP("FrontBackendChoice", "automatic switching is off");

// The backend for a session. Pure: the same facts always give the same choice and line.
FrontBackendChoice chooseFrontBackend(const SessionProbe& probe);

}  // namespace halvane
