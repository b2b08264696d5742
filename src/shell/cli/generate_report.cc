#include "shell/cli/generate_report.h"

#include <cstdio>
#include <numeric>
#include <string>

#include "logs/log_page.h"
#include "options/options.h"
#include "platform/file_system.h"
#include "shell/cli/commands.h"
#include "shell/cli/one_line.h"
#include "shell/cli/terminal_wording.h"

namespace vellix::cli {
namespace {

// The start page of the site: the first surname page.
std::string StartPage(const COptions& options) {
  std::string dest =
      platform::WithTrailingSlash(platform::NativePath(options.m_strDestFolder));
  if (options.m_bAltSurnameFile && !options.m_strAltSurnameFile.empty()) {
    return dest + platform::NativePath(options.m_strAltSurnameFile);
  }
  return dest + options.m_strFilePrefix + "main" + options.GetPageExtension();
}

uint64_t FilesCounted(const RunStatistics& statistics) {
  return std::accumulate(statistics.filesWritten.begin(), statistics.filesWritten.end(),
                         uint64_t{0});
}

// "pages for 2 families and 1 individual outside families", from the pages
// the run wrote.
std::string FamilyPages(const RunStatistics& s) {
  const int32_t families = s.familiesWritten - s.lonersWritten;
  std::string text = "pages for ";
  if (families > 0 || s.lonersWritten == 0) {
    text += CountOf(families, "family", "families");
  }
  if (s.lonersWritten > 0) {
    if (families > 0) text += " and ";
    text += CountOf(s.lonersWritten, "individual", "individuals") + " outside families";
  }
  return text;
}

// "1 family and 3 individuals in the file; pages for 1 family and 1
// individual outside families, 3 index entries."
std::string ContentLine(const RunStatistics& s) {
  std::string line = CountOf(s.familyRecords, "family", "families") + " and " +
                     CountOf(s.individualRecords, "individual", "individuals") +
                     " in the file";
  std::string made;
  auto add = [&made](const std::string& part) {
    made += made.empty() ? "; " : ", ";
    made += part;
  };
  if (s.familiesWritten > 0) add(FamilyPages(s));
  if (s.indexEntries > 0) add(CountOf(s.indexEntries, "index entry", "index entries"));
  if (s.sourcesWritten > 0) {
    add(CountOf(s.sourcesWritten, "bibliography entry", "bibliography entries"));
  }
  if (s.repositoriesWritten > 0) {
    add(CountOf(s.repositoriesWritten, "repository entry", "repository entries"));
  }
  return line + made + ".";
}

// "Pages written before the stop: 120 of 28000 families, 0 of 289
// individuals outside families."; empty when no family page was written.
std::string StoppedPagesLine(const RunStatistics& s) {
  if (s.familiesWritten <= 0) return std::string();
  const int32_t families = s.familiesSelected - s.lonersSelected;
  std::string line = "Pages written before the stop: ";
  if (families > 0) {
    line += std::to_string(s.familiesWritten - s.lonersWritten) + " of " +
            CountOf(families, "family", "families");
  }
  if (s.lonersSelected > 0) {
    if (families > 0) line += ", ";
    line += std::to_string(s.lonersWritten) + " of " +
            CountOf(s.lonersSelected, "individual", "individuals") + " outside families";
  }
  return line + ".";
}

// The warning count and where they are listed, or where the run log is.
std::string WarningsLine(const RunFacts& facts, Verbosity verbosity) {
  const int32_t count = facts.outcome.warnings;
  if (count <= 0) return "Run log: " + facts.run_log;
  std::string line = CountOf(count, "warning", "warnings");
  if (verbosity == Verbosity::kVerbose) line += " (printed above)";
  return line + ", listed in the run log: " + facts.run_log;
}

// True when the stopped run left the destination folder as it found it.
bool NothingChanged(const RunFacts& facts) {
  const RunStatistics& s = facts.statistics;
  return FilesCounted(s) == s.filesUnchanged && s.mediaProcessed == 0 &&
         facts.stale_removed.value_or(0) == 0;
}

}  // namespace

std::string FilesLine(const RunStatistics& statistics,
                      std::optional<uint32_t> stale_removed) {
  const uint64_t written = FilesCounted(statistics) - statistics.filesUnchanged;
  std::string line = CountOf(static_cast<int64_t>(written), "page", "pages") +
                     " written, " + std::to_string(statistics.filesUnchanged) +
                     " unchanged";
  if (stale_removed) line += ", " + std::to_string(*stale_removed) + " stale removed";
  return line + ".";
}

std::vector<ReportLine> RunReport(const RunFacts& facts, Verbosity verbosity) {
  const bool quiet = verbosity == Verbosity::kQuiet;
  const RunOutcome& outcome = facts.outcome;
  const std::string result = OneLine(TerminalWording(outcome.status_line));
  std::vector<ReportLine> lines;
  auto err = [&lines](std::string text) {
    if (!text.empty()) lines.push_back({ReportStream::kErr, std::move(text)});
  };
  auto out = [&lines](std::string text) {
    lines.push_back({ReportStream::kOut, std::move(text)});
  };
  // Publishing living people's details is the user's choice, but one they
  // should not make unknowingly: said on stderr whatever the outcome (before
  // the closing line of a stopped run, which stays last).
  const std::string living_notice =
      !quiet && outcome.living_published > 0
          ? "vellix: " + TerminalWording(LivingPublishedNotice(outcome.living_published))
          : std::string();
  if (outcome.cancelled) {
    err("vellix: " + result);
    if (!quiet) {
      err(StoppedPagesLine(facts.statistics));
      err(WarningsLine(facts, verbosity));
    }
    err(living_notice);
    err("vellix: stopped: the site in " + facts.dest_folder +
        (NothingChanged(facts) ? " was not changed" : " is incomplete"));
    return lines;
  }
  if (!outcome.success || outcome.files_not_written > 0) {
    err("vellix: error: " + result);
    if (!quiet) err(WarningsLine(facts, verbosity));
  } else if (!quiet) {
    out(result);
    out(ContentLine(facts.statistics));
    out(facts.start_page.empty() ? "Site folder: " + facts.dest_folder
                                 : "Open the site: " + facts.start_page);
    out(WarningsLine(facts, verbosity));
    out(FilesLine(facts.statistics, facts.stale_removed));
  }
  err(living_notice);
  return lines;
}

int RunExitStatus(const RunOutcome& outcome) {
  if (outcome.cancelled) return kExitCancelled;
  return outcome.success && outcome.files_not_written == 0 ? kExitDone : kExitFailed;
}

int ReportRun(const RunOutcome& outcome, const COptions& options,
              const RunStatistics& statistics, RunEnvironment& env, Verbosity verbosity) {
  RunFacts facts{
      .outcome = outcome,
      .statistics = statistics,
      .dest_folder = platform::NativePath(options.m_strDestFolder),
      .start_page = StartPage(options),
      .run_log = env.app_folder() + std::string(LogPageFileName(LogPageKind::kSummary)),
      .stale_removed = statistics.staleFilesRemoved > 0
                           ? std::optional<uint32_t>(statistics.staleFilesRemoved)
                           : std::nullopt,
  };
  if (!platform::FileExists(facts.start_page)) facts.start_page.clear();
  std::fflush(stderr);
  for (const ReportLine& line : RunReport(facts, verbosity)) {
    std::FILE* stream = line.stream == ReportStream::kOut ? stdout : stderr;
    std::fprintf(stream, "%s\n", line.text.c_str());
    std::fflush(stream);  // in order also when both streams go to one pipe
  }
  std::fflush(stdout);
  return RunExitStatus(outcome);
}

}  // namespace vellix::cli
