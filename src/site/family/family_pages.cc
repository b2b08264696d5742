#include "site/family/family_pages.h"

#include "model/run_context.h"
#include "site/family/fact_collect.h"
#include "site/sources/bibliography.h"

namespace vellix::site {

FamilyPages::FamilyPages() = default;
FamilyPages::~FamilyPages() = default;

void FamilyPages::Reset() {
  writer_.reset();
  settings_checked_ = false;
}

FamilySheetWriter& FamilyPages::WriterFor(RunContext& ctx, Bibliography* bibliography,
                                          RunLogEntries& log_entries, bool evaluate) {
  if (!writer_) {
    writer_ = std::make_unique<FamilySheetWriter>(ctx);
    writer_->WritePagesInBackground();
  }
  writer_->set_bibliography(bibliography);
  writer_->set_media(media_);
  writer_->set_log_entries(&log_entries);
  if (!evaluate && !settings_checked_) {
    // The marriage settings are reported once, before the first page.
    CheckMarriageSettings(ctx.options, ctx.warnings());
    settings_checked_ = true;
  }
  return *writer_;
}

bool FamilyPages::WriteFamilyPage(RunContext& ctx, GedcomRecord& entry,
                                  const GedcomRecord& record, bool evaluate,
                                  Bibliography* bibliography,
                                  RunLogEntries& log_entries) {
  return WriterFor(ctx, bibliography, log_entries, evaluate)
      .WriteFamilyPage(entry, record, evaluate);
}

bool FamilyPages::WriteLonerPage(RunContext& ctx, GedcomRecord& entry,
                                 const GedcomRecord& record, bool evaluate,
                                 Bibliography* bibliography, RunLogEntries& log_entries) {
  return WriterFor(ctx, bibliography, log_entries, evaluate)
      .WriteLonerPage(entry, record, evaluate);
}

void FamilyPages::FinishEvaluation(RunContext& /*ctx*/, Bibliography* bibliography) {
  if (bibliography != nullptr) bibliography->FinishCitations();
}

void FamilyPages::FinishPages() {
  if (writer_) writer_->FinishPages();
}

}  // namespace vellix::site
