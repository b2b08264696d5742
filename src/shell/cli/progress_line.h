// The text of the run's progress display, apart from any terminal: what one
// redrawn line, or one plain line per phase, says at a given moment.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vellix::cli {

/// What the progress display knows at one moment of a run.
struct ProgressSnapshot {
  int step = 0;       // number of the current phase, from 1
  int steps = 0;      // phases the run is expected to have; 0 when unknown
  std::string phase;  // the phase text, on one line
  int64_t bar_done = 0;
  int64_t bar_total = 0;  // 0: the phase has no measurable range
  /// Items done of the phase's items (families, individuals), when the
  /// engine counts them; nothing otherwise.
  std::optional<int64_t> items_done;
  std::optional<int64_t> items_total;
  double elapsed_seconds = 0;        // since the run started
  double phase_elapsed_seconds = 0;  // since the phase started
};

/// A duration as a clock shows it: "0:07", "12:34", "1:02:03" (whole
/// seconds, truncated; negative durations count as 0).
std::string FormatDuration(double seconds);

/// The time the current phase still needs, estimated from its pace so far;
/// nothing until the phase has run a second and made some progress.
std::optional<double> EstimateTimeLeft(const ProgressSnapshot& snapshot);

/// One line for a terminal `width` columns wide, never longer than
/// width - 1 display columns (a line that reaches the last column wraps on
/// some terminals): "[3/7] Generating web pages for 28 families...
/// [######....] 60% 17/28 0:12 ~0:08 left". When the width is short the
/// bar, the item count, the estimate, the elapsed time and the percentage
/// are dropped in that order, and the phase text is cut with "...".
/// No control characters.
std::string RenderProgressLine(const ProgressSnapshot& snapshot, int width);

/// The line written once when a phase starts where the line cannot be
/// redrawn (output is not a terminal, or TERM=dumb): "[3/7] Generating web
/// pages for 28 families...".
std::string RenderPhaseLine(const ProgressSnapshot& snapshot);

/// The line that ends the display: "Total time: 1:23".
std::string RenderTotalTimeLine(double seconds);

/// Display columns of UTF-8 `text` (one per code point; the engine's phase
/// texts and paths hold no wide characters worth measuring otherwise).
size_t DisplayWidth(const std::string& text);

}  // namespace vellix::cli
