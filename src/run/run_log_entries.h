// The individuals and families that got pages during one run, as the two
// list log pages show them.
#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vellix {

/// One individual of the individuals log. Every text is plain UTF-8 (the log
/// pages escape it); file names are as the page writer used them, relative
/// to the folder their option names.
struct IndividualLogEntry {
  std::string ref;  // cross-reference key of the individual
  /// The two parts of the name, shown in this order separated by a space
  /// (for example the given names and the surname).
  std::string name_first;
  std::string name_second;
  std::string relationship;    // relationship text, empty when none
  std::string biography_file;  // in m_strBioFolder, empty when none
  std::string image_file;      // custom image in m_strIndivImageFolder
  std::string portrait_file;   // portrait in the multimedia folder
  std::string caption;         // caption of the image shown
  /// Page file names (without folder) of the family pages that show the
  /// individual, in the order they were written.
  std::vector<std::string> family_pages;
};

/// One family of the families log; texts as for IndividualLogEntry.
struct FamilyLogEntry {
  std::string ref;        // cross-reference key of the family
  std::string page_file;  // its page file name, without folder
  std::string husband;    // name as shown
  std::string wife;
  /// Optional keys the husband and wife sort by (for example "SMITH, John");
  /// the shown name when empty.
  std::string husband_sort;
  std::string wife_sort;
  std::string narrative_file;    // in m_strNarrFolder
  std::string import_file;       // in m_strImportFolder
  std::string group_image_file;  // in m_strGroupImageFolder
  std::string portrait_file;     // family portrait in the multimedia folder
  std::string caption;           // caption of the image shown
};

/// The log entries of one run, in the order the page writers collected them.
/// Owned by whoever runs the page phases for one run; the family page and
/// index writers add to it, the list log pages read it, DiscardRunData
/// clears it. An individual is kept once however many pages show him:
/// Individual() finds the entry of a reference (compared without regard to
/// ASCII case) or starts one. References returned stay valid until Clear.
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
  /// Appends a family entry.
  FamilyLogEntry& AddFamily(FamilyLogEntry entry);

  const std::deque<IndividualLogEntry>& individuals() const { return individuals_; }
  const std::deque<FamilyLogEntry>& families() const { return families_; }

  void Clear();

 private:
  // Deques keep the collected order, never move an entry (references stay
  // valid) and grow without copying a million entries at once.
  std::deque<IndividualLogEntry> individuals_;
  std::unordered_map<std::string, size_t> individual_index_;  // folded ref -> index
  std::deque<FamilyLogEntry> families_;
};

}  // namespace vellix
