#include "media/picture.h"

#include <gd.h>

#include <climits>
#include <cstdarg>
#include <utility>

namespace vellix::media {
namespace {

struct ImageDeleter {
  void operator()(gdImagePtr image) const {
    if (image) gdImageDestroy(image);
  }
};
using Image = std::unique_ptr<gdImage, ImageDeleter>;

// Damaged pictures are expected input here (they become a warning on the
// summary page); the library would otherwise print its complaints on the
// user's terminal.
void IgnoreLibraryMessage(int, const char*, va_list) {}

void QuietLibrary() {
  static const bool quiet = (gdSetErrorMethod(IgnoreLibraryMessage), true);
  (void)quiet;
}

bool SwapsSides(int orientation) { return orientation >= 5 && orientation <= 8; }

/// `source` turned as the EXIF orientation asks (1 to 8); a new image.
Image Orient(gdImagePtr source, int orientation) {
  const int w = gdImageSX(source);
  const int h = gdImageSY(source);
  const bool swap = SwapsSides(orientation);
  Image out(gdImageCreateTrueColor(swap ? h : w, swap ? w : h));
  if (!out) return out;
  gdImageAlphaBlending(out.get(), 0);
  gdImageSaveAlpha(out.get(), 1);
  const int ow = gdImageSX(out.get());
  const int oh = gdImageSY(out.get());
  for (int y = 0; y < oh; ++y) {
    for (int x = 0; x < ow; ++x) {
      int sx = x, sy = y;
      switch (orientation) {
        case 2:
          sx = w - 1 - x;
          break;
        case 3:
          sx = w - 1 - x;
          sy = h - 1 - y;
          break;
        case 4:
          sy = h - 1 - y;
          break;
        case 5:
          sx = y;
          sy = x;
          break;
        case 6:
          sx = y;
          sy = h - 1 - x;
          break;
        case 7:
          sx = w - 1 - y;
          sy = h - 1 - x;
          break;
        case 8:
          sx = w - 1 - y;
          sy = x;
          break;
        default:
          break;
      }
      gdImageSetPixel(out.get(), x, y, gdImageGetTrueColorPixel(source, sx, sy));
    }
  }
  return out;
}

/// Runs one of the library's encoders, `encode(&size)`, and takes the
/// bytes it allocated.
template <typename Encoder>
std::string Encoded(Encoder encode) {
  int size = 0;
  void* bytes = encode(&size);
  if (bytes == nullptr) return {};
  std::string out;
  if (size > 0) out.assign(static_cast<const char*>(bytes), static_cast<size_t>(size));
  gdFree(bytes);
  return out;
}

/// A true-colour copy of `source` at `width` x `height`, resampled, with
/// the alpha channel kept (fully transparent where nothing was drawn).
Image Resample(gdImagePtr source, int width, int height) {
  Image target(gdImageCreateTrueColor(width, height));
  if (!target) return target;
  gdImageAlphaBlending(target.get(), 0);
  gdImageSaveAlpha(target.get(), 1);
  gdImageFilledRectangle(target.get(), 0, 0, width - 1, height - 1,
                         gdTrueColorAlpha(0, 0, 0, gdAlphaTransparent));
  gdImageCopyResampled(target.get(), source, 0, 0, 0, 0, width, height, gdImageSX(source),
                       gdImageSY(source));
  return target;
}

/// Turns the resampled true-colour `image` into a palette GIF. When the
/// source had a transparent colour, the pixels that came out mostly
/// transparent take a palette entry of their own that is marked
/// transparent, so the thumbnail is see-through where the picture was.
std::string EncodeGif(gdImagePtr image, gdImagePtr source) {
  const int source_transparent = gdImageGetTransparent(source);
  Image palette(
      gdImageCreatePaletteFromTrueColor(image, 0, source_transparent >= 0 ? 255 : 256));
  if (!palette) return {};
  if (source_transparent >= 0) {
    const int index = gdImageColorAllocateAlpha(
        palette.get(), gdImageRed(source, source_transparent),
        gdImageGreen(source, source_transparent), gdImageBlue(source, source_transparent),
        gdAlphaTransparent);
    if (index >= 0) {
      for (int y = 0; y < gdImageSY(image); ++y) {
        for (int x = 0; x < gdImageSX(image); ++x) {
          if (gdTrueColorGetAlpha(gdImageGetTrueColorPixel(image, x, y)) >= 64) {
            gdImageSetPixel(palette.get(), x, y, index);
          }
        }
      }
      gdImageColorTransparent(palette.get(), index);
    }
  }
  return Encoded([&](int* size) { return gdImageGifPtr(palette.get(), size); });
}

}  // namespace

Picture::Picture(gdImageStruct* image, ImageFormat format, int orientation)
    : image_(image), format_(format), orientation_(orientation) {}

Picture::Picture(Picture&& other) noexcept
    : image_(std::exchange(other.image_, nullptr)),
      format_(other.format_),
      orientation_(other.orientation_) {}

Picture& Picture::operator=(Picture&& other) noexcept {
  if (this != &other) {
    if (image_) gdImageDestroy(image_);
    image_ = std::exchange(other.image_, nullptr);
    format_ = other.format_;
    orientation_ = other.orientation_;
  }
  return *this;
}

Picture::~Picture() {
  if (image_) gdImageDestroy(image_);
}

std::optional<Picture> Picture::Decode(std::string_view data, const ImageHeader& header) {
  if (!header.complete || header.largest_frame_pixels > kMaxPicturePixels ||
      data.empty() || data.size() > static_cast<size_t>(INT_MAX)) {
    return std::nullopt;
  }
  QuietLibrary();
  const int size = static_cast<int>(data.size());
  // The decoders take a non-const pointer but only read through it.
  void* bytes = const_cast<char*>(data.data());
  gdImagePtr image = nullptr;
  switch (header.format) {
    case ImageFormat::kGif:
      image = gdImageCreateFromGifPtr(size, bytes);
      break;
    case ImageFormat::kJpeg:
      image = gdImageCreateFromJpegPtrEx(size, bytes, 1);
      break;
    case ImageFormat::kPng:
      image = gdImageCreateFromPngPtr(size, bytes);
      break;
  }
  if (image == nullptr) return std::nullopt;
  const int orientation = header.format == ImageFormat::kJpeg ? header.orientation : 1;
  return Picture(image, header.format, orientation);
}

PixelSize Picture::size() const {
  const int w = gdImageSX(image_);
  const int h = gdImageSY(image_);
  return SwapsSides(orientation_) ? PixelSize{h, w} : PixelSize{w, h};
}

std::string Picture::Encode(int32_t max, FitMode mode, PixelSize* scaled) const {
  const PixelSize shown = size();
  const PixelSize target = Fit(max, shown.width, shown.height, mode);
  *scaled = target;
  // Scale in the stored orientation first, then turn the small result.
  const bool swap = SwapsSides(orientation_);
  Image resampled = Resample(image_, swap ? target.height : target.width,
                             swap ? target.width : target.height);
  if (!resampled) return {};
  if (orientation_ != 1) {
    resampled = Orient(resampled.get(), orientation_);
    if (!resampled) return {};
  }
  gdImagePtr image = resampled.get();
  switch (format_) {
    case ImageFormat::kGif:
      return EncodeGif(image, image_);
    case ImageFormat::kJpeg:
      return Encoded([&](int* size) { return gdImageJpegPtr(image, size, -1); });
    case ImageFormat::kPng:
      return Encoded([&](int* size) { return gdImagePngPtr(image, size); });
  }
  return {};
}

std::string FitJpeg(std::string_view data, int32_t max, PixelSize* scaled) {
  std::optional<ImageHeader> header = ReadImageHeader(data);
  if (!header || header->format != ImageFormat::kJpeg) return {};
  const PixelSize fitted = Fit(max, header->width, header->height, FitMode::kLongerSide);
  *scaled = fitted;
  if (fitted == PixelSize{header->width, header->height}) return std::string(data);
  std::optional<Picture> picture = Picture::Decode(data, *header);
  if (!picture) return {};
  return picture->Encode(max, FitMode::kLongerSide, scaled);
}

}  // namespace vellix::media
