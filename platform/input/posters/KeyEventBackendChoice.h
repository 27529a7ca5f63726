#pragma once

#include "platform/desktop/probe/SessionProbe.h"
#include "platform/system/backends/TypedChoice.h"

#include <QMap>

namespace halvane {

enum class KeyEventBackend { Uinput, WaylandVirtualKeyboard, XTest, TraceOnly };

QString keyEventBackendName(KeyEventBackend backend);

using KeyEventBackendChoice = TypedChoice<KeyEventBackend>;
// Why a backend the probe allowed could not be made after all, learned while creating it.
using KeyEventFailures = QMap<KeyEventBackend, QString>;

// On X11: XTest when the X display answers, else uinput, else nothing but the trace. On Wayland
// uinput first, since XTest reaches only X clients, then the compositor's virtual keyboard, then
// XTest. Pure: what `failed` adds rules that backend out with its reason.
KeyEventBackendChoice chooseKeyEventBackend(const SessionProbe& probe,
                                            const KeyEventFailures& failed = {});

}  // namespace halvane
