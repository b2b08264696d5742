// A decoded picture and the scaled copies made from it, through libgd.
#pragma once

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

/// One picture in memory, decoded from a file's bytes or scaled from
/// another. It is encoded in the format the file came in: JPEG as JPEG at
/// the library's default quality, PNG as PNG with its alpha channel, GIF as
/// GIF with its transparent colour kept. A JPEG's EXIF orientation is
/// applied when scaling, so copies stand upright as browsers show the
/// original.
class Picture {
 public:
  /// Decodes `data`, whose header `header` was read by ReadImageHeader.
  /// Nothing when the header is incomplete or larger than kMaxPicturePixels
  /// (checked first), or when the library cannot decode the data.
  static std::optional<Picture> Decode(std::string_view data, const ImageHeader& header);

  Picture(Picture&&) noexcept;
  Picture& operator=(Picture&&) noexcept;
  ~Picture();

  /// The size as shown, after the orientation is applied.
  PixelSize size() const;

  /// A copy of the picture at `target` (a size as shown, normally Fit of
  /// size()), upright. Nothing when the library fails.
  std::optional<Picture> ScaledTo(PixelSize target) const;

  /// The picture encoded in its format; empty when encoding failed.
  std::string Encode() const;

 private:
  /// The transparent colour of a GIF, kept through scaling.
  struct Transparent {
    int red = 0, green = 0, blue = 0;
  };

  Picture(gdImageStruct* image, ImageFormat format, int orientation,
          std::optional<Transparent> transparent);

  gdImageStruct* image_;
  ImageFormat format_;
  int orientation_;  // EXIF orientation still to apply (1: upright)
  std::optional<Transparent> transparent_;
};

/// Scales the JPEG `data` (a built-in icon) to fit `max` and encodes it as
/// JPEG again; `data` itself when it already fits. Empty on failure.
std::string FitJpeg(std::string_view data, int32_t max, PixelSize* scaled);

}  // namespace vellix::media
