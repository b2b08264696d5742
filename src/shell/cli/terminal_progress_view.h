// The run's progress on the terminal; Ctrl-C asks to stop.
#pragma once

#include <chrono>
#include <cstdio>
#include <string>

#include "platform/progress_view.h"
#include "shell/cli/progress_line.h"

namespace vellix::cli {

/// How the progress reaches the user.
enum class ProgressStyle {
  kOff,          // nothing (--quiet)
  kPlainLines,   // one line per phase: output is no terminal, or TERM=dumb
  kRedrawnLine,  // one line redrawn in place, cut to the terminal's width
};

/// The style for stderr: off when quiet, plain lines when stderr is no
/// terminal or TERM is "dumb" (such terminals may not understand the
/// erase-line sequence), else the redrawn line.
ProgressStyle ProgressStyleForStderr(bool quiet);

/// Shows a run's progress on `out` (stderr by default) in the given style:
/// the title and paths, then each phase numbered against the phases the run
/// is expected to have ("[3/7]"), with bar, percentage, items done, elapsed
/// time and an estimate of the phase's time left; the redrawn line follows
/// the terminal's width when it changes (SIGWINCH) and is redrawn at most
/// ten times a second. Close() ends with the run's total time.
///
/// While it exists, Ctrl-C (SIGINT) does not kill the program but requests
/// a stop, so the run ends CANCELED and still writes its logs; a second
/// Ctrl-C kills. One view at a time.
class TerminalProgressView : public platform::ProgressView {
 public:
  TerminalProgressView(ProgressStyle style, int expected_phases, std::FILE* out = stderr);
  ~TerminalProgressView() override;
  TerminalProgressView(const TerminalProgressView&) = delete;
  TerminalProgressView& operator=(const TerminalProgressView&) = delete;

  void ShowTitle(const std::string& title, const std::string& gedcom_file,
                 const std::string& dest_folder) override;
  void ShowPhase(const std::string& text, int64_t low, int64_t high) override;
  void ShowPosition(int64_t position) override;
  void ShowItems(int64_t done, int64_t total) override;
  bool PollStopRequest() override;
  /// Removes the redrawn line and writes the total time; later calls do
  /// nothing.
  void Close() override;
  /// The terminal bell after a long run, unless quiet.
  void Beep() override;

 private:
  using Clock = std::chrono::steady_clock;

  void Draw(bool force);
  double SecondsSince(Clock::time_point start) const;
  int Width();

  ProgressStyle style_;
  std::FILE* out_;
  ProgressSnapshot snapshot_;
  int64_t low_ = 0;
  Clock::time_point run_start_;
  Clock::time_point phase_start_;
  Clock::time_point next_draw_{};
  int width_ = 0;  // 0: ask the terminal
  bool drawn_ = false;
  bool started_ = false;
  bool closed_ = false;
};

}  // namespace vellix::cli
