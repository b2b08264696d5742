#include "gedcom/record_store.h"

#include <algorithm>

namespace vellix {
namespace {

inline unsigned char Lower(unsigned char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 32) : c;
}

uint32_t HashNoCase(std::string_view key) {
  uint64_t h = 1469598103934665603ull;  // FNV-1a
  for (char c : key) {
    h ^= Lower(static_cast<unsigned char>(c));
    h *= 1099511628211ull;
  }
  return static_cast<uint32_t>(h ^ (h >> 32));
}

// Case-insensitive, character by character, as unsigned bytes: F1 < F10 < F2.
bool LessNoCase(std::string_view a, std::string_view b) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    const unsigned char ca = Lower(static_cast<unsigned char>(a[i]));
    const unsigned char cb = Lower(static_cast<unsigned char>(b[i]));
    if (ca != cb) return ca < cb;
  }
  return a.size() < b.size();
}

}  // namespace

RecordStore::RecordStore() = default;
RecordStore::~RecordStore() = default;

RecordStore::Collection* RecordStore::CollectionOf(RecordKind kind) {
  const int k = static_cast<int>(kind);
  if (k < 1 || k > kRecordKindCount) return nullptr;
  return &collections_[k - 1];
}

const RecordStore::Collection* RecordStore::CollectionOf(RecordKind kind) const {
  const int k = static_cast<int>(kind);
  if (k < 1 || k > kRecordKindCount) return nullptr;
  return &collections_[k - 1];
}

size_t RecordStore::Count(RecordKind kind) const {
  const Collection* c = CollectionOf(kind);
  return c ? c->entries.size() : 0;
}

int64_t RecordStore::FindIndex(const Collection& c, std::string_view key) {
  if (c.slots.empty()) return -1;
  const uint32_t hash = HashNoCase(key);
  const size_t mask = c.slots.size() - 1;
  for (size_t i = hash & mask;; i = (i + 1) & mask) {
    const uint64_t slot = c.slots[i];
    if (slot == 0) return -1;
    const uint32_t index = static_cast<uint32_t>(slot) - 1;
    if (static_cast<uint32_t>(slot >> 32) == hash &&
        EqualsNoCase(c.entries[index].key, key)) {
      return index;
    }
  }
}

void RecordStore::Insert(Collection* c, uint32_t index, uint32_t hash) {
  const size_t mask = c->slots.size() - 1;
  size_t i = hash & mask;
  while (c->slots[i] != 0) i = (i + 1) & mask;
  c->slots[i] = (uint64_t{hash} << 32) | (index + 1);
}

void RecordStore::Rehash(Collection* c, size_t capacity) {
  if (capacity < 16) capacity = 16;
  std::vector<uint64_t> old = std::move(c->slots);
  c->slots.assign(capacity, 0);
  if (old.size() == capacity || old.empty()) {
    // Same size (keys changed) or first table: hash every key afresh.
    for (uint32_t i = 0; i < c->entries.size(); ++i) {
      Insert(c, i, HashNoCase(c->entries[i].key));
    }
    return;
  }
  for (uint64_t slot : old) {
    if (slot != 0) {
      Insert(c, static_cast<uint32_t>(slot) - 1, static_cast<uint32_t>(slot >> 32));
    }
  }
}

GedcomRecord* RecordStore::Add(RecordKind kind, TagCode code, std::string_view tag,
                               std::string_view key, std::string_view value,
                               int64_t fileOffset) {
  Collection* c = CollectionOf(kind);
  if (!c) return nullptr;
  if (kind == RecordKind::kHeader) key = kHeaderKey;
  if (FindIndex(*c, key) >= 0) return nullptr;
  // Keep the table at most half full so probes stay short.
  if ((c->entries.size() + 1) * 2 > c->slots.size()) {
    Rehash(c, std::max<size_t>(16, c->slots.size() * 2));
  }
  c->entries.emplace_back(code, std::string(tag), std::string(key), std::string(value),
                          fileOffset);
  Insert(c, static_cast<uint32_t>(c->entries.size() - 1), HashNoCase(key));
  c->orderDirty = true;
  memoryEstimate_ += kRecordEstimate;
  if (kind == RecordKind::kFamily) ++familyCount_;
  if (kind == RecordKind::kIndividual) ++individualCount_;
  return &c->entries.back();
}

GedcomRecord* RecordStore::Find(RecordKind kind, std::string_view key) {
  Collection* c = CollectionOf(kind);
  if (!c) return nullptr;
  const int64_t index = FindIndex(*c, key);
  return index < 0 ? nullptr : &c->entries[index];
}

const GedcomRecord* RecordStore::Find(RecordKind kind, std::string_view key) const {
  return const_cast<RecordStore*>(this)->Find(kind, key);
}

void RecordStore::SortOrder(Collection* c) {
  c->order.resize(c->entries.size());
  for (uint32_t i = 0; i < c->order.size(); ++i) c->order[i] = i;
  std::stable_sort(c->order.begin(), c->order.end(), [c](uint32_t a, uint32_t b) {
    return LessNoCase(c->entries[a].key, c->entries[b].key);
  });
  c->orderDirty = false;
}

GedcomRecord* RecordStore::Next(RecordKind kind) {
  if (restart_) {
    Collection* c = CollectionOf(kind);
    if (!c) return nullptr;
    restart_ = false;
    walking_ = c;
    walking_->cursor = 0;
  }
  Collection* c = walking_;
  if (c->orderDirty) SortOrder(c);
  if (c->cursor >= c->order.size()) {
    c->cursor = 0;
    restart_ = true;
    walking_ = nullptr;
    return nullptr;
  }
  return &c->entries[c->order[c->cursor++]];
}

void RecordStore::ResetWalk() {
  if (walking_) walking_->cursor = 0;
  walking_ = nullptr;
  restart_ = true;
}

void RecordStore::ClearMarks() {
  for (int k = static_cast<int>(RecordKind::kFamily);
       k <= static_cast<int>(RecordKind::kSubmitter); ++k) {
    for (GedcomRecord& r : collections_[k - 1].entries) {
      r.flags &= static_cast<uint8_t>(~kRunMarks);
      r.markValue = 0;
    }
  }
}

void RecordStore::Clear() {
  for (Collection& c : collections_) c = Collection();
  familyCount_ = 0;
  individualCount_ = 0;
  memoryEstimate_ = 0;
  restart_ = true;
  walking_ = nullptr;
}

}  // namespace vellix
