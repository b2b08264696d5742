// The real page writers of a run, behind the phase interface.
#pragma once

#include <memory>

#include "engine/run_phases.h"

namespace vellix {

/// Calls the site's writers for each phase of a run: the GEDCOM dialect, the
/// style sheet, sources and repositories, selection, family and loner pages,
/// the individuals pass with GENDEX and the name index, and the log pages.
/// Holds what one run's phases share (sources, log entries, the family page
/// writer) until DiscardRunData. The Generator decides which phases run;
/// this class only knows how.
class SitePhases : public RunPhases {
 public:
  SitePhases();
  ~SitePhases() override;

  int SelectDialect(RunContext& ctx) override;
  void WriteStyleSheet(RunContext& ctx, bool bibliography_only) override;
  void CollectSources(RunContext& ctx) override;
  void FinishEvaluation(RunContext& ctx) override;
  void FinishFamilyPages(RunContext& ctx) override;
  void WriteBibliography(RunContext& ctx, bool standalone) override;
  void WriteRepositories(RunContext& ctx) override;
  void WriteSiteExtras(RunContext& ctx) override;
  void SelectFamilies(RunContext& ctx, bool sample) override;
  void WriteFamilyPage(RunContext& ctx, GedcomRecord& entry, GedcomRecord& family,
                       bool evaluate) override;
  void WriteLonerPage(RunContext& ctx, GedcomRecord& entry, GedcomRecord& individual,
                      bool evaluate) override;
  int32_t WriteIndex(RunContext& ctx, bool write_pages) override;
  void FinishPages(RunContext& ctx) override;
  void WriteSummaryLog(RunContext& ctx, bool success, bool cancelled,
                       int64_t start_seconds, int64_t elapsed_seconds) override;
  void WriteIndividualLog(RunContext& ctx, int64_t start_seconds) override;
  void WriteFamilyLog(RunContext& ctx, int64_t start_seconds) override;
  void DiscardRunData() override;

 private:
  struct RunData;
  std::unique_ptr<RunData> run_;
};

}  // namespace vellix
