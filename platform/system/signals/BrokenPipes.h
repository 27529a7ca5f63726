#pragma once

namespace halvane {

// A write to a pipe whose reader has gone (a closed terminal, a finished log reader) then fails
// with EPIPE instead of killing the process; such a write is dropped.
void ignoreBrokenPipes();

}  // namespace halvane
