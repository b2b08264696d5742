#include "text/text_pool.h"

#include <cstring>
#include <ostream>

namespace vellix::text {

namespace {

// Reads a base-128 length at `*at` and moves past it.
size_t TakeLength(const char** at) {
  const auto* p = reinterpret_cast<const unsigned char*>(*at);
  size_t length = 0;
  int shift = 0;
  while (*p & 0x80) {
    length |= static_cast<size_t>(*p++ & 0x7F) << shift;
    shift += 7;
  }
  length |= static_cast<size_t>(*p++) << shift;
  *at = reinterpret_cast<const char*>(p);
  return length;
}

}  // namespace

std::string_view PooledText::LongView() const {
  const char* p = at_;
  const size_t length = TakeLength(&p);
  return {p, length};
}

size_t PooledTextList::size() const {
  if (at_ == nullptr) return 0;
  const char* p = at_;
  return TakeLength(&p);
}

PooledTextList::Iterator PooledTextList::begin() const {
  if (at_ == nullptr) return end();
  const char* p = at_;
  const size_t count = TakeLength(&p);
  return Iterator(p, count);
}

std::string_view PooledTextList::Iterator::operator*() const {
  const char* p = at_;
  const size_t length = TakeLength(&p);
  return {p, length};
}

PooledTextList::Iterator& PooledTextList::Iterator::operator++() {
  const size_t length = TakeLength(&at_);
  at_ += length;
  --left_;
  return *this;
}

std::ostream& operator<<(std::ostream& out, PooledText text) {
  return out << text.view();
}

char* TextPool::PutLength(char* out, size_t length) {
  while (length >= 0x80) {
    *out++ = static_cast<char>((length & 0x7F) | 0x80);
    length >>= 7;
  }
  *out++ = static_cast<char>(length);
  return out;
}

char* TextPool::Reserve(size_t bytes) {
  if (bytes > kBlockSize / 4) {
    // A long text gets a block of its own, so the current block's free
    // space is not thrown away for it.
    blocks_.push_back(std::make_unique<char[]>(bytes));
    reserved_ += bytes;
    return blocks_.back().get();
  }
  if (bytes > room_) {
    blocks_.push_back(std::make_unique<char[]>(kBlockSize));
    reserved_ += kBlockSize;
    next_ = blocks_.back().get();
    room_ = kBlockSize;
  }
  char* at = next_;
  next_ += bytes;
  room_ -= bytes;
  return at;
}

void TextPool::Release(char* reserved_end, char* used_end) {
  // Only the current block's last reservation can be given back; a block of
  // its own keeps its few spare bytes.
  if (reserved_end == next_) {
    room_ += static_cast<size_t>(reserved_end - used_end);
    next_ = used_end;
  }
}

PooledText TextPool::Keep(std::string_view text) {
  if (text.empty()) return {};
  char* at = Reserve(10 + text.size());
  char* out = PutLength(at, text.size());
  out = std::copy(text.begin(), text.end(), out);
  Release(at + 10 + text.size(), out);
  return PooledText(at);
}

void TextPool::Assign(PooledText* field, std::string_view text) {
  if (field->view() != text) *field = Keep(text);
}

void TextPool::Clear() {
  blocks_.clear();
  next_ = nullptr;
  room_ = 0;
  reserved_ = 0;
}

}  // namespace vellix::text
