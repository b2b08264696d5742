// The summary log page "vx-summary.html": where the site is, what the run
// did, the folders and features it used, the files it wrote and its warnings.
#pragma once

#include <cstdint>
#include <string>

#include "platform/file_access.h"
#include "run/run_statistics.h"

namespace vellix {

class COptions;
class LogPage;
class WarningLog;
struct RunContext;

/// How a run ended, as the summary reports it.
enum class RunResult {
  kComplete,   // read the file and wrote what the mode asks for
  kCancelled,  // stopped by the user or the low-disk-space question
  kFailed,     // the GEDCOM file was rejected: no pages were written
};

/// The result of a run from its two flags; a cancelled run counts as
/// cancelled whether or not its reading pass succeeded.
inline RunResult RunResultOf(bool success, bool cancelled) {
  if (cancelled) return RunResult::kCancelled;
  return success ? RunResult::kComplete : RunResult::kFailed;
}

/// What the summary page is written from.
struct SummaryLogInputs {
  const COptions& options;
  const RunStatistics& statistics;
  int mode = 0;  // the GenerateMode number, 0 to 6
  RunResult result = RunResult::kComplete;
  int64_t elapsed_seconds = 0;
  std::string options_path;  // the option set file shown in the Summary table
};

/// The "Pages Generated" text of a mode: "All Web Pages",
/// "All Web Pages; Copy Multimedia", "Family Web Pages", ...
std::string PagesGeneratedText(int mode);

/// An elapsed time as "%H:%M:%S" (hours run on past 24).
std::string FormatElapsed(int64_t seconds);

/// Number and total size of the files directly inside a folder (native or
/// stored form); zero for a folder that does not exist.
struct FileTally {
  int64_t count = 0;
  uint64_t bytes = 0;
};
FileTally TallyFolder(platform::FileAccess& files, const std::string& folder);

/// Writes the summary body into `page`, which must be open as the summary
/// page; its links are relative to page.folder(). Reads (and so uses up)
/// the warnings of `warnings`.
void WriteSummaryBody(LogPage& page, const SummaryLogInputs& inputs,
                      WarningLog& warnings);

/// The summary page of the run in `ctx`, written into the environment's
/// application folder: opens the page with the run's start time
/// (`start_seconds`, from the environment's clock at the start of the run),
/// writes the body with the run's warnings and the path of the option set
/// file (ctx.options_path), closes it.
/// False when the page could not be written (nothing is reported).
bool WriteSummaryLog(const RunContext& ctx, RunResult result, int64_t start_seconds,
                     int64_t elapsed_seconds);

}  // namespace vellix
