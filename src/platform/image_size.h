// Pixel size of an image file, for the width and height attributes of img
// tags (dividers, group sheet images, the log pages' image columns).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vellix::platform {

struct ImageSize {
  int width = 0;
  int height = 0;
};

/// The pixel size of the GIF, JPEG or PNG image in `data` (the file's bytes;
/// the format is told by its signature, not by a file name). Nothing when
/// the bytes are no image libgd can decode.
std::optional<ImageSize> ImageSizeOfBytes(std::string_view data);

/// The pixel size of the image file at `path` (native or stored form).
/// Nothing when the file is missing, unreadable or no decodable image.
std::optional<ImageSize> ReadImageSize(const std::string& path);

}  // namespace vellix::platform
