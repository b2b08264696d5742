// The page-writing phases a generation run calls, in its fixed order.
#pragma once

#include <cstdint>

#include "model/run_context.h"

namespace vellix {

class GedcomRecord;

/// The phases of a run between reading the file and writing the logs. The
/// Generator decides which run and in what order (by mode); each phase does
/// its own work and steps the progress. The base class does nothing in
/// every phase, which is what a run needs where a kind of page is not
/// wanted; SitePhases supplies the real writers, tests record the calls.
class RunPhases {
 public:
  virtual ~RunPhases() = default;

  /// Selects the GEDCOM dialect named by the option set; returns its code
  /// (1 asks for the evaluate pass before the family pages).
  virtual int SelectDialect(RunContext&) { return 0; }
  /// Writes the style sheet; `bibliography_only` in mode 6.
  virtual void WriteStyleSheet(RunContext&, bool /*bibliography_only*/) {}
  /// Collects, sorts and numbers sources and repositories.
  virtual void CollectSources(RunContext&) {}
  /// Marks the families and individuals that get pages and gives each page
  /// its identifier; sets statistics.familiesSelected. `sample` stops at five.
  virtual void SelectFamilies(RunContext&, bool /*sample*/) {}
  /// One family page (`evaluate`: only evaluate its citations). `entry` is
  /// the index entry, `family` the loaded record.
  virtual void WriteFamilyPage(RunContext&, GedcomRecord& /*entry*/,
                               GedcomRecord& /*family*/, bool /*evaluate*/) {}
  /// The page of an individual who belongs to no family.
  virtual void WriteLonerPage(RunContext&, GedcomRecord& /*entry*/,
                              GedcomRecord& /*individual*/, bool /*evaluate*/) {}
  /// After the family pages (whole or cancelled): every page is on the disk
  /// and counted before the next phase starts.
  virtual void FinishFamilyPages(RunContext&) {}
  /// After the evaluate pass: puts the source list in its final order.
  virtual void FinishEvaluation(RunContext&) {}
  /// Parses the individuals (writing GENDEX.txt) and runs the name index,
  /// writing index and surname pages when `write_pages`; returns the number
  /// of index entries.
  virtual int32_t WriteIndex(RunContext&, bool /*write_pages*/) { return 0; }
  /// Bibliography pages; `standalone` in mode 6.
  virtual void WriteBibliography(RunContext&, bool /*standalone*/) {}
  virtual void WriteRepositories(RunContext&) {}
  /// The files an opt-in extra adds to a site once its pages are written
  /// (sitemap, robots.txt); called after runs that write the whole site.
  virtual void WriteSiteExtras(RunContext&) {}
  /// After the last page: ends what the pages used (the media files) and
  /// names its files in the run's statistics, before the site's list of
  /// written files is brought up to date.
  virtual void FinishPages(RunContext&) {}
  /// The log pages, each followed by one progress step by the run. The run
  /// started at `start_seconds` (platform::AppClock) and took
  /// `elapsed_seconds`; `success` and `cancelled` are its outcome.
  virtual void WriteSummaryLog(RunContext&, bool /*success*/, bool /*cancelled*/,
                               int64_t /*start_seconds*/, int64_t /*elapsed_seconds*/) {}
  virtual void WriteIndividualLog(RunContext&, int64_t /*start_seconds*/) {}
  virtual void WriteFamilyLog(RunContext&, int64_t /*start_seconds*/) {}
  /// Discards the run's collections (name index, families list, sources).
  virtual void DiscardRunData() {}
};

}  // namespace vellix
