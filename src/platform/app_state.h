// Application-wide time stamps that the run and the multimedia writers share.
#pragma once

#include <cstdint>

namespace vellix::platform {

/// Time stamps (nanoseconds since 1970) kept for the life of the program:
/// the media time stamp, set by every reading pass and by a run that copies
/// multimedia, and the generation time stamp, set when a run starts writing.
/// The multimedia writers compare media files' modification times with them.
struct AppTimeStamps {
  int64_t media = 0;
  int64_t generation = 0;
};

/// The program's one set of time stamps.
AppTimeStamps& TimeStamps();

}  // namespace vellix::platform
