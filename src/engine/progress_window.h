// The logic of the run's progress display: phases, scaled steps, the cancel
// flag and the low-disk-space check.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

#include "platform/progress.h"
#include "platform/progress_view.h"

namespace vellix {

class DiskSpaceGuard;
class WarningLog;

/// Drives a ProgressView for one generation run. Keeps the cancel flag that
/// every long loop checks; a Stop request from the view, or the answer No to
/// the low-disk-space question, sets it. In scaled mode (a scalable phase
/// with a range above 10) the bar moves only on every 11th step, so huge
/// loops do not spend their time redrawing.
class ProgressWindow : public platform::Progress {
 public:
  /// `view`, `guard` and `warnings` (which asks the low-disk-space
  /// question) must outlive the window.
  ProgressWindow(platform::ProgressView& view, DiskSpaceGuard& guard,
                 WarningLog& warnings);

  /// Shows the mode title and the two paths; remembers the destination
  /// folder for the disk-space check.
  void SetTitle(const std::string& title, const std::string& gedcom_file,
                const std::string& dest_folder);

  void SetPhase(const std::string& text, int64_t low, int64_t high,
                bool scalable) override;
  void Step(int64_t position) override;
  bool IsCancelled() const override { return cancelled_; }

  /// Sets the cancel flag (the Stop button).
  void Cancel() { cancelled_ = true; }
  /// Removes the display.
  void Close() { view_.Close(); }

  bool scaled() const { return scaled_; }
  int64_t bar_position() const { return bar_; }

 private:
  void CheckDiskSpace();

  platform::ProgressView& view_;
  DiskSpaceGuard& guard_;
  WarningLog& warnings_;
  std::string dest_folder_;
  bool cancelled_ = false;
  bool scaled_ = false;
  int64_t bar_ = 0;
  int64_t low_ = 0;
  int64_t high_ = 0;
  int64_t calls_ = 0;
  int64_t items_ = 0;  // items stepped in this phase; -1 when it steps by position
  int64_t item_total_ = 0;
  std::chrono::steady_clock::time_point next_disk_check_{};
};

}  // namespace vellix
