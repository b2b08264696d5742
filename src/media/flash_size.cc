#include "media/flash_size.h"

#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

#include "platform/file_system.h"

namespace vellix::media {
namespace {

struct FileCloser {
  void operator()(FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<FILE, FileCloser>;

/// A compressed movie claiming more than this is not believed: no real
/// movie inflates to more, and a hostile header would make us inflate
/// gigabytes only to compare a length.
constexpr uint32_t kMaxInflatedLength = 256u << 20;

/// The bytes the rectangle is read from: the body of a plain movie fetched
/// from the file in chunks, or the start of a compressed movie's body.
class ByteSource {
 public:
  /// Reads a plain movie's body from `file` as it is needed.
  explicit ByteSource(FILE* file) : file_(file) {}
  /// Serves `bytes` (the start of an inflated body) and nothing more.
  explicit ByteSource(std::vector<unsigned char> bytes)
      : buffer_(std::move(bytes)), count_(buffer_.size()) {}

  /// The next byte, or -1 at the end.
  int Fetch() {
    if (position_ == count_) {
      if (file_ == nullptr) return -1;
      buffer_.resize(kChunk);
      count_ = std::fread(buffer_.data(), 1, kChunk, file_);
      position_ = 0;
      if (count_ == 0) return -1;
    }
    return buffer_[position_++];
  }

 private:
  static constexpr size_t kChunk = 4096;
  FILE* file_ = nullptr;
  std::vector<unsigned char> buffer_;
  size_t count_ = 0;
  size_t position_ = 0;
};

/// Reads bit fields, most significant bit of each byte first.
class BitReader {
 public:
  explicit BitReader(ByteSource* source) : source_(source) {}

  /// The next `n` bits as a number (sign-extended when `is_signed`);
  /// nothing when the bytes run out.
  std::optional<int64_t> Read(int n, bool is_signed) {
    if (n < 1) return 0;
    int64_t value = 0;
    for (int i = 0; i < n; ++i) {
      if (mask_ == 0) {
        const int byte = source_->Fetch();
        if (byte < 0) return std::nullopt;
        current_ = static_cast<uint8_t>(byte);
        mask_ = 0x80;
      }
      value = (value << 1) | ((current_ & mask_) ? 1 : 0);
      mask_ >>= 1;
    }
    if (is_signed && (value & (int64_t{1} << (n - 1)))) value -= int64_t{1} << n;
    return value;
  }

 private:
  ByteSource* source_;
  uint8_t current_ = 0;
  uint8_t mask_ = 0;
};

/// Inflates the zlib stream that follows the header of a compressed movie
/// in small pieces, keeping only the first bytes of the body (the rectangle
/// needs at most 17). True when the stream is whole and inflates to exactly
/// `expected` bytes.
bool InflateBodyStart(FILE* file, uint64_t expected, std::vector<unsigned char>* start) {
  z_stream stream{};
  if (inflateInit(&stream) != Z_OK) return false;
  std::vector<unsigned char> in(1 << 16), out(1 << 16);
  uint64_t total = 0;
  int status = Z_OK;
  while (status != Z_STREAM_END) {
    if (stream.avail_in == 0) {
      stream.avail_in = static_cast<uInt>(std::fread(in.data(), 1, in.size(), file));
      stream.next_in = in.data();
      if (stream.avail_in == 0) break;  // the stream is cut off
    }
    stream.next_out = out.data();
    stream.avail_out = static_cast<uInt>(out.size());
    status = inflate(&stream, Z_NO_FLUSH);
    if (status != Z_OK && status != Z_STREAM_END) break;
    const size_t produced = out.size() - stream.avail_out;
    if (start->size() < 32) {
      const size_t take = std::min(produced, 32 - start->size());
      start->insert(start->end(), out.begin(), out.begin() + static_cast<long>(take));
    }
    total += produced;
    if (total > expected) break;
  }
  inflateEnd(&stream);
  return status == Z_STREAM_END && total == expected;
}

}  // namespace

bool ReadFlashSize(const std::string& path, int32_t* width, int32_t* height) {
  *width = 0;
  *height = 0;
  if (!platform::IsRegularFile(path)) return false;  // a pipe would block the open
  File file(std::fopen(path.c_str(), "rb"));
  if (!file) return false;
  unsigned char header[8];
  if (std::fread(header, 1, sizeof header, file.get()) != sizeof header) return false;
  if (header[1] != 'W' || header[2] != 'S') return false;
  const uint32_t length = uint32_t{header[4]} | (uint32_t{header[5]} << 8) |
                          (uint32_t{header[6]} << 16) | (uint32_t{header[7]} << 24);
  std::unique_ptr<ByteSource> source;
  if (header[0] == 'C') {
    if (length < 8 || length > kMaxInflatedLength) return false;
    std::vector<unsigned char> start;
    if (!InflateBodyStart(file.get(), length - 8, &start)) return false;
    source = std::make_unique<ByteSource>(std::move(start));
  } else if (header[0] == 'F') {
    source = std::make_unique<ByteSource>(file.get());
  } else {
    return false;
  }
  BitReader bits(source.get());
  const std::optional<int64_t> nbits = bits.Read(5, false);
  if (!nbits) return false;
  int64_t edges[4];
  for (int64_t& edge : edges) {
    const std::optional<int64_t> value = bits.Read(static_cast<int>(*nbits), true);
    if (!value) return false;
    edge = *value;
  }
  *width = static_cast<int32_t>((edges[1] - edges[0]) / 20);
  *height = static_cast<int32_t>((edges[3] - edges[2]) / 20);
  return true;
}

}  // namespace vellix::media
