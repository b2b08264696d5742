// Texts kept for the length of a run in a few large blocks, so that the
// names, references and page file names of a million people cost their bytes
// and one pointer each rather than a string object and an allocation apiece.
#pragma once

#include <cstddef>
#include <iosfwd>
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
  std::string_view view() const;
  operator std::string_view() const { return view(); }  // NOLINT: a text is a text
  size_t size() const { return view().size(); }
  std::string str() const { return std::string(view()); }

  friend bool operator==(PooledText a, PooledText b) { return a.view() == b.view(); }
  friend bool operator==(PooledText a, std::string_view b) { return a.view() == b; }
  friend std::ostream& operator<<(std::ostream& out, PooledText text);

 private:
  friend class TextPool;
  explicit PooledText(const char* at) : at_(at) {}
  // The text's length as a base-128 number (low seven bits first, high bit
  // set on every byte but the last), then its bytes.
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
  /// Stores `text` into `*field` unless the field already holds it, so a
  /// value set again and again (once per page showing a person) is kept once.
  void Assign(PooledText* field, std::string_view text);

  /// Frees every text; all PooledText values made by this pool become invalid.
  void Clear();
  /// Bytes reserved in blocks (for benchmarks and tests).
  size_t reserved_bytes() const { return reserved_; }

 private:
  static constexpr size_t kBlockSize = 256 * 1024;

  std::vector<std::unique_ptr<char[]>> blocks_;
  char* next_ = nullptr;  // free space of the newest block
  size_t room_ = 0;
  size_t reserved_ = 0;
};

}  // namespace vellix::text
