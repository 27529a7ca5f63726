#include "platform/system/memory/FreedMemory.h"

#include <malloc.h>

namespace halvane {

void returnFreedMemory() {
  malloc_trim(0);  // 0: keep no slack at the top of the heap either
}

}  // namespace halvane
