// Texts kept for the length of a run in a few large blocks, so that the
// names, references and page file names of a million people cost their bytes
// and one pointer each rather than a string object and an allocation apiece.
#pragma once

#include <algorithm>
#include <cstddef>
#include <iosfwd>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vellix::text {

/// A text kept in a TextPool: a single pointer, 8 bytes (a std::string takes
/// 32 and often an allocation). Empty when default-constructed. Only a pool
/// makes non-empty ones, so a temporary string can never be stored by
/// mistake; the text stays valid until the pool is cleared or destroyed.
class PooledText {
 public:
  PooledText() = default;

  bool empty() const { return at_ == nullptr; }
  std::string_view view() const {
    if (at_ == nullptr) return {};
    // Texts under 128 bytes, nearly all of them, have a one-byte length.
    const auto first = static_cast<unsigned char>(*at_);
    if (first < 0x80) return {at_ + 1, first};
    return LongView();
  }
  operator std::string_view() const { return view(); }  // NOLINT: a text is a text
  size_t size() const { return view().size(); }
  std::string str() const { return std::string(view()); }

  friend bool operator==(PooledText a, PooledText b) { return a.view() == b.view(); }
  friend bool operator==(PooledText a, std::string_view b) { return a.view() == b; }
  friend std::ostream& operator<<(std::ostream& out, PooledText text);

 private:
  friend class TextPool;
  explicit PooledText(const char* at) : at_(at) {}
  std::string_view LongView() const;
  // The text's length as a base-128 number (low seven bits first, high bit
  // set on every byte but the last), then its bytes.
  const char* at_ = nullptr;
};

/// A list of texts kept in a TextPool as one block: a single pointer, empty
/// when default-constructed. Iterating gives std::string_view values.
class PooledTextList {
 public:
  class Iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = std::string_view;
    using difference_type = std::ptrdiff_t;
    using pointer = const std::string_view*;
    using reference = std::string_view;

    Iterator(const char* at, size_t left) : at_(at), left_(left) {}
    std::string_view operator*() const;
    Iterator& operator++();
    bool operator==(const Iterator& other) const { return left_ == other.left_; }
    bool operator!=(const Iterator& other) const { return left_ != other.left_; }

   private:
    const char* at_;  // the length of the current text
    size_t left_;     // texts from the current one to the end
  };

  PooledTextList() = default;
  bool empty() const { return at_ == nullptr; }
  size_t size() const;
  Iterator begin() const;
  Iterator end() const { return Iterator(nullptr, 0); }

 private:
  friend class TextPool;
  explicit PooledTextList(const char* at) : at_(at) {}
  // The number of texts, then each text as a PooledText stores it.
  const char* at_ = nullptr;
};

/// Owns the bytes of PooledText values. Texts are appended and never moved;
/// Clear frees them all at once. Not thread-safe: one pool serves one run.
class TextPool {
 public:
  TextPool() = default;
  TextPool(const TextPool&) = delete;
  TextPool& operator=(const TextPool&) = delete;

  /// Keeps a copy of `text`; the empty text gives an empty PooledText and
  /// costs nothing.
  PooledText Keep(std::string_view text);
  /// Keeps a copy of `texts` as one list; no texts give an empty list.
  template <typename Texts>
  PooledTextList KeepList(const Texts& texts) {
    if (texts.empty()) return {};
    size_t bytes = 10;
    for (std::string_view text : texts) bytes += 10 + text.size();
    char* at = Reserve(bytes);
    char* out = PutLength(at, texts.size());
    for (std::string_view text : texts) {
      out = PutLength(out, text.size());
      out = std::copy(text.begin(), text.end(), out);
    }
    Release(at + bytes, out);
    return PooledTextList(at);
  }

  /// Stores `text` into `*field` unless the field already holds it, so a
  /// value set again and again (once per page showing a person) is kept once.
  void Assign(PooledText* field, std::string_view text);

  /// Frees every text; all PooledText values made by this pool become invalid.
  void Clear();
  /// Bytes reserved in blocks (for benchmarks and tests).
  size_t reserved_bytes() const { return reserved_; }

 private:
  static constexpr size_t kBlockSize = 256 * 1024;

  // Room for `bytes` bytes, in the current block or a block of its own.
  char* Reserve(size_t bytes);
  // Gives back the unused end (from `used_end`) of the last reservation,
  // which ended at `reserved_end`.
  void Release(char* reserved_end, char* used_end);
  // Writes `length` as a base-128 number; returns the end.
  static char* PutLength(char* out, size_t length);

  std::vector<std::unique_ptr<char[]>> blocks_;
  char* next_ = nullptr;  // free space of the newest block
  size_t room_ = 0;
  size_t reserved_ = 0;
};

}  // namespace vellix::text
