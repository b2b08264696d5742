// What the generation run calls to write the family group sheet pages.
#pragma once

#include <memory>

#include "site/family/family_sheet_writer.h"

namespace vellix {
class GedcomRecord;
class RunLogEntries;
namespace media {
class MediaRun;
}
struct RunContext;
}  // namespace vellix

namespace vellix::site {

class Bibliography;

/// The family pages of one run, behind the run's phases. Keep one object
/// per run (make a new one, or call Reset, for the next run): the writer is
/// made on the first page, from that run's context, and keeps the run's
/// footnote sources.
///
///   evaluate pass (dialect code 1 only): WriteFamilyPage/WriteLonerPage
///   with evaluate = true for every page, then FinishEvaluation;
///   page pass: WriteFamilyPage/WriteLonerPage with evaluate = false.
///
/// `entry` is the index entry (its marks are updated), `record` the loaded
/// record (the family should be pinned by the caller). `bibliography` may
/// be null (no bibliography links); `log_entries` receives the families
/// and individuals that got pages.
class FamilyPages {
 public:
  FamilyPages();
  ~FamilyPages();

  bool WriteFamilyPage(RunContext& ctx, GedcomRecord& entry, const GedcomRecord& record,
                       bool evaluate, Bibliography* bibliography,
                       RunLogEntries& log_entries);
  bool WriteLonerPage(RunContext& ctx, GedcomRecord& entry, const GedcomRecord& record,
                      bool evaluate, Bibliography* bibliography,
                      RunLogEntries& log_entries);
  /// After the evaluate pass: numbers the citations the bibliography
  /// collected from the pages.
  void FinishEvaluation(RunContext& ctx, Bibliography* bibliography);
  /// After the last page of the page pass: waits until every page is on
  /// the disk and counted.
  void FinishPages();
  /// The run's multimedia; null (the default) when galleries are off.
  void set_media(media::MediaRun* media) { media_ = media; }
  /// Forgets the writer (the next page starts a new run's writer).
  void Reset();

 private:
  FamilySheetWriter& WriterFor(RunContext& ctx, Bibliography* bibliography,
                               RunLogEntries& log_entries, bool evaluate);

  std::unique_ptr<FamilySheetWriter> writer_;
  media::MediaRun* media_ = nullptr;
  bool settings_checked_ = false;
};

}  // namespace vellix::site
