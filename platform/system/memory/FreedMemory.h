#pragma once

namespace halvane {

// Gives the kernel back the heap's free pages. malloc returns only the top of the heap by
// itself; what start-up or a shown overlay freed below live blocks stays resident (and counts
// as the process's own memory) until this is called. Takes well under a millisecond, so it is
// called when a burst of work has ended (start-up, the overlay hidden), never per key.
void returnFreedMemory();

}  // namespace halvane
