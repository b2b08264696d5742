// Picture and movie files as the media phase meets them: any bytes read as a
// picture header, decoded when the header allows, scaled as a thumbnail and
// encoded again; the same bytes read as a Flash movie from a file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz/fuzz_environment.h"
#include "media/fit.h"
#include "media/flash_size.h"
#include "media/image_header.h"
#include "media/picture.h"

namespace {

// Pictures the fuzzer decodes stay far below the run's own bound, so that
// one input cannot take seconds; the bound itself is tested with headers.
constexpr int64_t kFuzzMaxPixels = 1 << 20;

void DecodeAndScale(std::string_view data) {
  const std::optional<vellix::media::ImageHeader> header =
      vellix::media::ReadImageHeader(data);
  if (!header || header->animated) return;
  if (header->largest_frame_pixels > kFuzzMaxPixels) return;
  if (static_cast<int64_t>(header->width) * header->height > kFuzzMaxPixels) return;
  std::optional<vellix::media::Picture> picture =
      vellix::media::Picture::Decode(data, *header);
  if (!picture) return;
  const vellix::media::PixelSize shown = picture->size();
  if (shown.width <= 0 || shown.height <= 0) abort();
  const vellix::media::PixelSize target = vellix::media::Fit(
      150, shown.width, shown.height, vellix::media::FitMode::kLongerSide);
  if (target.width > shown.width || target.height > shown.height) abort();
  if (std::optional<vellix::media::Picture> scaled = picture->ScaledTo(target)) {
    if (!(scaled->size() == target)) abort();
    (void)scaled->Encode();
  }
}

void ReadAsMovie(std::string_view data) {
  static const std::string path =
      vellix::fuzz::FuzzEnvironment::Get().FreshFolder("flash") + "movie.swf";
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(data.data(), static_cast<std::streamsize>(data.size()));
  }
  int32_t width = -1;
  int32_t height = -1;
  if (!vellix::media::ReadFlashSize(path, &width, &height) &&
      (width != 0 || height != 0)) {
    abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  DecodeAndScale(bytes);
  ReadAsMovie(bytes);
  return 0;
}
