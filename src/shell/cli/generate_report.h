// What `vellix generate` says after a run.
#pragma once

#include "engine/generator.h"

namespace vellix {
class COptions;
}

namespace vellix::cli {

/// Reports a run that started: on success (not quiet) the result line in
/// the terminal's wording, the warning count, the counts of what was made
/// and where to look, on stdout; a failed or cancelled run's result line on
/// stderr (also when quiet). Returns the exit status.
int ReportRun(const RunOutcome& outcome, const COptions& options,
              const RunStatistics& statistics, RunEnvironment& env, bool quiet);

}  // namespace vellix::cli
