#include "platform/image_size.h"

#include <gd.h>

#include <climits>
#include <cstdarg>

#include "platform/file_system.h"

namespace vellix::platform {
namespace {

bool StartsWith(std::string_view data, std::string_view prefix) {
  return data.size() >= prefix.size() && data.substr(0, prefix.size()) == prefix;
}

// A damaged image is an expected case here (the caller leaves the size out);
// libgd would otherwise print its complaints on the user's terminal.
void IgnoreLibraryMessage(int, const char*, va_list) {}

}  // namespace

std::optional<ImageSize> ImageSizeOfBytes(std::string_view data) {
  if (data.empty() || data.size() > static_cast<size_t>(INT_MAX)) return std::nullopt;
  static const bool quiet = (gdSetErrorMethod(IgnoreLibraryMessage), true);
  (void)quiet;
  const int size = static_cast<int>(data.size());
  // libgd's decoders take a non-const pointer but only read from it.
  void* bytes = const_cast<char*>(data.data());
  gdImagePtr image = nullptr;
  if (StartsWith(data, "GIF87a") || StartsWith(data, "GIF89a")) {
    image = gdImageCreateFromGifPtr(size, bytes);
  } else if (StartsWith(data, "\x89PNG\r\n\x1a\n")) {
    image = gdImageCreateFromPngPtr(size, bytes);
  } else if (StartsWith(data, "\xff\xd8")) {
    image = gdImageCreateFromJpegPtrEx(size, bytes, 1);
  }
  if (image == nullptr) return std::nullopt;
  ImageSize result{gdImageSX(image), gdImageSY(image)};
  gdImageDestroy(image);
  return result;
}

std::optional<ImageSize> ReadImageSize(const std::string& path) {
  std::string data;
  if (path.empty() || !platform::ReadWholeFile(platform::NativePath(path), &data)) {
    return std::nullopt;
  }
  return ImageSizeOfBytes(data);
}

}  // namespace vellix::platform
