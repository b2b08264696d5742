#include "shell/cli/terminal_progress_view.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdlib>
#include <cstring>

#include "shell/cli/one_line.h"

namespace vellix::cli {
namespace {

std::atomic<int> g_stop_requests{0};
std::atomic<bool> g_resized{false};

extern "C" void OnInterrupt(int) {
  if (g_stop_requests.fetch_add(1) >= 1) {
    std::signal(SIGINT, SIG_DFL);
    std::raise(SIGINT);
  }
}

extern "C" void OnResize(int) { g_resized = true; }

constexpr int kFallbackWidth = 80;

}  // namespace

ProgressStyle ProgressStyleForStderr(bool quiet) {
  if (quiet) return ProgressStyle::kOff;
  const char* term = std::getenv("TERM");
  if (!isatty(STDERR_FILENO) || (term != nullptr && std::strcmp(term, "dumb") == 0)) {
    return ProgressStyle::kPlainLines;
  }
  return ProgressStyle::kRedrawnLine;
}

TerminalProgressView::TerminalProgressView(ProgressStyle style, int expected_phases,
                                           std::FILE* out)
    : style_(style), out_(out), run_start_(Clock::now()), phase_start_(run_start_) {
  snapshot_.steps = expected_phases;
  g_stop_requests = 0;
  std::signal(SIGINT, OnInterrupt);
  if (style_ == ProgressStyle::kRedrawnLine) {
    g_resized = false;
    std::signal(SIGWINCH, OnResize);
  }
}

TerminalProgressView::~TerminalProgressView() {
  Close();
  std::signal(SIGINT, SIG_DFL);
  if (style_ == ProgressStyle::kRedrawnLine) std::signal(SIGWINCH, SIG_DFL);
}

void TerminalProgressView::ShowTitle(const std::string& title,
                                     const std::string& gedcom_file,
                                     const std::string& dest_folder) {
  run_start_ = Clock::now();
  started_ = true;
  if (style_ == ProgressStyle::kOff) return;
  std::fprintf(out_, "%s\n  GEDCOM file: %s\n  Destination: %s\n", title.c_str(),
               gedcom_file.c_str(), dest_folder.c_str());
  std::fflush(out_);
}

void TerminalProgressView::ShowPhase(const std::string& text, int64_t low, int64_t high) {
  ++snapshot_.step;
  // A run may have a phase more than expected (the citation evaluation
  // pass); the count then grows instead of showing "[8/7]".
  snapshot_.steps = std::max(snapshot_.steps, snapshot_.step);
  snapshot_.phase = OneLine(text);
  low_ = low;
  snapshot_.bar_done = 0;
  snapshot_.bar_total = high > low ? high - low : 0;
  snapshot_.items_done.reset();
  snapshot_.items_total.reset();
  phase_start_ = Clock::now();
  if (style_ == ProgressStyle::kPlainLines) {
    std::fprintf(out_, "%s\n", RenderPhaseLine(snapshot_).c_str());
    std::fflush(out_);
    return;
  }
  Draw(true);
}

void TerminalProgressView::ShowPosition(int64_t position) {
  snapshot_.bar_done = position - low_;
  Draw(false);
}

void TerminalProgressView::ShowItems(int64_t done, int64_t total) {
  snapshot_.items_done = done;
  snapshot_.items_total = total;
}

bool TerminalProgressView::PollStopRequest() { return g_stop_requests.load() > 0; }

void TerminalProgressView::Close() {
  if (closed_) return;
  closed_ = true;
  if (style_ == ProgressStyle::kOff) return;
  if (drawn_) std::fputs("\r\033[K", out_);
  drawn_ = false;
  if (started_) {
    std::fprintf(out_, "%s\n", RenderTotalTimeLine(SecondsSince(run_start_)).c_str());
  }
  std::fflush(out_);
}

double TerminalProgressView::SecondsSince(Clock::time_point start) const {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

int TerminalProgressView::Width() {
  if (width_ > 0 && !g_resized.exchange(false)) return width_;
  struct winsize size {};
  if (ioctl(fileno(out_), TIOCGWINSZ, &size) == 0 && size.ws_col > 0) {
    width_ = size.ws_col;
  } else if (const char* columns = std::getenv("COLUMNS"); columns && *columns) {
    width_ = std::max(1, std::atoi(columns));
  } else {
    width_ = kFallbackWidth;
  }
  return width_;
}

void TerminalProgressView::Draw(bool force) {
  if (style_ != ProgressStyle::kRedrawnLine || closed_) return;
  const auto now = Clock::now();
  if (!force && now < next_draw_) return;
  next_draw_ = now + std::chrono::milliseconds(100);
  snapshot_.elapsed_seconds = SecondsSince(run_start_);
  snapshot_.phase_elapsed_seconds = SecondsSince(phase_start_);
  const std::string line = RenderProgressLine(snapshot_, Width());
  // The line never reaches the last column, so erasing to its end after
  // the text leaves no trace of a longer earlier line.
  std::fprintf(out_, "\r%s\033[K", line.c_str());
  std::fflush(out_);
  drawn_ = true;
}

void TerminalProgressView::Beep() {
  if (style_ != ProgressStyle::kOff) std::fputc('\a', out_);
}

}  // namespace vellix::cli
