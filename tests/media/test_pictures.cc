#include "media/test_pictures.h"

#include <gd.h>
#include <zlib.h>

#include <memory>

namespace vellix::media::testing {
namespace {

struct ImageDeleter {
  void operator()(gdImagePtr image) const { gdImageDestroy(image); }
};
using Image = std::unique_ptr<gdImage, ImageDeleter>;

/// Runs an encoder `encode(&size)` and takes the bytes it allocated.
template <typename Encoder>
std::string Take(Encoder encode) {
  int size = 0;
  void* bytes = encode(&size);
  std::string out(static_cast<const char*>(bytes), static_cast<size_t>(size));
  gdFree(bytes);
  return out;
}

void PutBigEndian32(std::string* out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8)
    out->push_back(static_cast<char>(value >> shift));
}

void PutChunk(std::string* out, std::string_view type, std::string_view data) {
  PutBigEndian32(out, static_cast<uint32_t>(data.size()));
  std::string body = std::string(type) + std::string(data);
  *out += body;
  PutBigEndian32(out, static_cast<uint32_t>(crc32(
                          0, reinterpret_cast<const Bytef*>(body.data()), body.size())));
}

}  // namespace

std::string MakeJpeg(int width, int height) {
  Image image(gdImageCreateTrueColor(width, height));
  gdImageFilledRectangle(image.get(), 0, 0, width / 2 - 1, height - 1,
                         gdTrueColor(220, 20, 20));
  gdImageFilledRectangle(image.get(), width / 2, 0, width - 1, height - 1,
                         gdTrueColor(20, 20, 220));
  return Take([&](int* size) { return gdImageJpegPtr(image.get(), size, 85); });
}

std::string MakePng(int width, int height) {
  Image image(gdImageCreateTrueColor(width, height));
  gdImageFilledRectangle(image.get(), 0, 0, width - 1, height - 1,
                         gdTrueColor(20, 160, 20));
  return Take([&](int* size) { return gdImagePngPtr(image.get(), size); });
}

std::string MakeTransparentGif(int width, int height) {
  Image image(gdImageCreate(width, height));
  const int clear = gdImageColorAllocate(image.get(), 255, 0, 255);
  const int blue = gdImageColorAllocate(image.get(), 0, 0, 255);
  gdImageFilledRectangle(image.get(), 0, 0, width / 2 - 1, height - 1, clear);
  gdImageFilledRectangle(image.get(), width / 2, 0, width - 1, height - 1, blue);
  gdImageColorTransparent(image.get(), clear);
  return Take([&](int* size) { return gdImageGifPtr(image.get(), size); });
}

std::string MakeAnimatedGif(int width, int height, int frames) {
  Image image(gdImageCreate(width, height));
  gdImageColorAllocate(image.get(), 255, 255, 255);
  const int black = gdImageColorAllocate(image.get(), 0, 0, 0);
  gdImagePtr im = image.get();
  std::string out =
      Take([&](int* size) { return gdImageGifAnimBeginPtr(im, size, 1, 0); });
  for (int i = 0; i < frames; ++i) {
    gdImageSetPixel(im, i % width, (i / width) % height, black);
    out += Take([&](int* size) {
      return gdImageGifAnimAddPtr(im, size, 0, 0, 0, 10, gdDisposalNone, nullptr);
    });
  }
  out += Take([](int* size) { return gdImageGifAnimEndPtr(size); });
  return out;
}

std::string WithExifOrientation(std::string_view jpeg, int orientation,
                                bool little_endian) {
  auto u16 = [&](int v) {
    return little_endian
               ? std::string{static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)}
               : std::string{static_cast<char>(v >> 8), static_cast<char>(v & 0xFF)};
  };
  auto u32 = [&](uint32_t v) {
    return little_endian ? u16(v & 0xFFFF) + u16(v >> 16)
                         : u16(v >> 16) + u16(v & 0xFFFF);
  };
  std::string tiff = little_endian ? "II" : "MM";
  tiff += u16(42) + u32(8);
  tiff += u16(1);  // one entry: Orientation, SHORT, count 1
  tiff += u16(0x0112) + u16(3) + u32(1) + u16(orientation) + u16(0);
  tiff += u32(0);  // no next IFD
  const std::string payload = std::string("Exif\0\0", 6) + tiff;
  const size_t length = payload.size() + 2;
  std::string segment = "\xFF\xE1";
  segment += static_cast<char>(length >> 8);
  segment += static_cast<char>(length & 0xFF);
  segment += payload;
  return std::string(jpeg.substr(0, 2)) + segment + std::string(jpeg.substr(2));
}

std::string PngHeaderOnly(uint32_t width, uint32_t height) {
  std::string out = "\x89PNG\r\n\x1a\n";
  std::string ihdr;
  PutBigEndian32(&ihdr, width);
  PutBigEndian32(&ihdr, height);
  ihdr += std::string("\x08\x02\x00\x00\x00", 5);  // 8-bit RGB
  PutChunk(&out, "IHDR", ihdr);
  PutChunk(&out, "IEND", "");
  return out;
}

std::string WithJpegFrameSize(std::string_view jpeg, int width, int height) {
  std::string out(jpeg);
  size_t at = 2;
  while (at + 9 < out.size()) {
    const auto marker = static_cast<unsigned char>(out[at + 1]);
    const size_t length = (static_cast<unsigned char>(out[at + 2]) << 8) |
                          static_cast<unsigned char>(out[at + 3]);
    if (marker == 0xC0 || marker == 0xC2) {
      out[at + 5] = static_cast<char>(height >> 8);
      out[at + 6] = static_cast<char>(height & 0xFF);
      out[at + 7] = static_cast<char>(width >> 8);
      out[at + 8] = static_cast<char>(width & 0xFF);
      return out;
    }
    at += 2 + length;
  }
  return out;
}

Decoded DecodePicture(std::string_view data) {
  Decoded decoded;
  void* bytes = const_cast<char*>(data.data());
  const int size = static_cast<int>(data.size());
  gdImagePtr raw = nullptr;
  if (data.substr(0, 3) == "GIF") {
    raw = gdImageCreateFromGifPtr(size, bytes);
  } else if (data.substr(0, 4) == "\x89PNG") {
    raw = gdImageCreateFromPngPtr(size, bytes);
  } else {
    raw = gdImageCreateFromJpegPtr(size, bytes);
  }
  if (raw == nullptr) return decoded;
  Image image(raw);
  decoded.width = gdImageSX(raw);
  decoded.height = gdImageSY(raw);
  decoded.true_colour = gdImageTrueColor(raw);
  decoded.transparent = gdImageGetTransparent(raw);
  const int middle = decoded.height / 2;
  decoded.alpha_at_left = gdTrueColorGetAlpha(gdImageGetTrueColorPixel(raw, 1, middle));
  decoded.alpha_at_right =
      gdTrueColorGetAlpha(gdImageGetTrueColorPixel(raw, decoded.width - 2, middle));
  decoded.red_at_top_left = gdTrueColorGetRed(gdImageGetTrueColorPixel(raw, 1, 1));
  decoded.red_at_bottom_left =
      gdTrueColorGetRed(gdImageGetTrueColorPixel(raw, 1, decoded.height - 2));
  return decoded;
}

}  // namespace vellix::media::testing
