#include "shell/cli/terminal_progress_view.h"

#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstdio>

#include "shell/cli/one_line.h"

namespace vellix::cli {
namespace {

std::atomic<int> g_stop_requests{0};

extern "C" void OnInterrupt(int) {
  if (g_stop_requests.fetch_add(1) >= 1) {
    std::signal(SIGINT, SIG_DFL);
    std::raise(SIGINT);
  }
}

}  // namespace

TerminalProgressView::TerminalProgressView(bool quiet)
    : enabled_(!quiet && isatty(STDERR_FILENO)), quiet_(quiet) {
  g_stop_requests = 0;
  std::signal(SIGINT, OnInterrupt);
}

TerminalProgressView::~TerminalProgressView() {
  Close();
  std::signal(SIGINT, SIG_DFL);
}

void TerminalProgressView::ShowTitle(const std::string& title,
                                     const std::string& gedcom_file,
                                     const std::string& dest_folder) {
  if (!enabled_) return;
  std::fprintf(stderr, "%s\n  GEDCOM file: %s\n  Destination: %s\n", title.c_str(),
               gedcom_file.c_str(), dest_folder.c_str());
}

void TerminalProgressView::ShowPhase(const std::string& text, int64_t low, int64_t high) {
  phase_ = OneLine(text);
  low_ = low;
  high_ = high;
  position_ = low;
  Draw(true);
}

void TerminalProgressView::ShowPosition(int64_t position) {
  position_ = position;
  Draw(false);
}

bool TerminalProgressView::PollStopRequest() { return g_stop_requests.load() > 0; }

void TerminalProgressView::Close() {
  if (enabled_ && drawn_) std::fprintf(stderr, "\r\033[K");
  drawn_ = false;
}

void TerminalProgressView::Draw(bool force) {
  if (!enabled_) return;
  auto now = std::chrono::steady_clock::now();
  if (!force && now < next_draw_) return;
  next_draw_ = now + std::chrono::milliseconds(100);
  int percent = 0;
  if (high_ > low_) {
    int64_t p = (position_ - low_) * 100 / (high_ - low_);
    percent = static_cast<int>(p < 0 ? 0 : (p > 100 ? 100 : p));
  }
  constexpr int kWidth = 30;
  std::string bar(kWidth, '.');
  for (int i = 0; i < percent * kWidth / 100; ++i) bar[i] = '#';
  std::string phase = phase_.size() > 48 ? phase_.substr(0, 45) + "..." : phase_;
  std::fprintf(stderr, "\r\033[K%s [%s] %3d%%", phase.c_str(), bar.c_str(), percent);
  std::fflush(stderr);
  drawn_ = true;
}

void TerminalProgressView::Beep() {
  if (!quiet_) std::fputc('\a', stderr);
}

}  // namespace vellix::cli
