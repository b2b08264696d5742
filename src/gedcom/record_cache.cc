#include "gedcom/record_cache.h"

#include <utility>

namespace vellix {

GedcomRecord* RecordCache::Find(std::string_view key) const {
  auto it = records_.find(std::string(key));
  return it == records_.end() ? nullptr : it->second.get();
}

GedcomRecord* RecordCache::Put(std::string_view key, std::unique_ptr<GedcomRecord> record,
                               bool pin) {
  std::string owned(key);
  if (pin) {
    pinned_ = owned;
    has_pinned_ = true;
  }
  if (auto it = records_.find(owned); it != records_.end()) {
    it->second = std::move(record);
    return it->second.get();
  }
  while (!queue_.empty() && queue_.size() >= capacity_) {
    std::string oldest = std::move(queue_.front());
    queue_.pop_front();
    if (has_pinned_ && oldest == pinned_ && !queue_.empty()) {
      queue_.push_back(std::move(oldest));
      oldest = std::move(queue_.front());
      queue_.pop_front();
    }
    records_.erase(oldest);
  }
  queue_.push_back(owned);
  GedcomRecord* result = record.get();
  records_.emplace(std::move(owned), std::move(record));
  return result;
}

void RecordCache::Clear() {
  queue_.clear();
  records_.clear();
  pinned_.clear();
  has_pinned_ = false;
}

}  // namespace vellix
