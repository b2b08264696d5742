// A small first-in-first-out cache of loaded records.
#pragma once

#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "gedcom/gedcom_record.h"

namespace vellix {

/// Holds loaded records of one group of kinds, evicting the oldest first:
/// at least `capacity` records, and beyond that as many as fit in a byte
/// budget (0: exactly `capacity`), so that a run whose records fit in
/// memory parses each of them once instead of once per pass. One key may be
/// pinned and is then never evicted (it goes back to the end of the queue
/// instead). Keys are the records' own
/// keys, compared exactly (two records may differ only by case). The cache owns its
/// records; a pointer it hands out stays valid until that record is evicted or the cache
/// is cleared.
class RecordCache {
 public:
  explicit RecordCache(size_t capacity) : capacity_(capacity) {}

  /// Lets the cache keep records past its capacity while the estimated
  /// bytes of all it holds stay within `bytes`. Takes effect at the next Put.
  void SetByteBudget(size_t bytes) { budget_ = bytes; }

  GedcomRecord* Find(std::string_view key) const;
  void Pin(std::string_view key) {
    pinned_ = std::string(key);
    has_pinned_ = true;
  }
  /// Adds `record` (about `bytes` of memory) under `key`, evicting as
  /// needed; returns the cached copy.
  GedcomRecord* Put(std::string_view key, std::unique_ptr<GedcomRecord> record, bool pin,
                    size_t bytes = 0);
  /// Drops the oldest records (never the pinned one) until only `capacity`
  /// remain: the newest records, and pointers to them, stay valid.
  void TrimToCapacity();
  void Clear();
  size_t size() const { return records_.size(); }
  /// True once the budget made the cache drop a record (since Clear): the
  /// records of this group do not all fit.
  bool overflowed() const { return overflowed_; }

 private:
  struct Held {
    std::unique_ptr<GedcomRecord> record;
    size_t bytes = 0;
  };
  /// True while the cache must drop its oldest record before adding one of
  /// `incoming` bytes.
  bool Full(size_t incoming) const;
  /// Drops the oldest record, or the next one when the oldest is pinned.
  void EvictOldest();

  size_t capacity_;
  size_t budget_ = 0;
  size_t bytes_ = 0;               // estimated bytes of the records held
  std::deque<std::string> queue_;  // keys, oldest first
  std::unordered_map<std::string, Held> records_;
  std::string pinned_;
  bool has_pinned_ = false;
  bool overflowed_ = false;
};

}  // namespace vellix
