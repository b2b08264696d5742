// A small first-in-first-out cache of loaded records.
#pragma once

#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "gedcom/gedcom_record.h"

namespace vellix {

/// Holds at most `capacity` loaded records of one group of kinds, evicting
/// the oldest first; one key may be pinned and is then never evicted (it
/// goes back to the end of the queue instead). Keys are the records' own
/// keys, compared exactly (two records may differ only by case). The cache owns its
/// records; a pointer it hands out stays valid until that record is evicted or the cache
/// is cleared.
class RecordCache {
 public:
  explicit RecordCache(size_t capacity) : capacity_(capacity) {}

  GedcomRecord* Find(std::string_view key) const;
  void Pin(std::string_view key) {
    pinned_ = std::string(key);
    has_pinned_ = true;
  }
  /// Adds `record` under `key`, evicting as needed; returns the cached copy.
  GedcomRecord* Put(std::string_view key, std::unique_ptr<GedcomRecord> record, bool pin);
  void Clear();
  size_t size() const { return records_.size(); }

 private:
  size_t capacity_;
  std::deque<std::string> queue_;  // keys, oldest first
  std::unordered_map<std::string, std::unique_ptr<GedcomRecord>> records_;
  std::string pinned_;
  bool has_pinned_ = false;
};

}  // namespace vellix
