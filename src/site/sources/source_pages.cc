#include "site/sources/source_pages.h"

#include "model/run_context.h"
#include "options/options.h"

namespace vellix::site {

SourcePages::SourcePages() = default;
SourcePages::~SourcePages() = default;

void SourcePages::Collect(RunContext& ctx) {
  repositories_ = std::make_unique<RepositoryIndex>(ctx.options);
  repositories_->Build(ctx);
  bibliography_ = std::make_unique<Bibliography>(ctx.options);
  bibliography_->Build(ctx);
}

void SourcePages::FinishEvaluation() {
  if (bibliography_ && bibliography_->per_citation()) bibliography_->FinishCitations();
}

void SourcePages::WriteBibliography(RunContext& ctx, bool standalone) {
  if (!standalone && !ctx.options.m_bBiblioPages) return;
  if (!bibliography_ || !repositories_) Collect(ctx);
  bibliography_->set_gallery_hook(gallery_hook_);
  bibliography_->WritePages(ctx, repositories_.get(), standalone);
}

void SourcePages::WriteRepositories(RunContext& ctx) {
  if (!ctx.options.m_bRepositoryPages) return;
  if (!bibliography_ || !repositories_) Collect(ctx);
  repositories_->WritePages(ctx);
}

void SourcePages::Discard() {
  bibliography_.reset();
  repositories_.reset();
}

}  // namespace vellix::site
