// Which families and individuals get pages, and under which page
// identifiers.
#pragma once

#include <string>
#include <string_view>
#include <unordered_set>

#include "gedcom/gedcom_record.h"
#include "model/run_context.h"

namespace vellix {

class COptions;
class PrivacyFilter;

/// The page identifiers made by one selection pass: every family page
/// identifier and every loner identifier. Two identifiers clash when they
/// give the same page file name (the file-safe forms are compared), so that
/// "F-1" and "F1", which would overwrite each other's pages, count as the
/// same identifier. Lives for one selection pass.
class PageIdSet {
 public:
  /// Adds `id`; false when an identifier with the same file-safe form is
  /// already in the set.
  bool Add(std::string_view id);
  bool Contains(std::string_view id) const;
  size_t size() const { return ids_.size(); }
  void Clear() { ids_.clear(); }

 private:
  std::unordered_set<std::string> ids_;
};

/// The identifier of a family page by the option set's family numbering
/// (m_nFamilyRefs): 0 the key; 1 the first level-1 REFN value; 2 the first
/// level-1 RIN value; 3 the value of the first level-1 EVEN whose TYPE is
/// exactly m_strFamilyRefTag. A family without that line, or whose value
/// holds nothing a file name can be made of ("../.."), gets m_strNoRefPrefix
/// + key; for REFN and RIN numbering that raises warning 18 (reported in
/// bulk as warning 19). The identifier is stored in `entry.pageId` and added
/// to `ids`; a clash raises warning 20 with the identifier. `family` is the
/// loaded record of `entry` (nullptr: only the key can be used).
const std::string& FamilyPageId(GedcomRecord& entry, const GedcomRecord* family,
                                const COptions& options, PageIdSet& ids,
                                WarningLog& warnings);

/// The page identifier of an individual who belongs to no family.
std::string LonerPageId(std::string_view key);

/// Marks the families and individuals that get pages and gives each page
/// its identifier (the marks of GedcomRecord on the store's index entries).
/// Families are walked in key order, each member tested with `privacy`
/// (once per individual); a family with an included member is selected.
/// With `all` every family is looked at, then every individual outside a
/// family; otherwise (sample mode) selection stops at five pages, families
/// first. Sets statistics.familiesSelected; steps the progress under
/// "Parsing %d families..."; stops when the run is cancelled.
void SelectFamilies(RunContext& ctx, const PrivacyFilter& privacy, bool all);

/// As above with the run's privacy rules: the option set's filters and the
/// application's support flags.
void SelectFamilies(RunContext& ctx, bool all);

/// Number of pages sample mode makes.
inline constexpr int kSampleLimit = 5;

}  // namespace vellix
