// Pictures made with libgd for the media tests, so no binary fixture has to
// be checked in.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vellix::media::testing {

/// A JPEG `width` x `height`: left half red, right half blue.
std::string MakeJpeg(int width, int height);

/// A PNG `width` x `height`, opaque green.
std::string MakePng(int width, int height);

/// A single-frame GIF `width` x `height` whose left half is its transparent
/// colour and right half opaque blue.
std::string MakeTransparentGif(int width, int height);

/// An animated GIF of `frames` frames.
std::string MakeAnimatedGif(int width, int height, int frames);

/// `jpeg` with an EXIF block carrying `orientation` put after its start
/// marker (little-endian when `little_endian`).
std::string WithExifOrientation(std::string_view jpeg, int orientation,
                                bool little_endian);

/// A PNG signature and IHDR chunk (with a correct checksum) claiming
/// `width` x `height`, followed by an IEND chunk and no image data.
std::string PngHeaderOnly(uint32_t width, uint32_t height);

/// `jpeg` with the width and height of its frame header replaced.
std::string WithJpegFrameSize(std::string_view jpeg, int width, int height);

/// Width, height and (for palette images) the transparent index of the
/// picture in `data`, decoded by libgd; width -1 when it cannot be decoded.
struct Decoded {
  int width = -1;
  int height = -1;
  bool true_colour = false;
  int transparent = -1;
  /// Alpha (0 opaque .. 127 transparent) of the pixel at the decoded
  /// picture's (x, y), as libgd reports it.
  int alpha_at_left = 0;       // at (1, height/2)
  int alpha_at_right = 0;      // at (width-2, height/2)
  int red_at_top_left = 0;     // red component at (1, 1)
  int red_at_bottom_left = 0;  // red component at (1, height-2)
};
Decoded DecodePicture(std::string_view data);

}  // namespace vellix::media::testing
