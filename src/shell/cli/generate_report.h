// What `vellix generate` says after a run.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/generator.h"
#include "run/run_statistics.h"
#include "shell/cli/terminal_prompter.h"

namespace vellix {
class COptions;
}

namespace vellix::cli {

/// The stream a line of the report goes to.
enum class ReportStream { kOut, kErr };

/// One line of the report, without its line end.
struct ReportLine {
  ReportStream stream = ReportStream::kOut;
  std::string text;
  friend bool operator==(const ReportLine&, const ReportLine&) = default;
};

/// What the report of a run that started is made from.
struct RunFacts {
  RunOutcome outcome;
  RunStatistics statistics;
  std::string dest_folder;  // native form
  std::string start_page;   // the site's start page when it exists, else empty
  std::string run_log;      // the summary log page, which lists the warnings
  /// Files of earlier runs the run removed; none leaves them out of the report.
  std::optional<uint32_t> stale_removed;
};

/// The closing line of a complete run: "12 pages written, 3 unchanged." or,
/// when the run removed files of earlier runs, "12 pages written, 3
/// unchanged, 2 stale removed." Every file of the site counts (pages, style sheet,
/// icons, GENDEX file); "written" are those whose content changed.
std::string FilesLine(const RunStatistics& statistics,
                      std::optional<uint32_t> stale_removed);

/// The report of a run that started, line by line:
/// - complete: the result line in the terminal's wording, what the file held
///   and what pages were made, where to open the site, the warning count
///   and the run log that lists them (or the run log alone), and FilesLine
///   last; all on stdout, nothing when quiet;
/// - stopped: "vellix: Web page generation CANCELED.", the family pages
///   written before the stop, the warnings, and last "vellix: stopped: the
///   site in DEST is incomplete" ("... was not changed" when the run wrote
///   nothing); all on stderr, only the first and last line when quiet;
/// - failed: "vellix: error: Web page generation FAILED." and the warnings
///   (which say why) on stderr, only the first line when quiet.
/// With -v the warnings line says they were printed as they came. Whatever
/// the outcome (not quiet), the notice that living individuals are
/// published with their details goes to stderr last.
std::vector<ReportLine> RunReport(const RunFacts& facts, Verbosity verbosity);

/// The exit status of a run that started: 0 complete, 1 failed, 130 stopped.
int RunExitStatus(const RunOutcome& outcome);

/// Prints the report of a run that started and returns its exit status.
int ReportRun(const RunOutcome& outcome, const COptions& options,
              const RunStatistics& statistics, RunEnvironment& env, Verbosity verbosity);

}  // namespace vellix::cli
