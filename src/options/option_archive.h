// Reading and writing the encodings of the option set file: bytes,
// little-endian 32-bit numbers and length-prefixed strings.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vellix::options {

/// Reads values from an option set file image. Never reads past the end:
/// once data is missing or malformed, ok() turns false for good and every
/// further read answers zero or the empty string.
class ArchiveReader {
 public:
  /// Views `data`, which must outlive the reader.
  explicit ArchiveReader(std::string_view data) : data_(data) {}

  bool ok() const { return ok_; }
  size_t position() const { return pos_; }

  uint8_t Byte();
  /// Any non-zero byte reads as on.
  bool Bool() { return Byte() != 0; }
  int32_t Int32() { return static_cast<int32_t>(UInt32()); }
  uint32_t UInt32();
  /// The next `count` bytes as they stand.
  std::string Raw(size_t count);
  /// A string in either form, returned as UTF-8: Windows-1252 bytes after a
  /// one-, three- or seven-byte length prefix, or (after byte 255 and the
  /// 16-bit mark 65534) a UTF-16LE text whose length in code units uses the
  /// same three prefix forms.
  std::string String();

 private:
  bool Need(size_t count);
  /// The length prefix; `wide` tells whether the mark 65534 came first.
  uint32_t Length(bool allow_wide_mark, bool* wide);

  std::string_view data_;
  size_t pos_ = 0;
  bool ok_ = true;
};

/// Builds an option set file image.
class ArchiveWriter {
 public:
  void Byte(uint8_t value) { data_.push_back(static_cast<char>(value)); }
  /// Writes 1 or 0.
  void Bool(bool value) { Byte(value ? 1 : 0); }
  void Int32(int32_t value) { UInt32(static_cast<uint32_t>(value)); }
  void UInt32(uint32_t value);
  void Raw(std::string_view bytes) { data_.append(bytes); }
  /// A UTF-8 text: as Windows-1252 bytes when every character fits, else in
  /// the wide form (UTF-16LE).
  void String(std::string_view utf8);

  const std::string& data() const { return data_; }

 private:
  void Length(uint32_t length);

  std::string data_;
};

}  // namespace vellix::options
