// What the multimedia writers compare derived files with, kept from run to
// run by the engine object.
#pragma once

#include <cstdint>

namespace vellix {

/// Time stamps (nanoseconds since 1970): the media time stamp, set by every
/// reading pass and by a run that copies multimedia, and the generation time
/// stamp, set when a run starts writing. The multimedia writers compare media
/// files' modification times with them.
struct MediaTimeStamps {
  int64_t media = 0;
  int64_t generation = 0;
};

/// The four media sizes a run worked with (0 before the first run); the media
/// writers make derived images again when a size changed since the previous
/// run.
struct MediaSizes {
  int32_t thumbnail = 0;
  int32_t slide = 0;
  int32_t portraitWidth = 0;
  int32_t portraitSize = 0;
};

}  // namespace vellix
