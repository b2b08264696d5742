#include "shell/cli/generate_report.h"

#include <cstdio>
#include <string>

#include "options/options.h"
#include "platform/file_system.h"
#include "run/warning_log.h"
#include "shell/cli/commands.h"
#include "shell/cli/one_line.h"
#include "shell/cli/terminal_wording.h"
#include "shell/cli/usage_error.h"

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

// What the run made and where the user opens it.
void PrintWhereToLook(const COptions& options, const RunStatistics& statistics,
                      const std::string& app_folder) {
  uint64_t files = 0;
  for (uint32_t count : statistics.filesWritten) files += count;
  std::printf(
      "%d families and %d individuals in the file; %d family pages, %d index "
      "entries, %llu files written.\n",
      statistics.familyRecords, statistics.individualRecords, statistics.familiesSelected,
      statistics.indexEntries, static_cast<unsigned long long>(files));
  const std::string start = StartPage(options);
  if (platform::FileExists(start)) {
    std::printf("Open the site: %s\n", start.c_str());
  } else {
    std::printf("Site folder: %s\n",
                platform::NativePath(options.m_strDestFolder).c_str());
  }
  std::printf("Run log: %svx-summary.html (vellix view)\n", app_folder.c_str());
}

}  // namespace

int ReportRun(const RunOutcome& outcome, const COptions& options,
              const RunStatistics& statistics, RunEnvironment& env, bool quiet) {
  const std::string result = OneLine(TerminalWording(outcome.status_line));
  if (outcome.cancelled) {
    std::fprintf(stderr, "vellix: %s\n", result.c_str());
  } else if (!outcome.success) {
    PrintError(result);
  } else if (!quiet) {
    std::printf("%s\n", result.c_str());
  }
  if (!quiet && outcome.warnings > 0) {
    std::printf("%d warning%s: see %s\n", outcome.warnings,
                outcome.warnings == 1 ? "" : "s", env.warnings().path().c_str());
  }
  if (!quiet && outcome.success && !outcome.cancelled) {
    PrintWhereToLook(options, statistics, env.app_folder());
  }
  if (outcome.cancelled) return kExitCancelled;
  return outcome.success ? kExitDone : kExitFailed;
}

}  // namespace vellix::cli
