// The generation run: from the checks of input and destination to the logs.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "engine/generate_mode.h"
#include "engine/run_phases.h"
#include "gedcom/gedcom_reader.h"
#include "gedcom/record_store.h"
#include "model/dialects.h"
#include "run/media_state.h"
#include "run/run_environment.h"
#include "run/run_statistics.h"

namespace vellix {

class COptions;
class ProgressWindow;

/// How a Generate call treats what it finds in the destination folder.
struct GenerateSettings {
  /// Leave the files an earlier run wrote and this one did not in place
  /// (they stay in the manifest); by default a run that writes a complete
  /// site removes them.
  bool keep_stale_files = false;
  /// Memory the record caches may hold beyond their counts: records that
  /// fit are parsed once per run instead of once per pass. The default
  /// keeps a run of a million people within about 1 GB; 0 spends the least
  /// memory (every pass parses again).
  size_t record_cache_bytes = GedcomReader::kDefaultCacheBudget;
};

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
  /// Pages and other files that could not be written (a read-only
  /// destination, a full disk); a run with any did not succeed, and its
  /// status line says so. The warnings name them.
  int32_t files_not_written = 0;
  /// Living individuals the site shows with their details; the caller tells
  /// the user when there are any (LivingPublishedNotice).
  int32_t living_published = 0;
  int32_t stale_files_removed = 0;  // files of an earlier run removed
};

/// The engine object: owns the GEDCOM reader and its record store, which
/// survive between runs so that an unchanged file is read only once, the
/// dialect table and the media state of the last run, and runs one Generate
/// command at a time on the caller's thread. Everything outside the run's
/// own data (messages, progress, clock, files, settings, warnings) comes
/// from the caller's environment; two generators with two environments may
/// run at the same time on two threads.
class Generator {
 public:
  /// `env` must outlive the generator; `phases` supplies the page writers
  /// (nullptr runs no page phases).
  explicit Generator(RunEnvironment& env, std::unique_ptr<RunPhases> phases = nullptr);
  ~Generator();
  Generator(const Generator&) = delete;
  Generator& operator=(const Generator&) = delete;

  /// Runs one Generate command in `mode` on `options`, whose file is
  /// `options_path` (the summary log names it). Returns at once, not
  /// started, when a run is already in progress. A run that writes a
  /// complete site (modes 0 to 2, not failed or cancelled) removes the
  /// files an earlier run wrote into the destination folder and this one
  /// did not, unless `settings` keep them; every run records its files in
  /// the folder's manifest (.vellix-manifest).
  RunOutcome Generate(GenerateMode mode, COptions& options,
                      const std::string& options_path,
                      const GenerateSettings& settings = {});

  bool busy() const { return busy_; }
  GedcomReader& reader() { return reader_; }
  RecordStore& store() { return store_; }
  const RunStatistics& statistics() const { return statistics_; }
  RunEnvironment& env() { return env_; }
  /// The window's status text, as the last run left it.
  const std::string& status_text() const { return status_text_; }

 private:
  bool CheckInputs(const COptions& options);
  void RaiseConformanceWarnings(const COptions& options, bool strict);
  void Dispatch(GenerateMode mode, RunContext& ctx, int dialect_code);
  void WriteFamilyPages(RunContext& ctx, bool evaluate);
  /// The loop of WriteFamilyPages over the selected families and loners;
  /// false when the run was cancelled.
  bool WriteFamilyPageFiles(RunContext& ctx, bool evaluate);
  void WriteIndexPages(RunContext& ctx, bool write_pages);
  void WriteSourcePages(RunContext& ctx, bool standalone);
  void WriteLogs(RunContext& ctx, bool success, bool cancelled, int64_t start_seconds,
                 int64_t elapsed_seconds);

  RunEnvironment& env_;
  RecordStore store_;
  GedcomReader reader_;
  RunStatistics statistics_;
  DialectTable dialects_;
  MediaTimeStamps media_stamps_;
  MediaSizes last_media_sizes_;
  std::unique_ptr<RunPhases> phases_;
  std::string status_text_;
  bool busy_ = false;
};

}  // namespace vellix
