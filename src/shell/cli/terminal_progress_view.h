// The run's progress as one redrawn terminal line; Ctrl-C asks to stop.
#pragma once

#include <chrono>
#include <string>

#include "platform/progress_view.h"

namespace vellix::cli {

/// Draws "phase [#####.....] 42%" on stderr, redrawn at most ten times a
/// second, only when stderr is a terminal and not in quiet mode. While it
/// exists, Ctrl-C (SIGINT) does not kill the program but requests a stop, so
/// the run ends CANCELED and still writes its logs; a second Ctrl-C kills.
class TerminalProgressView : public platform::ProgressView {
 public:
  explicit TerminalProgressView(bool quiet);
  ~TerminalProgressView() override;

  void ShowTitle(const std::string& title, const std::string& gedcom_file,
                 const std::string& dest_folder) override;
  void ShowPhase(const std::string& text, int64_t low, int64_t high) override;
  void ShowPosition(int64_t position) override;
  bool PollStopRequest() override;
  void Close() override;
  /// The terminal bell after a long run, unless quiet.
  void Beep() override;

 private:
  void Draw(bool force);

  bool enabled_;
  bool quiet_;
  bool drawn_ = false;
  std::string phase_;
  int64_t low_ = 0;
  int64_t high_ = 0;
  int64_t position_ = 0;
  std::chrono::steady_clock::time_point next_draw_{};
};

}  // namespace vellix::cli
