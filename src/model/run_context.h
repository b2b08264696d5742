// What every phase of a generation run works with.
#pragma once

#include "run/run_statistics.h"
#include "platform/progress.h"

namespace vellix {

class COptions;
class GedcomReader;
class RecordStore;

/// Flags that hold for the length of one run and that page writers read.
struct RunFlags {
  bool skipMultimedia = false;     // mode 2: leave multimedia alone
  bool copyMultimedia = false;     // mode 1: copy multimedia again
  bool strictConformance = false;  // strict document type: no targets, no frames
};

/// The run's shared state, handed to every phase by the generation run. It
/// refers to objects the Generator owns; it lives only as long as the run.
struct RunContext {
  COptions& options;
  GedcomReader& reader;
  RecordStore& store;
  RunStatistics& statistics;
  platform::Progress& progress;
  RunFlags flags;
  int mode = 0;  // the GenerateMode number
};

}  // namespace vellix
