#include "media/area_scale.h"

#include <gd.h>

#include <algorithm>
#include <cstdint>
#include <new>
#include <vector>

namespace vellix::media {
namespace {

/// Red, green and blue premultiplied by the opacity, and the opacity
/// (0..127) of a pixel or of an average of pixels. Four floats side by side,
/// so the compiler adds a weighted sample with one vector operation.
struct alignas(16) Sample {
  float r = 0, g = 0, b = 0, a = 0;
  void Add(const Sample& s, float w) {
    r += s.r * w;
    g += s.g * w;
    b += s.b * w;
    a += s.a * w;
  }
};

/// The source pixels under one target pixel along one axis and the share of
/// the target pixel each covers (the shares add up to one). Target pixel t
/// covers source units [t * source, (t + 1) * source) where one source
/// pixel is `target` units wide, so the overlaps are exact whole numbers.
struct Span {
  int first = 0;
  std::vector<float> shares;
};

std::vector<Span> Spans(int source, int target) {
  std::vector<Span> spans(static_cast<size_t>(target));
  for (int t = 0; t < target; ++t) {
    const int64_t begin = int64_t{t} * source;
    const int64_t end = begin + source;
    Span& span = spans[static_cast<size_t>(t)];
    span.first = static_cast<int>(begin / target);
    for (int64_t s = span.first; s * target < end; ++s) {
      const int64_t overlap =
          std::min(end, (s + 1) * target) - std::max(begin, s * target);
      span.shares.push_back(static_cast<float>(static_cast<double>(overlap) / source));
    }
  }
  return spans;
}

Sample SampleOf(int pixel) {
  const float a = static_cast<float>(gdAlphaMax - gdTrueColorGetAlpha(pixel));
  return {gdTrueColorGetRed(pixel) * a, gdTrueColorGetGreen(pixel) * a,
          gdTrueColorGetBlue(pixel) * a, a};
}

int Channel(float premultiplied, float opacity) {
  return std::clamp(static_cast<int>(premultiplied / opacity + 0.5f), 0, 255);
}

}  // namespace

gdImageStruct* ShrinkByAreaAverage(gdImageStruct* source, int width, int height) {
  const int sw = gdImageSX(source);
  const int sh = gdImageSY(source);
  if (width < 1 || height < 1 || width > sw || height > sh) return nullptr;
  try {
    const std::vector<Span> columns = Spans(sw, width);
    const std::vector<Span> rows = Spans(sh, height);
    const bool true_colour = gdImageTrueColor(source);

    // Across: every source row becomes `width` averaged samples.
    std::vector<Sample> across(static_cast<size_t>(width) * static_cast<size_t>(sh));
    std::vector<Sample> line(static_cast<size_t>(sw));
    for (int y = 0; y < sh; ++y) {
      if (true_colour) {
        const int* pixels = source->tpixels[y];
        for (int x = 0; x < sw; ++x) line[static_cast<size_t>(x)] = SampleOf(pixels[x]);
      } else {
        for (int x = 0; x < sw; ++x) {
          line[static_cast<size_t>(x)] = SampleOf(gdImageGetTrueColorPixel(source, x, y));
        }
      }
      Sample* out = &across[static_cast<size_t>(y) * static_cast<size_t>(width)];
      for (int t = 0; t < width; ++t) {
        const Span& span = columns[static_cast<size_t>(t)];
        const Sample* in = &line[static_cast<size_t>(span.first)];
        Sample sum;
        for (size_t i = 0; i < span.shares.size(); ++i) sum.Add(in[i], span.shares[i]);
        out[t] = sum;
      }
    }

    // Down: each target row averages the rows it covers.
    gdImagePtr target = gdImageCreateTrueColor(width, height);
    if (target == nullptr) return nullptr;
    gdImageAlphaBlending(target, 0);
    gdImageSaveAlpha(target, 1);
    std::vector<Sample> sums(static_cast<size_t>(width));
    for (int t = 0; t < height; ++t) {
      const Span& span = rows[static_cast<size_t>(t)];
      std::fill(sums.begin(), sums.end(), Sample{});
      for (size_t i = 0; i < span.shares.size(); ++i) {
        const Sample* in =
            &across[(static_cast<size_t>(span.first) + i) * static_cast<size_t>(width)];
        const float share = span.shares[i];
        for (int x = 0; x < width; ++x) sums[static_cast<size_t>(x)].Add(in[x], share);
      }
      int* pixels = target->tpixels[t];
      for (int x = 0; x < width; ++x) {
        const Sample& s = sums[static_cast<size_t>(x)];
        // Opacity back to 0..127, rounded; colours divided by it again.
        const int alpha =
            gdAlphaMax - std::clamp(static_cast<int>(s.a + 0.5f), 0, gdAlphaMax);
        pixels[x] = s.a > 0 ? gdTrueColorAlpha(Channel(s.r, s.a), Channel(s.g, s.a),
                                               Channel(s.b, s.a), alpha)
                            : gdTrueColorAlpha(0, 0, 0, gdAlphaTransparent);
      }
    }
    return target;
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

}  // namespace vellix::media
