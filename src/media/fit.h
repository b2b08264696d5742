// The size a picture is scaled to so that it fits a maximum.
#pragma once

#include <cstdint>

namespace vellix::media {

/// A size in pixels.
struct PixelSize {
  int32_t width = 0;
  int32_t height = 0;
  friend bool operator==(const PixelSize&, const PixelSize&) = default;
};

/// Which sides the maximum bounds.
enum class FitMode {
  kLongerSide,  // thumbnails, slide images, family portraits
  kWidthOnly,   // individual portraits: a column of fixed width
};

/// The size of a `width` x `height` picture scaled to fit `max`, keeping its
/// proportions (rounded to the nearest pixel, never below one). Pictures are
/// never enlarged: a picture that already fits keeps its size, and in
/// width-only mode a picture no wider than `max` keeps its size however tall
/// it is. A `max` of 0 or less leaves every size unchanged.
PixelSize Fit(int32_t max, int32_t width, int32_t height, FitMode mode);

}  // namespace vellix::media
