// What the first bytes of a picture file tell without decoding it: format,
// pixel size, frames, orientation, whether the data is complete. The
// deriver reads this before it hands the bytes to the image library, so a
// hostile header (30000 x 30000 pixels in a few hundred bytes) is refused
// before anything is allocated for it.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vellix::media {

/// The formats the deriver decodes and encodes.
enum class ImageFormat { kGif, kJpeg, kPng };

/// The header facts of one picture.
struct ImageHeader {
  ImageFormat format = ImageFormat::kJpeg;
  int32_t width = 0;  // as stored (for a GIF: the logical screen)
  int32_t height = 0;
  /// The largest frame of the picture in pixels, as the decoder will
  /// allocate it (for a GIF the first frame may differ from the screen).
  int64_t largest_frame_pixels = 0;
  /// EXIF orientation of a JPEG (1 to 8; 1 is upright, 5 to 8 swap sides).
  int orientation = 1;
  /// A GIF with more than one frame.
  bool animated = false;
  /// False when the data stops before the picture ends (a JPEG without its
  /// end marker after the scan, a GIF whose first frame is cut off).
  bool complete = true;
};

/// Reads the header of the GIF, JPEG or PNG picture in `data`; the format is
/// told by the signature, not by a file name. Nothing when the bytes are no
/// such picture or the header itself is damaged.
std::optional<ImageHeader> ReadImageHeader(std::string_view data);

}  // namespace vellix::media
