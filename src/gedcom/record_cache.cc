#include "gedcom/record_cache.h"

#include <utility>

namespace vellix {

GedcomRecord* RecordCache::Find(std::string_view key) const {
  auto it = records_.find(std::string(key));
  return it == records_.end() ? nullptr : it->second.record.get();
}

bool RecordCache::Full(size_t incoming) const {
  if (queue_.size() < capacity_) return false;
  return budget_ == 0 || bytes_ + incoming > budget_;
}

GedcomRecord* RecordCache::Put(std::string_view key, std::unique_ptr<GedcomRecord> record,
                               bool pin, size_t bytes) {
  std::string owned(key);
  if (pin) {
    pinned_ = owned;
    has_pinned_ = true;
  }
  if (auto it = records_.find(owned); it != records_.end()) {
    bytes_ = bytes_ - it->second.bytes + bytes;
    it->second = Held{std::move(record), bytes};
    return it->second.record.get();
  }
  while (!queue_.empty() && Full(bytes)) {
    EvictOldest();
    overflowed_ = true;
  }
  queue_.push_back(owned);
  GedcomRecord* result = record.get();
  bytes_ += bytes;
  records_.emplace(std::move(owned), Held{std::move(record), bytes});
  return result;
}

void RecordCache::EvictOldest() {
  std::string oldest = std::move(queue_.front());
  queue_.pop_front();
  if (has_pinned_ && oldest == pinned_ && !queue_.empty()) {
    queue_.push_back(std::move(oldest));
    oldest = std::move(queue_.front());
    queue_.pop_front();
  }
  if (auto it = records_.find(oldest); it != records_.end()) {
    bytes_ -= it->second.bytes;
    records_.erase(it);
  }
}

void RecordCache::TrimToCapacity() {
  while (queue_.size() > capacity_) EvictOldest();
}

void RecordCache::Clear() {
  queue_.clear();
  records_.clear();
  bytes_ = 0;
  pinned_.clear();
  has_pinned_ = false;
  overflowed_ = false;
}

}  // namespace vellix
