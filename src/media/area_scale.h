// Shrinking a picture by averaging the source area under each target pixel.
#pragma once

struct gdImageStruct;

namespace vellix::media {

/// A new true-colour image (alpha kept) of `width` x `height` made from
/// `source` (true-colour or palette) by exact area averaging: each target
/// pixel is the mean of the source area it covers, partly covered source
/// pixels weighed by the part covered, colours weighed by their opacity (so
/// a transparent colour never bleeds into the edges of what is drawn). It
/// is several times faster than the image library's own area-averaging copy
/// and, unlike interpolation, never aliases fine patterns such as scanned
/// text. Only shrinks: returns nullptr when
/// `width` or `height` is below 1 or above the source's, or when memory
/// runs out. The caller owns the result (gdImageDestroy).
gdImageStruct* ShrinkByAreaAverage(gdImageStruct* source, int width, int height);

}  // namespace vellix::media
