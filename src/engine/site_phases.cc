#include "engine/site_phases.h"

#include "engine/gendex_file.h"
#include "model/dialects.h"
#include "model/individuals.h"
#include "model/selection.h"
#include "options/options.h"

namespace vellix {
namespace {

// Counts the individuals the index would list. The name index pages replace
// it; until then a run still reports how many individuals it indexed.
class CountingSink : public IndividualSink {
 public:
  void AddIndividual(const IndividualSummary&, bool) override { ++count_; }
  int32_t count() const { return count_; }

 private:
  int32_t count_ = 0;
};

}  // namespace

// What the phases of one run share (cleared by DiscardRunData).
struct SitePhases::RunData {};

SitePhases::SitePhases() : run_(std::make_unique<RunData>()) {}

SitePhases::~SitePhases() = default;

int SitePhases::SelectDialect(RunContext& ctx) { return SelectDialectForRun(ctx); }

}  // namespace vellix

namespace vellix {

void SitePhases::SelectFamilies(RunContext& ctx, bool sample) {
  vellix::SelectFamilies(ctx, !sample);
}

int32_t SitePhases::WriteIndex(RunContext& ctx, bool /*write_pages*/) {
  CountingSink sink;
  if (ctx.options.m_bGendex) {
    GendexFile gendex(ctx.options.m_strDestFolder, ctx.statistics);
    ParseIndividuals(ctx, sink, &gendex, false);
  } else {
    ParseIndividuals(ctx, sink, nullptr, false);
  }
  return sink.count();
}

}  // namespace vellix
