#include "platform/free_memory.h"

#include <malloc.h>

namespace vellix::platform {

void ReleaseFreeMemory() {
#if defined(__GLIBC__)
  // Also gives back whole free pages inside the heap, not only its top.
  malloc_trim(0);
#endif
}

}  // namespace vellix::platform
