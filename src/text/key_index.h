// Finds entries of a list by a text key without storing the keys twice.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace vellix::text {

/// An open-addressing hash index over the entries of a list kept elsewhere:
/// it stores only entry numbers (4 bytes a slot, at most half the slots in
/// use) and asks the caller's `key_of(number)` for an entry's key, so a
/// million references cost some 8 MB instead of a map of string copies.
/// Keys compare exactly. The caller adds each key once.
class KeyIndex {
 public:
  static constexpr int64_t kNotFound = -1;

  /// The number of the entry whose key is `key`, or kNotFound.
  template <typename KeyOf>
  int64_t Find(std::string_view key, const KeyOf& key_of) const {
    if (slots_.empty()) return kNotFound;
    const uint32_t slot = slots_[SlotOf(key, key_of)];
    return slot == 0 ? kNotFound : static_cast<int64_t>(slot) - 1;
  }

  /// Adds entry `number`, whose key must not be in the index yet.
  template <typename KeyOf>
  void Add(uint32_t number, const KeyOf& key_of) {
    if ((count_ + 1) * 2 > slots_.size()) Rebuild(key_of, (count_ + 1) * 2);
    slots_[SlotOf(key_of(number), key_of)] = number + 1;
    ++count_;
  }

  /// Makes room for `count` entries at once (entries 0..count_-1 re-added).
  template <typename KeyOf>
  void Reserve(size_t count, const KeyOf& key_of) {
    if (count * 2 > slots_.size()) Rebuild(key_of, count * 2);
  }

  void Clear() {
    slots_.clear();
    slots_.shrink_to_fit();
    count_ = 0;
  }

 private:
  template <typename KeyOf>
  size_t SlotOf(std::string_view key, const KeyOf& key_of) const {
    const size_t mask = slots_.size() - 1;
    size_t slot = std::hash<std::string_view>{}(key)&mask;
    while (slots_[slot] != 0 && std::string_view(key_of(slots_[slot] - 1)) != key) {
      slot = (slot + 1) & mask;
    }
    return slot;
  }

  template <typename KeyOf>
  void Rebuild(const KeyOf& key_of, size_t at_least) {
    size_t size = 1024;
    while (size < at_least) size *= 2;
    std::vector<uint32_t> old = std::move(slots_);
    slots_.assign(size, 0);
    for (uint32_t number : old) {
      if (number != 0) slots_[SlotOf(key_of(number - 1), key_of)] = number;
    }
  }

  std::vector<uint32_t> slots_;  // entry number + 1, 0 for a free slot
  size_t count_ = 0;
};

}  // namespace vellix::text
