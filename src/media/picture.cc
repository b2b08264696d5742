#include "media/picture.h"

#include <gd.h>

#include <climits>
#include <cstdarg>
#include <memory>
#include <utility>

#include "media/area_scale.h"

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

/// A true-colour image that keeps what is written into it, alpha included.
Image NewCanvas(int width, int height) {
  Image image(gdImageCreateTrueColor(width, height));
  if (image) {
    gdImageAlphaBlending(image.get(), 0);
    gdImageSaveAlpha(image.get(), 1);
  }
  return image;
}

/// `source` turned as the EXIF orientation asks (1 to 8); a new image.
Image Orient(gdImagePtr source, int orientation) {
  const int w = gdImageSX(source);
  const int h = gdImageSY(source);
  const bool swap = SwapsSides(orientation);
  Image out = NewCanvas(swap ? h : w, swap ? w : h);
  if (!out) return out;
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

/// `source` resampled to `width` x `height` as a true-colour image with its
/// alpha channel: shrunk by area averaging, or (never needed for fitted
/// sizes, which do not enlarge) stretched by the library.
Image Resample(gdImagePtr source, int width, int height) {
  if (gdImagePtr shrunk = ShrinkByAreaAverage(source, width, height))
    return Image(shrunk);
  Image target = NewCanvas(width, height);
  if (!target) return target;
  gdImageFilledRectangle(target.get(), 0, 0, width - 1, height - 1,
                         gdTrueColorAlpha(0, 0, 0, gdAlphaTransparent));
  gdImageCopyResampled(target.get(), source, 0, 0, 0, 0, width, height, gdImageSX(source),
                       gdImageSY(source));
  return target;
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

}  // namespace

Picture::Picture(gdImageStruct* image, ImageFormat format, int orientation,
                 std::optional<Transparent> transparent)
    : image_(image),
      format_(format),
      orientation_(orientation),
      transparent_(transparent) {}

Picture::Picture(Picture&& other) noexcept
    : image_(std::exchange(other.image_, nullptr)),
      format_(other.format_),
      orientation_(other.orientation_),
      transparent_(other.transparent_) {}

Picture& Picture::operator=(Picture&& other) noexcept {
  if (this != &other) {
    if (image_) gdImageDestroy(image_);
    image_ = std::exchange(other.image_, nullptr);
    format_ = other.format_;
    orientation_ = other.orientation_;
    transparent_ = other.transparent_;
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
  std::optional<Transparent> transparent;
  const int index = gdImageGetTransparent(image);
  if (!gdImageTrueColor(image) && index >= 0 && index < gdImageColorsTotal(image)) {
    transparent = Transparent{gdImageRed(image, index), gdImageGreen(image, index),
                              gdImageBlue(image, index)};
  }
  const int orientation = header.format == ImageFormat::kJpeg ? header.orientation : 1;
  return Picture(image, header.format, orientation, transparent);
}

PixelSize Picture::size() const {
  const int w = gdImageSX(image_);
  const int h = gdImageSY(image_);
  return SwapsSides(orientation_) ? PixelSize{h, w} : PixelSize{w, h};
}

std::optional<Picture> Picture::ScaledTo(PixelSize target) const {
  if (target.width < 1 || target.height < 1) return std::nullopt;
  // Scale in the stored orientation first, then turn the small result.
  const bool swap = SwapsSides(orientation_);
  Image scaled = Resample(image_, swap ? target.height : target.width,
                          swap ? target.width : target.height);
  if (scaled && orientation_ != 1) scaled = Orient(scaled.get(), orientation_);
  if (!scaled) return std::nullopt;
  return Picture(scaled.release(), format_, 1, transparent_);
}

std::string Picture::Encode() const {
  gdImagePtr image = image_;
  switch (format_) {
    case ImageFormat::kJpeg:
      return Encoded([&](int* size) { return gdImageJpegPtr(image, size, -1); });
    case ImageFormat::kPng:
      return Encoded([&](int* size) { return gdImagePngPtr(image, size); });
    case ImageFormat::kGif:
      break;
  }
  if (!gdImageTrueColor(image)) {
    return Encoded([&](int* size) { return gdImageGifPtr(image, size); });
  }
  // A GIF holds a palette: the scaled colours are reduced to one. When the
  // source had a transparent colour, the pixels that came out mostly
  // transparent take a palette entry of their own marked transparent, so
  // the copy is see-through where the picture was.
  Image palette(gdImageCreatePaletteFromTrueColor(image, 0, transparent_ ? 255 : 256));
  if (!palette) return {};
  if (transparent_) {
    const int index =
        gdImageColorAllocateAlpha(palette.get(), transparent_->red, transparent_->green,
                                  transparent_->blue, gdAlphaTransparent);
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

std::string FitJpeg(std::string_view data, int32_t max, PixelSize* scaled) {
  std::optional<ImageHeader> header = ReadImageHeader(data);
  if (!header || header->format != ImageFormat::kJpeg) return {};
  const PixelSize fitted = Fit(max, header->width, header->height, FitMode::kLongerSide);
  *scaled = fitted;
  if (fitted == PixelSize{header->width, header->height}) return std::string(data);
  std::optional<Picture> picture = Picture::Decode(data, *header);
  if (!picture) return {};
  std::optional<Picture> small = picture->ScaledTo(fitted);
  return small ? small->Encode() : std::string();
}

}  // namespace vellix::media
