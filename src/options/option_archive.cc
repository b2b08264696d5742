#include "options/option_archive.h"

#include "text/charset.h"

namespace vellix::options {
namespace {

constexpr uint16_t kWideMark = 0xFFFE;
constexpr uint16_t kLongMark = 0xFFFF;

}  // namespace

bool ArchiveReader::Need(size_t count) {
  if (!ok_ || data_.size() - pos_ < count) {
    ok_ = false;
    return false;
  }
  return true;
}

uint8_t ArchiveReader::Byte() {
  if (!Need(1)) return 0;
  return static_cast<uint8_t>(data_[pos_++]);
}

uint32_t ArchiveReader::UInt32() {
  if (!Need(4)) return 0;
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i) {
    value = (value << 8) | static_cast<uint8_t>(data_[pos_ + i]);
  }
  pos_ += 4;
  return value;
}

std::string ArchiveReader::Raw(size_t count) {
  if (!Need(count)) return {};
  std::string bytes(data_.substr(pos_, count));
  pos_ += count;
  return bytes;
}

uint32_t ArchiveReader::Length(bool allow_wide_mark, bool* wide) {
  const uint8_t first = Byte();
  if (first < 0xFF) return first;
  const uint8_t low = Byte();
  const uint8_t high = Byte();
  const uint16_t second = static_cast<uint16_t>(low | (high << 8));
  if (second == kWideMark) {
    if (!allow_wide_mark) {  // the mark twice is no valid prefix
      ok_ = false;
      return 0;
    }
    *wide = true;
    return Length(false, wide);
  }
  if (second < kLongMark) return second;
  return UInt32();
}

std::string ArchiveReader::String() {
  bool wide = false;
  const uint32_t length = Length(true, &wide);
  if (!ok_) return {};
  if (!wide) {
    if (!Need(length)) return {};
    std::string_view bytes = data_.substr(pos_, length);
    pos_ += length;
    return charset::Windows1252ToUtf8(bytes);
  }
  if (length > (data_.size() - pos_) / 2) {
    ok_ = false;
    return {};
  }
  std::u16string units(length, u'\0');
  for (uint32_t i = 0; i < length; ++i) {
    units[i] = static_cast<char16_t>(static_cast<uint8_t>(data_[pos_]) |
                                     (static_cast<uint8_t>(data_[pos_ + 1]) << 8));
    pos_ += 2;
  }
  return charset::Utf16ToUtf8(units);
}

void ArchiveWriter::UInt32(uint32_t value) {
  for (int i = 0; i < 4; ++i) Byte(static_cast<uint8_t>(value >> (8 * i)));
}

void ArchiveWriter::Length(uint32_t length) {
  if (length < 0xFF) {
    Byte(static_cast<uint8_t>(length));
  } else if (length < kWideMark) {
    Byte(0xFF);
    Byte(static_cast<uint8_t>(length));
    Byte(static_cast<uint8_t>(length >> 8));
  } else {
    Byte(0xFF);
    Byte(0xFF);
    Byte(0xFF);
    UInt32(length);
  }
}

void ArchiveWriter::String(std::string_view utf8) {
  bool all_fit = false;
  const std::string narrow = charset::Utf8ToWindows1252(utf8, &all_fit);
  if (all_fit) {
    Length(static_cast<uint32_t>(narrow.size()));
    Raw(narrow);
    return;
  }
  const std::u16string units = charset::Utf8ToUtf16(utf8);
  Byte(0xFF);
  Byte(static_cast<uint8_t>(kWideMark & 0xFF));
  Byte(static_cast<uint8_t>(kWideMark >> 8));
  Length(static_cast<uint32_t>(units.size()));
  for (char16_t u : units) {
    Byte(static_cast<uint8_t>(u & 0xFF));
    Byte(static_cast<uint8_t>(u >> 8));
  }
}

}  // namespace vellix::options
