// The run's repository index: every REPO record as a sorted, numbered entry,
// the names and links the bibliography shows, and the repository pages.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "site/frame/page_writer.h"
#include "site/sources/source_details.h"
#include "text/dialect_markers.h"

namespace vellix {
class COptions;
struct RunContext;
}  // namespace vellix

namespace vellix::site {

/// One repository of the index.
struct RepositoryEntry {
  int32_t number = 0;  // 1-based after sorting
  std::string xref;    // cross-reference without at signs; the entry anchor
  std::string name;    // NAME with its continuation lines
  int64_t fileOffset = 0;
};

/// The sorted and numbered repositories of one run. Build reads the REPO
/// records (dropping those whose name begins with the ignore prefix), sorts
/// them by name (case folded; equal names in reverse file order) and
/// numbers them; the bibliography names and links repositories through
/// Find and ReferenceLink; WritePages writes the pages at the end of the
/// run. The option set must outlive the object.
class RepositoryIndex {
 public:
  explicit RepositoryIndex(const COptions& options);
  ~RepositoryIndex();
  RepositoryIndex(const RepositoryIndex&) = delete;
  RepositoryIndex& operator=(const RepositoryIndex&) = delete;

  /// Reads every REPO record of ctx.store; true when at least one
  /// repository was kept. Replaces what an earlier Build held.
  bool Build(RunContext& ctx);
  /// Clears the list, map and cursor.
  void Reset();

  /// The entry of `xref` (case ignored), or nullptr (unknown or ignored).
  const RepositoryEntry* Find(std::string_view xref) const;
  /// The number of `xref`, -1 when it has no entry.
  int32_t NumberOf(std::string_view xref) const;
  /// The page holding number `number`.
  int32_t PageOf(int32_t number) const;
  /// FilePrefix + "rep" + page + extension.
  std::string PageFileName(int32_t page) const;
  /// The link from a bibliography entry to the entry of `xref`:
  /// "<a href=\"grprep1.html#R1\" title=\"Repository\">1</a>"; empty when
  /// repository pages are off, the repository has no entry or its name
  /// begins with the ignore prefix.
  std::string ReferenceLink(std::string_view xref) const;

  const std::vector<std::unique_ptr<RepositoryEntry>>& entries() const {
    return entries_;
  }
  size_t size() const { return entries_.size(); }

  /// Writes the pages when there is at least one entry and the run is not
  /// cancelled; counts them under FileGroup::kRepository and the entries in
  /// ctx.statistics.repositoriesWritten. The short link bar is used in the
  /// bibliography-only mode (6), where there are no surname or index pages.
  void WritePages(RunContext& ctx);

  /// Whether links made from text carry no target (the run's strict flag;
  /// WritePages takes it from the run).
  void set_strict_doctype(bool strict) { strict_ = strict; }

  /// The HTML of one entry (without the trailing "\r\n").
  std::string EntryHtml(const RepositoryEntry& entry,
                        const RepositoryDetails& details) const;

 private:
  const COptions& options_;
  std::vector<std::unique_ptr<RepositoryEntry>> entries_;
  std::unordered_map<std::string, RepositoryEntry*> by_xref_;  // upper-cased xref
  size_t cursor_ = 0;
  bool strict_ = false;  // the run's strict-doctype flag, for text links
  const text::DialectMarkers* markers_ = nullptr;  // the run's dialect markers
};

}  // namespace vellix::site
