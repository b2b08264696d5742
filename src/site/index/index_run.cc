#include "site/index/index_run.h"

#include "model/run_context.h"
#include "site/frame/page_writer.h"
#include "site/index/index_icons.h"
#include "site/index/index_pages.h"
#include "site/index/name_index.h"
#include "site/index/surname_pages.h"

namespace vellix::site {

bool NameIndex::Generate(RunContext& ctx, bool write_pages) {
  PageWriter writer(ctx);
  writer.Prepare(false);
  ctx.progress.SetPhase("Sorting index...", 0, 2, false);
  Sort(SortMode::kIndex);
  ctx.progress.Step(1);
  Paginate();
  if (ctx.progress.IsCancelled() || !write_pages) return false;

  WriteIconFiles(options_, &ctx.statistics);
  bool cancelled = false;
  bool all = WriteNameIndexPages(ctx, *this, writer, &cancelled);
  if (cancelled) return false;

  writer.Prepare(false);  // fresh per-page fields for the surname pages
  bool every_surname_page = false;
  WriteSurnamePages(ctx, *this, writer, &every_surname_page);
  ctx.progress.Step(page_count_ + 1);
  return all && every_surname_page;
}

int32_t WriteIndexPages(RunContext& ctx, NameIndex& index, bool write_pages,
                        RunLogEntries* log) {
  index.Generate(ctx, write_pages);
  if (log != nullptr) RecordLogEntries(index, log);
  ctx.statistics.indexEntries = index.count();
  return index.count();
}

}  // namespace vellix::site
