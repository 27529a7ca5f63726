#pragma once

#include "platform/input/pointer/PointerBackendChoice.h"
#include "platform/input/pointer/PointerEventPoster.h"

#include <memory>

namespace halvane {

class SystemLog;

// The poster `choice` names; nothing when it cannot be made after all, and *whyNot then says
// why. The trace-only poster is always made.
std::unique_ptr<PointerEventPoster> createPointerEventPoster(const PointerBackendChoice& choice,
                                                             const SessionProbe& probe,
                                                             SystemLog& log, QString* whyNot);

// The pointer backend for this session (see choosePointerBackend), with one log line saying
// which was chosen and, for each one passed over, why. A backend that fails to be made is ruled
// out and the choice made again. *made, when given, receives the choice that was made.
std::unique_ptr<PointerEventPoster> createPointerEventPoster(const SessionProbe& probe,
                                                             SystemLog& log,
                                                             PointerBackendChoice* made = nullptr);

}  // namespace halvane
