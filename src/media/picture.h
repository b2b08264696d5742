// A decoded picture and the scaled copies made from it, through libgd.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "media/fit.h"
#include "media/image_header.h"

struct gdImageStruct;

namespace vellix::media {

/// The most pixels a picture may have to be decoded (a 128-megapixel
/// picture takes half a gigabyte as true colour). Larger headers are refused
/// before the image library allocates anything.
inline constexpr int64_t kMaxPicturePixels = 128LL * 1000 * 1000;

/// One picture decoded from a file's bytes. Scaled copies are encoded in the
/// format the picture came in: JPEG as JPEG at the library's default
/// quality, PNG as PNG with its alpha channel, GIF as GIF with its
/// transparent colour kept. A JPEG's EXIF orientation is applied, so
/// copies stand upright as browsers show the original.
class Picture {
 public:
  /// Decodes `data`, whose header `header` was read by ReadImageHeader.
  /// Nothing when the library cannot decode it, or when the header is
  /// incomplete or larger than kMaxPicturePixels (checked first).
  static std::optional<Picture> Decode(std::string_view data, const ImageHeader& header);

  Picture(Picture&&) noexcept;
  Picture& operator=(Picture&&) noexcept;
  ~Picture();

  /// The size as shown, after the orientation is applied.
  PixelSize size() const;
  ImageFormat format() const { return format_; }

  /// The picture scaled to fit `max` (Fit), encoded; empty when encoding
  /// failed. `scaled` receives the size of the result.
  std::string Encode(int32_t max, FitMode mode, PixelSize* scaled) const;

 private:
  Picture(gdImageStruct* image, ImageFormat format, int orientation);

  gdImageStruct* image_;
  ImageFormat format_;
  int orientation_;
};

/// Scales the JPEG `data` (a built-in icon) to fit `max` and encodes it as
/// JPEG again; `data` itself when it already fits. Empty on failure.
std::string FitJpeg(std::string_view data, int32_t max, PixelSize* scaled);

}  // namespace vellix::media
