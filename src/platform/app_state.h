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

/// The four media sizes the previous run worked with (0 before the first
/// run); the media writers make derived images again when a size changed.
struct MediaSizes {
  int32_t thumbnail = 0;
  int32_t slide = 0;
  int32_t portraitWidth = 0;
  int32_t portraitSize = 0;
};

/// The sizes recorded at the end of the last run of this program.
MediaSizes& LastRunMediaSizes();

}  // namespace vellix::platform
