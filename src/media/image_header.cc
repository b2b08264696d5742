#include "media/image_header.h"

#include <cstddef>

namespace vellix::media {
namespace {

uint8_t Byte(std::string_view data, size_t at) { return static_cast<uint8_t>(data[at]); }

uint32_t BigEndian16(std::string_view data, size_t at) {
  return (uint32_t{Byte(data, at)} << 8) | Byte(data, at + 1);
}

uint32_t BigEndian32(std::string_view data, size_t at) {
  return (BigEndian16(data, at) << 16) | BigEndian16(data, at + 2);
}

uint32_t LittleEndian16(std::string_view data, size_t at) {
  return uint32_t{Byte(data, at)} | (uint32_t{Byte(data, at + 1)} << 8);
}

std::optional<ImageHeader> PngHeader(std::string_view data) {
  // Signature, then the IHDR chunk: length, type, width, height.
  if (data.size() < 24 || data.substr(12, 4) != "IHDR") return std::nullopt;
  const uint32_t width = BigEndian32(data, 16);
  const uint32_t height = BigEndian32(data, 20);
  if (width == 0 || height == 0 || width > 0x7FFFFFFF || height > 0x7FFFFFFF) {
    return std::nullopt;
  }
  ImageHeader header;
  header.format = ImageFormat::kPng;
  header.width = static_cast<int32_t>(width);
  header.height = static_cast<int32_t>(height);
  header.largest_frame_pixels = int64_t{header.width} * header.height;
  return header;
}

/// Skips the data sub-blocks that start at `at`; returns the offset after
/// their zero terminator, or nothing when the data ends first.
std::optional<size_t> SkipSubBlocks(std::string_view data, size_t at) {
  while (at < data.size()) {
    const size_t length = Byte(data, at);
    if (length == 0) return at + 1;
    at += length + 1;
  }
  return std::nullopt;
}

std::optional<ImageHeader> GifHeader(std::string_view data) {
  if (data.size() < 13) return std::nullopt;
  ImageHeader header;
  header.format = ImageFormat::kGif;
  header.width = static_cast<int32_t>(LittleEndian16(data, 6));
  header.height = static_cast<int32_t>(LittleEndian16(data, 8));
  if (header.width == 0 || header.height == 0) return std::nullopt;
  header.largest_frame_pixels = int64_t{header.width} * header.height;
  size_t at = 13;
  const uint8_t flags = Byte(data, 10);
  if (flags & 0x80) at += 3u << ((flags & 7) + 1);
  // Walk the blocks up to the second frame: that is all it takes to know
  // whether the picture is animated, however many frames follow.
  int frames = 0;
  header.complete = false;
  while (at < data.size()) {
    const uint8_t block = Byte(data, at);
    if (block == 0x3B) break;  // trailer
    if (block == 0x21) {       // extension: label, then sub-blocks
      std::optional<size_t> next = SkipSubBlocks(data, at + 2);
      if (!next) break;
      at = *next;
      continue;
    }
    if (block != 0x2C || at + 10 > data.size()) break;
    ++frames;
    if (frames == 2) {
      header.animated = true;
      break;
    }
    const int64_t width = LittleEndian16(data, at + 5);
    const int64_t height = LittleEndian16(data, at + 7);
    if (width * height > header.largest_frame_pixels) {
      header.largest_frame_pixels = width * height;
    }
    const uint8_t image_flags = Byte(data, at + 9);
    at += 10;
    if (image_flags & 0x80) at += 3u << ((image_flags & 7) + 1);
    at += 1;  // LZW minimum code size
    std::optional<size_t> next = SkipSubBlocks(data, at);
    if (!next) break;
    header.complete = true;
    at = *next;
  }
  if (frames == 0) return std::nullopt;
  return header;
}

/// The orientation tag of the EXIF block in an APP1 segment's payload, or 1.
int ExifOrientation(std::string_view payload) {
  if (payload.size() < 14 || payload.substr(0, 6) != std::string_view("Exif\0\0", 6)) {
    return 1;
  }
  const std::string_view tiff = payload.substr(6);
  const bool little = tiff.substr(0, 2) == "II";
  if (!little && tiff.substr(0, 2) != "MM") return 1;
  auto u16 = [&](size_t at) {
    return little ? LittleEndian16(tiff, at) : BigEndian16(tiff, at);
  };
  auto u32 = [&](size_t at) {
    return little ? (LittleEndian16(tiff, at) | (LittleEndian16(tiff, at + 2) << 16))
                  : BigEndian32(tiff, at);
  };
  const size_t ifd = u32(4);
  if (ifd + 2 > tiff.size()) return 1;
  const size_t entries = u16(ifd);
  for (size_t i = 0; i < entries; ++i) {
    const size_t entry = ifd + 2 + i * 12;
    if (entry + 12 > tiff.size()) return 1;
    if (u16(entry) == 0x0112 && u16(entry + 2) == 3) {
      const uint32_t value = u16(entry + 8);
      return value >= 1 && value <= 8 ? static_cast<int>(value) : 1;
    }
  }
  return 1;
}

bool IsStartOfFrame(uint8_t marker) {
  return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 &&
         marker != 0xCC;
}

std::optional<ImageHeader> JpegHeader(std::string_view data) {
  ImageHeader header;
  header.format = ImageFormat::kJpeg;
  bool have_frame = false;
  size_t at = 2;
  while (at + 4 <= data.size()) {
    if (Byte(data, at) != 0xFF) return std::nullopt;
    const uint8_t marker = Byte(data, at + 1);
    if (marker == 0xFF) {  // fill byte
      ++at;
      continue;
    }
    if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {  // no length
      at += 2;
      continue;
    }
    if (marker == 0xD9) break;  // end of image before any scan
    const size_t length = BigEndian16(data, at + 2);
    if (length < 2) return std::nullopt;
    const size_t payload = at + 4;
    const size_t end = at + 2 + length;
    if (IsStartOfFrame(marker)) {
      if (payload + 5 > data.size()) return std::nullopt;
      header.height = static_cast<int32_t>(BigEndian16(data, payload + 1));
      header.width = static_cast<int32_t>(BigEndian16(data, payload + 3));
      have_frame = true;
    } else if (marker == 0xE1 && end <= data.size() && header.orientation == 1) {
      header.orientation = ExifOrientation(data.substr(payload, end - payload));
    } else if (marker == 0xDA) {
      if (!have_frame || header.width == 0 || header.height == 0) return std::nullopt;
      header.largest_frame_pixels = int64_t{header.width} * header.height;
      // Entropy-coded data never holds FF D9: a real end marker must follow
      // the scan, or the file was cut off.
      header.complete = data.find("\xFF\xD9", end) != std::string_view::npos;
      return header;
    }
    at = end;
  }
  return std::nullopt;
}

}  // namespace

std::optional<ImageHeader> ReadImageHeader(std::string_view data) {
  if (data.substr(0, 8) == "\x89PNG\r\n\x1a\n") return PngHeader(data);
  if (data.substr(0, 6) == "GIF87a" || data.substr(0, 6) == "GIF89a") {
    return GifHeader(data);
  }
  if (data.size() >= 2 && Byte(data, 0) == 0xFF && Byte(data, 1) == 0xD8) {
    return JpegHeader(data);
  }
  return std::nullopt;
}

}  // namespace vellix::media
