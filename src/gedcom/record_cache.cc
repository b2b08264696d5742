#include "gedcom/record_cache.h"

#include <utility>

#include "text/string_ops.h"

namespace vellix {

std::string RecordCache::Fold(std::string_view key) { return text::AsciiLower(key); }

GedcomRecord* RecordCache::Find(std::string_view key) const {
  auto it = records_.find(Fold(key));
  return it == records_.end() ? nullptr : it->second.get();
}

GedcomRecord* RecordCache::Put(std::string_view key, std::unique_ptr<GedcomRecord> record,
                               bool pin) {
  std::string folded = Fold(key);
  if (pin) {
    pinned_ = folded;
    has_pinned_ = true;
  }
  if (auto it = records_.find(folded); it != records_.end()) {
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
  queue_.push_back(folded);
  GedcomRecord* result = record.get();
  records_.emplace(std::move(folded), std::move(record));
  return result;
}

void RecordCache::Clear() {
  queue_.clear();
  records_.clear();
  pinned_.clear();
  has_pinned_ = false;
}

}  // namespace vellix
