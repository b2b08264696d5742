// The index of level-0 records that the reading pass files, one collection
// per record kind.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "gedcom/gedcom_record.h"
#include "gedcom/tag_table.h"

namespace vellix {

/// Holds the index entries of every record kind, keyed by cross-reference
/// identifier (unique per kind, compared without regard to ASCII case), and
/// walks one kind at a time in key order (case-insensitive, character by
/// character: F1, F10, F2). Lives in the Generator and survives between
/// runs while the GEDCOM file is unchanged. Entries have stable addresses
/// until Clear. Lookups hash; the walk order is sorted once, when a walk
/// starts after entries were added.
class RecordStore {
 public:
  /// Bytes added to memoryEstimate per record filed and per subordinate
  /// line attached.
  static constexpr int64_t kRecordEstimate = 76;
  static constexpr int64_t kLineEstimate = 284;

  RecordStore();
  ~RecordStore();
  RecordStore(const RecordStore&) = delete;
  RecordStore& operator=(const RecordStore&) = delete;

  /// Files a new entry of `kind` made from a level-0 line (the header's key
  /// is always "VX_HDR"). Returns nullptr when the kind is outside 1..10 or
  /// the key is already filed in that kind.
  GedcomRecord* Add(RecordKind kind, TagCode code, std::string_view tag,
                    std::string_view key, std::string_view value, int64_t fileOffset);

  /// The entry of `kind` whose key equals `key` without regard to case.
  GedcomRecord* Find(RecordKind kind, std::string_view key);
  const GedcomRecord* Find(RecordKind kind, std::string_view key) const;

  /// The next entry of the store's one walk, in key order; nullptr at the
  /// end. Without a walk in progress a new walk of `kind` starts from its
  /// first entry; `kind` counts only then. After the end, the next call
  /// starts a new walk.
  GedcomRecord* Next(RecordKind kind);
  /// Ends the walk in progress.
  void ResetWalk();

  /// Clears marks bits 0..3 and markValue of every entry of kinds 2..9.
  void ClearMarks();
  /// Destroys every entry; counts, walk and memoryEstimate back to zero.
  void Clear();

  /// Applies `convert` (bool(std::string*), true when it changed the text)
  /// to every key and value, keeping the key index consistent. Used once the
  /// file's character set is known.
  template <typename Fn>
  void ConvertTexts(Fn convert);

  /// Adds the estimate of `lines` subordinate lines attached to records.
  void AddLineEstimate(int64_t lines) { memoryEstimate_ += lines * kLineEstimate; }

  int32_t familyCount() const { return familyCount_; }
  int32_t individualCount() const { return individualCount_; }
  int64_t memoryEstimate() const { return memoryEstimate_; }
  /// Number of entries of `kind` (0 for kinds outside 1..10).
  size_t Count(RecordKind kind) const;

 private:
  struct Collection {
    std::deque<GedcomRecord> entries;  // stable addresses, filing order
    // Open addressing: low 32 bits entry index + 1 (0 = empty), high 32 bits
    // the key's hash, so most probes never touch an entry.
    std::vector<uint64_t> slots;
    std::vector<uint32_t> order;  // entry indices in key order
    bool orderDirty = false;
    size_t cursor = 0;  // next position in `order`
  };

  const Collection* CollectionOf(RecordKind kind) const;
  Collection* CollectionOf(RecordKind kind);
  static int64_t FindIndex(const Collection& c, std::string_view key);
  static void Insert(Collection* c, uint32_t index, uint32_t hash);
  static void Rehash(Collection* c, size_t capacity);
  static void SortOrder(Collection* c);

  std::array<Collection, kRecordKindCount> collections_;
  int32_t familyCount_ = 0;
  int32_t individualCount_ = 0;
  int64_t memoryEstimate_ = 0;
  bool restart_ = true;
  Collection* walking_ = nullptr;
};

template <typename Fn>
void RecordStore::ConvertTexts(Fn convert) {
  for (Collection& c : collections_) {
    bool keys_changed = false;
    for (GedcomRecord& r : c.entries) {
      if (convert(&r.key)) keys_changed = true;
      convert(&r.value);
    }
    if (keys_changed) {
      Rehash(&c, c.slots.size());
      c.orderDirty = true;
    }
  }
}

}  // namespace vellix
