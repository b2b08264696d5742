// The run's index of individuals, from which the name index pages and the
// surname pages are written.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "model/individuals.h"
#include "site/index/index_entry.h"
#include "text/key_index.h"
#include "text/text_pool.h"

namespace vellix {
class COptions;
class PrivacyFilter;
class RecordStore;
class RunLogEntries;
struct RunContext;
}  // namespace vellix

namespace vellix::site {

/// Collects one entry per indexed individual during a run, sorts them and
/// cuts them into surname groups and pages. It is the individuals pass's
/// sink; the family page writer may attach page links; Generate writes the
/// index and surname pages at the end of the run.
///
/// The option set and the privacy filter must outlive the index. Entries are
/// kept in insertion order until Sort. One object serves one run; Reset
/// empties it for the next.
class NameIndex : public IndividualSink {
 public:
  enum class SortMode {
    kIndex,            // name followed by lifespan (the pages' order)
    kReference,        // reference text
    kReferenceNumber,  // the number in the reference
  };

  NameIndex(const COptions& options, const PrivacyFilter& privacy);

  /// Where the icon marks of the family page writer are read: the
  /// markValue of each individual's entry in `store` (nullptr: none).
  void set_record_store(const RecordStore* store) { store_ = store; }

  /// Empties the entries, the lookup map, the groups and the letters.
  void Reset();
  /// Makes room for `count` entries at once, so a large index never holds
  /// two copies of its entries while growing.
  void Reserve(size_t count);

  /// The individuals pass hands over each individual: an entry linked to the
  /// home page, with icon flags from the record store's marks. A living
  /// individual is not indexed at all while living individuals are excluded.
  void AddIndividual(const IndividualSummary& summary, bool aliasInName) override;

  /// Adds the entry of `summary` with the icon flags `flags` (kIcon*); the
  /// biography and image bits are added when the summary has them and the
  /// individual's details may be shown. Returns false (nothing added) when
  /// the home page is empty or a living individual is excluded. An
  /// individual already listed is updated in place, not listed twice.
  bool AddIndividual(const IndividualSummary& summary, uint8_t flags);

  /// Stores the page links of `reference` (created unlisted when the
  /// individual has no entry yet; the entry takes them when it is added).
  void SetPageLinks(std::string_view reference, std::string_view text);

  /// Stable ascending sort of the entries; letters fold without regard to
  /// case. Index mode also folds accented letters to their base letters.
  void Sort(SortMode mode);

  /// Groups the sorted entries by surname and spreads them over pages of
  /// the option set's size, making the letter list.
  void Paginate();

  /// Sorts and paginates the entries and, with `write_pages`, writes the
  /// icon images, the index pages and the surname pages into the
  /// destination folder, stepping and watching ctx.progress. Returns true
  /// when every page was written; false when cancelled, when pages were not
  /// asked for, or when a page could not be written.
  bool Generate(RunContext& ctx, bool write_pages);

  /// Lifespan markers as HTML entities (the default, for pages) or as plain
  /// ">", "<" and "~" (for the custom-attributes dialog). Applies to entries
  /// added afterwards.
  void set_html_markers(bool html) { html_markers_ = html; }

  // The custom-attributes dialog walks the sorted entries with a cursor
  // that Reset puts before the first entry.
  /// The entry after the cursor (moving the cursor onto it), or nullptr at
  /// the end.
  const IndexEntry* NextEntry();
  /// The entry before the cursor (moving onto it), or nullptr at the start.
  const IndexEntry* PriorEntry();
  /// Puts the cursor before the first entry.
  void ResetCursor() { cursor_ = -1; }
  /// What the dialog shows for `entry`: the name (without its suffix when
  /// `without_suffix` and the given names were not filtered), a blank and
  /// the lifespan.
  static std::string DialogText(const IndexEntry& entry, bool without_suffix);

  /// The entry of `reference` (compared exactly, as record keys are), or nullptr.
  const IndexEntry* Find(std::string_view reference) const;
  /// Page links stored for `reference`, listed or not ("" when none).
  std::string PageLinksOf(std::string_view reference) const;

  const std::vector<IndexEntry>& entries() const { return entries_; }
  const std::vector<SurnameGroup>& groups() const { return groups_; }
  const std::vector<IndexLetter>& letters() const { return letters_; }
  int32_t page_count() const { return page_count_; }
  /// Number of entries added (the individuals count of page titles).
  int32_t count() const { return static_cast<int32_t>(entries_.size()); }
  const COptions& options() const { return options_; }

 private:
  void RebuildLookup();
  /// The reference of entry n, as the lookup asks for it.
  auto ReferenceOf() const {
    return [this](uint32_t n) { return entries_[n].reference.view(); };
  }

  const COptions& options_;
  const PrivacyFilter& privacy_;
  const RecordStore* store_ = nullptr;
  text::TextPool texts_;  // every text of the entries
  std::vector<IndexEntry> entries_;
  text::KeyIndex lookup_;  // entries_ by reference
  // Page links of references that have no entry yet.
  std::unordered_map<std::string, std::string> unlisted_links_;
  std::vector<SurnameGroup> groups_;
  std::vector<IndexLetter> letters_;
  int32_t page_count_ = 0;
  int64_t cursor_ = -1;  // dialog cursor: position in entries_, -1 before the first
  bool html_markers_ = true;
};

/// Fills the individuals log from the sorted index: each entry's name (given
/// part, then surname), relationship, biography and image, where the family
/// page writer has not already filled them. Family pages are the family page
/// writer's to record; an individual it recorded none for (a run of index
/// pages only) gets the page files of his families from the index.
void RecordLogEntries(const NameIndex& index, RunLogEntries* log);

}  // namespace vellix::site
