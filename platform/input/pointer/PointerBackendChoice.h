#pragma once

#include "platform/desktop/probe/SessionProbe.h"
#include "platform/system/backends/TypedChoice.h"

#include <QMap>

namespace halvane {

enum class PointerBackend { Uinput, XTest, TraceOnly };

QString pointerBackendName(PointerBackend backend);

using PointerBackendChoice = TypedChoice<PointerBackend>;
// Why a backend the probe allowed could not be made after all, learned while creating it.
using PointerFailures = QMap<PointerBackend, QString>;

// As for synthetic keys: on X11 XTest when the X display answers, else uinput; on Wayland uinput
// first, since XTest reaches only X clients; else nothing but the trace. Pure: what `failed`
// adds rules that backend out with its reason.
PointerBackendChoice choosePointerBackend(const SessionProbe& probe,
                                          const PointerFailures& failed = {});

}  // namespace halvane
