#include "media/fit.h"

#include <algorithm>
#include <cmath>

namespace vellix::media {
namespace {

int32_t Scaled(int32_t side, double factor) {
  return std::max<int32_t>(1, static_cast<int32_t>(std::floor(side / factor + 0.5)));
}

}  // namespace

PixelSize Fit(int32_t max, int32_t width, int32_t height, FitMode mode) {
  const PixelSize unchanged{width, height};
  if (max <= 0 || width <= 0 || height <= 0) return unchanged;
  if (mode == FitMode::kWidthOnly) {
    // Enlarging a narrow picture to the column width would blur it; it keeps
    // its size instead.
    if (width <= max) return unchanged;
    return {max, Scaled(height, static_cast<double>(width) / max)};
  }
  if (width <= max && height <= max) return unchanged;
  if (height > width) return {Scaled(width, static_cast<double>(height) / max), max};
  return {max, Scaled(height, static_cast<double>(width) / max)};
}

}  // namespace vellix::media
