// The generation run: from the checks of input and destination to the logs.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "engine/generate_mode.h"
#include "engine/run_phases.h"
#include "gedcom/gedcom_reader.h"
#include "run/disk_space_guard.h"
#include "run/run_statistics.h"
#include "gedcom/record_store.h"
#include "platform/progress_view.h"

namespace vellix {

class COptions;
class ProgressWindow;

/// What a Generate call ended with.
struct RunOutcome {
  /// False when the run did not start: another run was in progress, a check
  /// of the input file or destination folder failed (its message was shown),
  /// or the GEDCOM file could not be opened.
  bool started = false;
  bool success = false;    // the file was read and the phases ran
  bool cancelled = false;  // Stop, Ctrl-C or the low-disk-space question
  /// The main window's status line: "Web page generation complete.\n..."
  /// and so on.
  std::string status_line;
  int64_t elapsed_seconds = 0;
  int32_t warnings = 0;  // warnings raised by the run
};

/// The engine object: owns the GEDCOM reader and its record store, which
/// survive between runs so that an unchanged file is read only once, and
/// runs one Generate command at a time on the caller's thread. Messages go
/// through platform::UserPrompter(), progress through the given view.
class Generator {
 public:
  /// `phases` supplies the page writers; nullptr runs no page phases.
  explicit Generator(std::unique_ptr<RunPhases> phases = nullptr);
  ~Generator();
  Generator(const Generator&) = delete;
  Generator& operator=(const Generator&) = delete;

  /// Runs one Generate command in `mode` on `options`. Returns at once, not started, when
  /// a run is already in progress.
  RunOutcome Generate(GenerateMode mode, COptions& options, platform::ProgressView& view);

  bool busy() const { return busy_; }
  GedcomReader& reader() { return reader_; }
  RecordStore& store() { return store_; }
  const RunStatistics& statistics() const { return statistics_; }
  /// The window's status text, as the last run left it.
  const std::string& status_text() const { return status_text_; }

  /// Replaces the sound made after a run of more than 30 seconds.
  void SetBeep(std::function<void()> beep) { beep_ = std::move(beep); }

 private:
  bool CheckInputs(const COptions& options);
  void RaiseConformanceWarnings(const COptions& options, bool strict);
  void Dispatch(GenerateMode mode, RunContext& ctx, int dialect_code);
  void WriteFamilyPages(RunContext& ctx, bool evaluate);
  void WriteIndexPages(RunContext& ctx, bool write_pages);
  void WriteSourcePages(RunContext& ctx, bool standalone);
  void WriteLogs(RunContext& ctx, bool success, bool cancelled, int64_t start_seconds,
                 int64_t elapsed_seconds);

  RecordStore store_;
  GedcomReader reader_;
  RunStatistics statistics_;
  std::unique_ptr<RunPhases> phases_;
  std::function<void()> beep_;
  std::string status_text_;
  bool busy_ = false;
};

}  // namespace vellix
