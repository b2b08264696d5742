#include "text/text_pool.h"

#include <cstring>
#include <ostream>

namespace vellix::text {

std::string_view PooledText::view() const {
  if (at_ == nullptr) return {};
  const auto* p = reinterpret_cast<const unsigned char*>(at_);
  size_t length = 0;
  int shift = 0;
  while (*p & 0x80) {
    length |= static_cast<size_t>(*p++ & 0x7F) << shift;
    shift += 7;
  }
  length |= static_cast<size_t>(*p++) << shift;
  return {reinterpret_cast<const char*>(p), length};
}

std::ostream& operator<<(std::ostream& out, PooledText text) {
  return out << text.view();
}

PooledText TextPool::Keep(std::string_view text) {
  if (text.empty()) return {};
  unsigned char prefix[10];
  size_t prefix_size = 0;
  for (size_t n = text.size();; n >>= 7) {
    if (n < 0x80) {
      prefix[prefix_size++] = static_cast<unsigned char>(n);
      break;
    }
    prefix[prefix_size++] = static_cast<unsigned char>((n & 0x7F) | 0x80);
  }
  const size_t need = prefix_size + text.size();
  char* at;
  if (need > kBlockSize / 4) {
    // A long text gets a block of its own, so the current block's free space
    // is not thrown away for it.
    blocks_.push_back(std::make_unique<char[]>(need));
    reserved_ += need;
    at = blocks_.back().get();
  } else {
    if (need > room_) {
      blocks_.push_back(std::make_unique<char[]>(kBlockSize));
      reserved_ += kBlockSize;
      next_ = blocks_.back().get();
      room_ = kBlockSize;
    }
    at = next_;
    next_ += need;
    room_ -= need;
  }
  std::memcpy(at, prefix, prefix_size);
  std::memcpy(at + prefix_size, text.data(), text.size());
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
