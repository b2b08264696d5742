#include "engine/progress_window.h"

#include <algorithm>

#include "run/disk_space_guard.h"
#include "run/warning_log.h"

namespace vellix {
namespace {
// statvfs on every step would cost more than the steps themselves on runs
// with a million items; a tenth of a second is soon enough to notice a disk
// filling up.
constexpr auto kDiskCheckInterval = std::chrono::milliseconds(100);
}  // namespace

ProgressWindow::ProgressWindow(platform::ProgressView& view, DiskSpaceGuard& guard,
                               WarningLog& warnings)
    : view_(view), guard_(guard), warnings_(warnings) {}

void ProgressWindow::SetTitle(const std::string& title, const std::string& gedcom_file,
                              const std::string& dest_folder) {
  dest_folder_ = dest_folder;
  view_.ShowTitle(title, gedcom_file, dest_folder);
}

void ProgressWindow::SetPhase(const std::string& text, int64_t low, int64_t high,
                              bool scalable) {
  scaled_ = scalable && high > 10;
  low_ = scaled_ ? low / 10 : low;
  high_ = scaled_ ? high / 10 : high;
  bar_ = low_;
  calls_ = 0;
  items_ = 0;
  item_total_ = high - low;
  view_.ShowPhase(text, low_, high_);
  view_.ShowPosition(bar_);
}

void ProgressWindow::Step(int64_t position) {
  if (view_.PollStopRequest()) cancelled_ = true;
  ++calls_;
  // Only a loop that steps once per item counts items; positions given
  // outright (bytes read, page numbers) are not items.
  items_ = position == 0 && items_ >= 0 ? items_ + 1 : -1;
  if (scaled_ && calls_ % 11 != 0) return;
  if (position == 0) {
    if (bar_ < high_) ++bar_;
  } else {
    bar_ = scaled_ ? position / 10 : position;
  }
  if (items_ >= 0) view_.ShowItems(std::min(items_, item_total_), item_total_);
  view_.ShowPosition(bar_);
  CheckDiskSpace();
}

void ProgressWindow::CheckDiskSpace() {
  auto now = std::chrono::steady_clock::now();
  if (now < next_disk_check_) return;
  next_disk_check_ = now + kDiskCheckInterval;
  if (!guard_.HasRoom(dest_folder_)) {
    if (!warnings_.Add(WarningCode::kLowDiskSpace, dest_folder_)) cancelled_ = true;
  }
}

}  // namespace vellix
