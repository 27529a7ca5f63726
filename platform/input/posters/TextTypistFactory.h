#pragma once

#include "platform/desktop/probe/SessionProbe.h"
#include "platform/input/posters/KeyEventBackendChoice.h"
#include "platform/input/posters/KeyboardEventPoster.h"
#include "platform/input/posters/TextTypist.h"
#include "platform/system/backends/BackendRecord.h"

#include <memory>

namespace halvane {

class SystemLog;

// The typist of the key event backend `choice` names: `backend` is the poster made for that
// choice, `keys` the poster chain the Parts post through (ending at `backend`), which types the
// layout's characters so that the trace shows them and a stop lets go of them. Nothing for the
// trace-only backend, which has no keys to type with: the helper then types into the trace
// alone. `log` hears once what the typist can type in this session, and `record` (when given)
// keeps that line for the helper's Backends() answer.
std::unique_ptr<TextTypist> createTextTypist(const KeyEventBackendChoice& choice,
                                             KeyboardEventPoster& backend,
                                             KeyboardEventPoster& keys, const SessionProbe& probe,
                                             SystemLog& log, BackendRecord* record = nullptr);

}  // namespace halvane
