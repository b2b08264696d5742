// The individuals and families that got pages during one run, as the two
// list log pages show them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <iterator>
#include <string_view>
#include <vector>

#include "text/key_index.h"
#include "text/text_pool.h"

namespace vellix {

/// One family page file of an individual, linked to the next one.
struct FamilyPageLink {
  text::PooledText page_file;
  FamilyPageLink* next = nullptr;
};

/// The family page files of one individual, in the order they were written
/// (a forward range of PooledText).
class FamilyPageList {
 public:
  class Iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = text::PooledText;
    using difference_type = std::ptrdiff_t;
    using pointer = const text::PooledText*;
    using reference = text::PooledText;

    explicit Iterator(const FamilyPageLink* at) : at_(at) {}
    text::PooledText operator*() const { return at_->page_file; }
    Iterator& operator++() {
      at_ = at_->next;
      return *this;
    }
    bool operator==(const Iterator& other) const { return at_ == other.at_; }
    bool operator!=(const Iterator& other) const { return at_ != other.at_; }

   private:
    const FamilyPageLink* at_;
  };

  explicit FamilyPageList(const FamilyPageLink* first) : first_(first) {}
  Iterator begin() const { return Iterator(first_); }
  Iterator end() const { return Iterator(nullptr); }
  bool empty() const { return first_ == nullptr; }

 private:
  const FamilyPageLink* first_;
};

/// What the individuals log shows of an individual besides his name and
/// pages. Few individuals have any, so entries keep them apart.
struct IndividualLogDetails {
  text::PooledText relationship;    // relationship text, empty when none
  text::PooledText biography_file;  // in m_strBioFolder, empty when none
  text::PooledText image_file;      // custom image in m_strIndivImageFolder
  text::PooledText portrait_file;   // portrait in the multimedia folder
  text::PooledText caption;         // caption of the image shown
};

/// One individual of the individuals log. Every text is plain UTF-8 (the log
/// pages escape it), kept in the entries' text pool; file names are as the
/// page writer used them, relative to the folder their option names.
struct IndividualLogEntry {
  text::PooledText ref;  // cross-reference key of the individual
  /// The two parts of the name, shown in this order separated by a space
  /// (for example the given names and the surname).
  text::PooledText name_first;
  text::PooledText name_second;
  /// First of the family pages that show the individual (RunLogEntries
  /// links them).
  FamilyPageLink* first_page = nullptr;
  /// Number + 1 of the individual's details in RunLogEntries, 0 when none
  /// (RunLogEntries::DetailsOf reads them).
  uint32_t details = 0;
  /// Living and left out of the site: the pages show only ">>>" for him.
  bool excluded = false;

  /// Page file names (without folder) of the family pages that show the
  /// individual, in the order they were written.
  FamilyPageList family_pages() const { return FamilyPageList(first_page); }
};

/// One family of the families log; texts as for IndividualLogEntry.
struct FamilyLogEntry {
  text::PooledText ref;        // cross-reference key of the family
  text::PooledText page_file;  // its page file name, without folder
  text::PooledText husband;    // name as shown
  text::PooledText wife;
  /// Optional keys the husband and wife sort by (for example "SMITH, John");
  /// the shown name when empty.
  text::PooledText husband_sort;
  text::PooledText wife_sort;
  text::PooledText narrative_file;    // in m_strNarrFolder
  text::PooledText import_file;       // in m_strImportFolder
  text::PooledText group_image_file;  // in m_strGroupImageFolder
  text::PooledText portrait_file;     // family portrait in the multimedia folder
  text::PooledText caption;           // caption of the image shown
};

/// The log entries of one run, in the order the page writers collected them.
/// Owned by whoever runs the page phases for one run; the family page and
/// index writers add to it, the list log pages read it, DiscardRunData
/// clears it. An individual is kept once however many pages show him:
/// Individual() finds the entry of a reference (compared exactly, as record
/// keys are) or starts one. References returned stay valid until Clear.
///
/// A run of a million people keeps a million entries until its log pages are
/// written, so entries are small (40 bytes): every text lives once in one
/// pool (a family page's file name is shared by everyone it shows), the
/// rarely set details apart, the reference lookup is an open-addressing
/// table of entry numbers.
class RunLogEntries {
 public:
  RunLogEntries() = default;
  RunLogEntries(const RunLogEntries&) = delete;
  RunLogEntries& operator=(const RunLogEntries&) = delete;

  /// The entry of `ref`, created (with only its reference set) when new.
  IndividualLogEntry& Individual(std::string_view ref);
  /// Records that the individual `ref` appears on the family page
  /// `page_file`; a page already listed for him is not listed twice.
  void AddFamilyPage(std::string_view ref, std::string_view page_file);
  /// Appends a family entry whose texts were kept with Keep.
  FamilyLogEntry& AddFamily(const FamilyLogEntry& entry);

  /// Keeps `text` in the entries' pool, for the fields of an entry.
  text::PooledText Keep(std::string_view text) { return texts_.Keep(text); }
  /// The details of `entry` (all empty when it has none).
  const IndividualLogDetails& DetailsOf(const IndividualLogEntry& entry) const;
  /// Sets one detail of `entry` to `text` (kept once when set again); an
  /// empty text gives an entry without details none.
  void SetDetail(IndividualLogEntry& entry, text::PooledText IndividualLogDetails::*field,
                 std::string_view text);

  const std::deque<IndividualLogEntry>& individuals() const { return individuals_; }
  const std::deque<FamilyLogEntry>& families() const { return families_; }

  void Clear();

 private:
  text::TextPool texts_;
  // Deques keep the collected order, never move an entry (references and
  // page links stay valid) and grow without copying a million entries.
  std::deque<IndividualLogEntry> individuals_;
  std::deque<FamilyPageLink> page_links_;
  std::deque<IndividualLogDetails> details_;
  std::deque<FamilyLogEntry> families_;
  text::KeyIndex lookup_;       // individuals by reference
  text::PooledText last_page_;  // page file most recently added
};

}  // namespace vellix
