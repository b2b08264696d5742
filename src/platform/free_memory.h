// Handing memory the program no longer uses back to the system.
#pragma once

namespace vellix::platform {

/// Returns freed heap memory to the system (the C library keeps it for
/// later allocations otherwise), so that a phase that frees much before
/// allocating in large blocks lowers the program's peak memory.
void ReleaseFreeMemory();

}  // namespace vellix::platform
