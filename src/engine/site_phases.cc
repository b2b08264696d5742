#include "engine/site_phases.h"

#include "model/dialects.h"

namespace vellix {

// What the phases of one run share (cleared by DiscardRunData).
struct SitePhases::RunData {};

SitePhases::SitePhases() : run_(std::make_unique<RunData>()) {}

SitePhases::~SitePhases() = default;

int SitePhases::SelectDialect(RunContext& ctx) { return SelectDialectForRun(ctx); }

}  // namespace vellix
