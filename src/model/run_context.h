// What every phase of a generation run works with.
#pragma once

#include "platform/progress.h"
#include "run/media_state.h"
#include "run/run_environment.h"
#include "run/run_statistics.h"

namespace vellix {

class COptions;
class DialectTable;
class GedcomReader;
class RecordStore;

/// Flags that hold for the length of one run and that page writers read.
struct RunFlags {
  bool skipMultimedia = false;     // mode 2: leave multimedia alone
  bool copyMultimedia = false;     // mode 1: copy multimedia again
  bool strictConformance = false;  // strict document type: no targets, no frames
};

/// The run's shared state, handed to every phase by the generation run. It
/// refers to objects the Generator and its caller own; it lives only as long
/// as the run.
struct RunContext {
  RunEnvironment& env;
  COptions& options;
  GedcomReader& reader;
  RecordStore& store;
  RunStatistics& statistics;
  platform::Progress& progress;
  /// The GEDCOM dialects of gedcom.ini; the run's dialect is its selected one.
  DialectTable& dialects;
  RunFlags flags;
  int mode = 0;  // the GenerateMode number
  /// Kept by the Generator from run to run for the multimedia writers.
  MediaTimeStamps media_stamps{};
  MediaSizes previous_media_sizes{};
  /// The option set's file, as the summary log names it.
  std::string options_path{};

  WarningLog& warnings() const { return env.warnings(); }
};

}  // namespace vellix
