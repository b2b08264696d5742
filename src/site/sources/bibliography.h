// The run's bibliography: every SOUR record of the GEDCOM file as a sorted,
// numbered entry, the numbers and page links the footnotes cite, and the
// numbered bibliography pages written at the end of the run.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "site/frame/page_writer.h"
#include "site/sources/source_details.h"
#include "text/dialect_markers.h"

namespace vellix {
class COptions;
class GedcomRecord;
struct RunContext;
}  // namespace vellix

namespace vellix::site {

class RepositoryIndex;

/// One source of the bibliography, filled from its SOUR record by Build.
struct BibliographyEntry {
  /// 1-based position after sorting (0 before Build sorts).
  int32_t number = 0;
  /// Cross-reference of the SOUR record without at signs; the entry anchor.
  std::string xref;
  /// AUTH with its continuation lines, formatting tags removed, lifespans
  /// of living authors removed when the option asks.
  std::string author;
  /// TITL (or ABBR when the option allows and there is no TITL).
  std::string title;
  /// The dialect's bibliography tag, leading ",", " ", "." and ";" removed.
  std::string bibliographyText;
  /// PUBL, formatting tags removed.
  std::string publication;
  /// Per-citation mode: the distinct citation texts of this source in the
  /// order they were first added, each with its number in the sorted
  /// citation list (0 until FinishCitations).
  std::vector<std::pair<std::string, int32_t>> citations;
  /// Position of the record in the GEDCOM file (orders equal sort keys).
  int64_t fileOffset = 0;
};

/// Where a footnote's bibliography link points. `number` is the number the
/// bibliography shows for the entry (or citation) and the link's text;
/// `file` is the page file name ("grpbib2.html"), `anchor` the unescaped
/// anchor name ("S12", or "S12-3" for the third citation of S12). Callers
/// build the href as folder prefix + file + "#" + anchor and pass it through
/// EscapeHref. Not found: number -1, page 0, file and anchor empty.
struct BibliographyTarget {
  int32_t number = -1;
  int32_t page = 0;
  std::string file;
  std::string anchor;
  bool found() const { return number > 0; }
};

/// The sorted and numbered sources of one run. Made per run (or Reset);
/// Build fixes the entry numbers before any family page is written, the
/// family page writer reads them through NumberOf/PageOf/TargetOf, and
/// WritePages writes the pages at the end of the run. The option set given
/// to the constructor must outlive the object.
///
/// Numbering: entries are sorted by author, title and publication (case
/// folded; equal keys in reverse file order) and numbered 1, 2, 3 ...;
/// entry n lies on page PageOf(n) = (n - 1) / entries-per-page + 1, in file
/// FilePrefix + "bib" + page + extension, under the anchor `xref`.
///
/// Per-citation mode (the selected GEDCOM dialect has code 1): a number
/// stands for one distinct citation text of a source. The evaluate pass
/// calls AddCitation for every citation, then FinishCitations sorts and
/// numbers the citation list; from then on CitationTargetOf gives the
/// number, page and anchor ("xref-i", i the citation's 1-based index within
/// its source) of each citation. WritePages calls FinishCitations itself
/// when nobody did.
class Bibliography {
 public:
  explicit Bibliography(const COptions& options);
  ~Bibliography();
  Bibliography(const Bibliography&) = delete;
  Bibliography& operator=(const Bibliography&) = delete;

  /// Reads every SOUR record of ctx.store in file order (through
  /// ctx.reader.LoadRecord), fills, sorts and numbers the entries. The
  /// per-citation mode is taken from CurrentDialect().code. A record that
  /// cannot be loaded keeps an empty entry and its number. True when at
  /// least one source was read. Replaces what an earlier Build held.
  bool Build(RunContext& ctx);

  /// Clears entries, map, citations and cursor.
  void Reset();

  /// True when the selected dialect asked for the per-citation mode.
  bool per_citation() const { return per_citation_; }
  /// Sets the per-citation mode (Build takes it from the dialect).
  void set_per_citation(bool on) { per_citation_ = on; }

  /// The entry number of source `xref` (case ignored), -1 when unknown.
  int32_t NumberOf(std::string_view xref) const;
  /// Per-citation mode: the 1-based index of `citation_text` among the
  /// citations of source `xref`, -1 when either is unknown.
  int32_t NumberOf(std::string_view xref, std::string_view citation_text) const;
  /// The page holding number `number`: (max(number, 1) - 1) /
  /// max(entries per page, 1) + 1.
  int32_t PageOf(int32_t number) const;
  /// FilePrefix + "bib" + page + extension, e.g. "grpbib3.html".
  std::string PageFileName(int32_t page) const;
  /// The anchor of an entry ("S12") or, with `citation_index` > 0, of one of
  /// its citations ("S12-3"); unescaped.
  static std::string AnchorOf(std::string_view xref, int32_t citation_index = 0);

  /// The citation text of the per-citation mode for source `xref`: its
  /// bibliographyText (its title when that is empty) followed by
  /// `detail_text` (after a blank unless the detail starts with a blank or
  /// with ",", ".", ";", ":", "!", "?" or a closing bracket). Empty when the source is
  /// unknown.
  std::string CitationText(std::string_view xref, std::string_view detail_text) const;
  /// Records the citation CitationText(xref, detail_text) of source `xref`
  /// when the source does not hold it yet; returns its 1-based index within
  /// the source, -1 when the source is unknown. Adding after
  /// FinishCitations reopens the list (call FinishCitations again).
  int32_t AddCitation(std::string_view xref, std::string_view detail_text);
  /// Sorts the citation list by citation text (leading blanks, periods,
  /// commas, semicolons, opening brackets, parentheses, braces and double
  /// quotes ignored; case folded; equal texts in reverse order of adding)
  /// and numbers it 1, 2, 3 ...
  void FinishCitations();
  size_t citation_count() const { return citation_list_.size(); }

  /// The link target of source `xref` (entry number, page, anchor).
  BibliographyTarget TargetOf(std::string_view xref) const;
  /// Per-citation mode, after FinishCitations: the link target of the
  /// citation CitationText(xref, detail_text).
  BibliographyTarget CitationTargetOf(std::string_view xref,
                                      std::string_view detail_text) const;

  /// The entry of `xref`, or nullptr.
  const BibliographyEntry* Find(std::string_view xref) const;
  /// Entries in number order.
  const std::vector<std::unique_ptr<BibliographyEntry>>& entries() const {
    return entries_;
  }
  size_t size() const { return entries_.size(); }

  /// The bibliography title of the browser title bar (the link title of
  /// footnote links).
  const std::string& page_title() const;

  /// Writes the pages into the destination folder when there is at least
  /// one entry and the run is not cancelled. `repositories` names the
  /// repositories of each entry and links them (may be null: no names).
  /// Counts pages under FileGroup::kBibliography and the entries written in
  /// ctx.statistics.sourcesWritten. A cancel request is honoured at each
  /// page change. `standalone` is the bibliography-only mode (the pages are
  /// the same).
  void WritePages(RunContext& ctx, const RepositoryIndex* repositories, bool standalone);

  /// Whether links made from text carry no target (WritePages takes the
  /// run's strict-doctype flag).
  void set_strict_doctype(bool strict) { strict_ = strict; }

  /// The HTML of one entry (without the trailing "\r\n"); `details` are the
  /// record's lines read by ReadSourceDetails. `citation_index` > 0 writes
  /// that citation of the entry (per-citation mode) with `number`.
  std::string EntryHtml(const BibliographyEntry& entry, const SourceDetails& details,
                        int32_t number, int32_t citation_index,
                        const RepositoryIndex* repositories) const;

  /// The navigation strip of page `page` of `pages`; `prior_file` is the
  /// previously opened page ("" on the first page opened).
  std::string NavigationStrip(int32_t page, int32_t pages,
                              std::string_view prior_file) const;

  /// Hook for the bibliography gallery link and pages on page 1; empty
  /// until the multimedia pages exist.
  std::string GalleryLink(RunContext& ctx);

  /// Removes "(yyyy- )" lifespans of living authors (the rule of the
  /// "Remove lifespan from living authors" option).
  static std::string RemoveLivingLifespan(std::string author);
  /// The sort key: author, title and publication joined by blanks.
  static std::string SortKey(const BibliographyEntry& entry);

 private:
  struct CitationRecord {
    BibliographyEntry* entry;
    int32_t index;  // 1-based within the entry
    int32_t number;
    std::string key;  // citation text without leading punctuation
    int64_t added;    // position in the order of adding
  };

  void FillEntry(BibliographyEntry* entry, const GedcomRecord& record,
                 int special_processing) const;
  void SortAndNumber();
  BibliographyEntry* FindMutable(std::string_view xref);

  const COptions& options_;
  std::vector<std::unique_ptr<BibliographyEntry>> entries_;
  std::unordered_map<std::string, BibliographyEntry*> by_xref_;  // upper-cased xref
  std::vector<CitationRecord> citation_list_;
  bool citations_numbered_ = false;
  bool per_citation_ = false;
  bool strict_ = false;  // the run's strict-doctype flag, for text links
  const text::DialectMarkers* markers_ = nullptr;  // the run's dialect markers
  size_t cursor_ = 0;
  std::unique_ptr<PageWriter> writer_;
};

}  // namespace vellix::site
