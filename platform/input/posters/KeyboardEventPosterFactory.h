#pragma once

#include "platform/input/posters/KeyEventBackendChoice.h"
#include "platform/input/posters/KeyboardEventPoster.h"

#include <memory>

namespace halvane {

class SystemLog;

// The poster `choice` names (log: where a uinput poster says a key could not be written);
// nothing when it cannot be made after all, and *whyNot then says why.
// The trace-only poster is always made.
std::unique_ptr<KeyboardEventPoster> createKeyboardEventPoster(const KeyEventBackendChoice& choice,
                                                               const SessionProbe& probe,
                                                               SystemLog& log, QString* whyNot);

// The keyboard event backend for this session (see chooseKeyEventBackend), with one log line
// saying which was chosen and, for each one passed over, why. A backend that fails to be made is
// ruled out and the choice made again. *made, when given, receives the choice that was made.
std::unique_ptr<KeyboardEventPoster> createKeyboardEventPoster(
    const SessionProbe& probe, SystemLog& log, KeyEventBackendChoice* made = nullptr);

}  // namespace halvane
