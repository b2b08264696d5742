#include "engine/site_phases.h"

#include "engine/gendex_file.h"
#include "gedcom/gedcom_reader.h"
#include "gedcom/record_store.h"
#include "logs/list_logs.h"
#include "logs/summary_log.h"
#include "media/media_run.h"
#include "model/dialects.h"
#include "model/individuals.h"
#include "model/privacy.h"
#include "model/selection.h"
#include "options/options.h"
#include "platform/free_memory.h"
#include "platform/settings_store.h"
#include "run/run_log_entries.h"
#include "site/extras/search_page.h"
#include "site/extras/sitemap.h"
#include "site/family/bibliography_gallery.h"
#include "site/family/family_pages.h"
#include "site/frame/style_sheet.h"
#include "site/index/index_run.h"
#include "site/index/name_index.h"
#include "site/sources/source_pages.h"

namespace vellix {

// What the phases of one run share (cleared by DiscardRunData).
struct SitePhases::RunData {
  RunLogEntries log_entries;  // individuals and families that got pages
  site::SourcePages sources;  // bibliography and repository index
  site::FamilyPages family_pages;
  /// The run's multimedia, made at its first use when galleries are on.
  std::unique_ptr<media::MediaRun> media;

  media::MediaRun* MediaFor(RunContext& ctx) {
    if (!media && media::MediaRun::Enabled(ctx.options)) {
      media = std::make_unique<media::MediaRun>(ctx);
      family_pages.set_media(media.get());
      sources.set_gallery_hook(
          [this](RunContext& run, const site::Bibliography& bib, bool standalone) {
            return site::WriteBibliographyGallery(run, *MediaFor(run), bib, standalone);
          });
    }
    return media.get();
  }
};

SitePhases::SitePhases() : run_(std::make_unique<RunData>()) {}

SitePhases::~SitePhases() = default;

int SitePhases::SelectDialect(RunContext& ctx) { return SelectDialectForRun(ctx); }

}  // namespace vellix

namespace vellix {

void SitePhases::WriteStyleSheet(RunContext& ctx, bool bibliography_only) {
  site::WriteStyleSheet(ctx, bibliography_only);
}

void SitePhases::CollectSources(RunContext& ctx) {
  run_->MediaFor(ctx);
  run_->sources.Collect(ctx);
}

void SitePhases::FinishEvaluation(RunContext&) { run_->sources.FinishEvaluation(); }

void SitePhases::FinishFamilyPages(RunContext&) { run_->family_pages.FinishPages(); }

void SitePhases::WriteFamilyPage(RunContext& ctx, GedcomRecord& entry,
                                 GedcomRecord& family, bool evaluate) {
  run_->MediaFor(ctx);
  run_->family_pages.WriteFamilyPage(ctx, entry, family, evaluate,
                                     run_->sources.bibliography(), run_->log_entries);
}

void SitePhases::WriteLonerPage(RunContext& ctx, GedcomRecord& entry,
                                GedcomRecord& individual, bool evaluate) {
  run_->MediaFor(ctx);
  run_->family_pages.WriteLonerPage(ctx, entry, individual, evaluate,
                                    run_->sources.bibliography(), run_->log_entries);
}

void SitePhases::WriteBibliography(RunContext& ctx, bool standalone) {
  run_->MediaFor(ctx);
  run_->sources.WriteBibliography(ctx, standalone);
}

void SitePhases::WriteRepositories(RunContext& ctx) {
  run_->sources.WriteRepositories(ctx);
}

void SitePhases::WriteSiteExtras(RunContext& ctx) {
  site::extras::WriteSearchEngineFiles(ctx);
}

void SitePhases::SelectFamilies(RunContext& ctx, bool sample) {
  vellix::SelectFamilies(ctx, !sample);
}

int32_t SitePhases::WriteIndex(RunContext& ctx, bool write_pages) {
  const PrivacyFilter privacy(ctx.options,
                              platform::ReadSupportFlags(ctx.env.settings()));
  // The pass reads every individual once. When they did not all fit in the
  // record cache (a file of a million people), the cache holds only the
  // last ones the family pages loaded and would be filled with records no
  // later phase reads: it is emptied and left empty for the pass, which
  // lowers the run's peak memory by the cache budget.
  GedcomReader& reader = ctx.reader;
  const size_t budget = reader.cacheBudget();
  const bool outgrown = reader.IndividualsOutgrewCache();
  if (outgrown) {
    reader.TrimCaches();
    reader.SetCacheBudget(0);
    platform::ReleaseFreeMemory();
  }
  site::NameIndex index(ctx.options, privacy);
  index.set_record_store(&ctx.store);
  index.Reserve(static_cast<size_t>(ctx.store.individualCount()));
  // The search extra keeps the places of the individuals on their way to
  // the index.
  site::extras::SearchPlaces search_places(index);
  IndividualSink& sink = ctx.options.extras.search
                             ? static_cast<IndividualSink&>(search_places)
                             : static_cast<IndividualSink&>(index);
  if (ctx.options.m_bGendex) {
    GendexFile gendex(ctx.env, ctx.options.m_strDestFolder, ctx.statistics);
    ParseIndividuals(ctx, privacy, sink, &gendex, false);
  } else {
    ParseIndividuals(ctx, privacy, sink, nullptr, false);
  }
  if (outgrown) reader.SetCacheBudget(budget);
  const int32_t entries =
      site::WriteIndexPages(ctx, index, write_pages, &run_->log_entries);
  if (write_pages && !ctx.progress.IsCancelled()) {
    site::extras::WriteSearchFiles(ctx, index, search_places);
  }
  return entries;
}

void SitePhases::FinishPages(RunContext&) {
  // The media phase ends with the pages: its record of derived files is
  // saved, its files join the site's list and its figures go to the summary.
  if (run_->media) run_->media->Finish();
}

void SitePhases::WriteSummaryLog(RunContext& ctx, bool success, bool cancelled,
                                 int64_t start_seconds, int64_t elapsed_seconds) {
  FinishPages(ctx);  // a run that stopped before the end of its pages
  vellix::WriteSummaryLog(ctx, RunResultOf(success, cancelled), start_seconds,
                          elapsed_seconds);
}

void SitePhases::WriteIndividualLog(RunContext& ctx, int64_t start_seconds) {
  WriteIndividualList(ctx.env, ctx.options, run_->log_entries, start_seconds);
}

void SitePhases::WriteFamilyLog(RunContext& ctx, int64_t start_seconds) {
  WriteFamilyList(ctx.env, ctx.options, run_->log_entries, start_seconds);
}

void SitePhases::DiscardRunData() { run_ = std::make_unique<RunData>(); }

}  // namespace vellix
