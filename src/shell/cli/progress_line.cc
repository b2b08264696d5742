#include "shell/cli/progress_line.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace vellix::cli {
namespace {

constexpr int kMinBar = 10;  // bar cells; narrower bars say nothing
constexpr int kMaxBar = 30;
// The phase text keeps at least this many columns before any figure goes.
constexpr size_t kPhaseKept = 20;

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The first `columns` code points of `text`.
std::string Head(const std::string& text, size_t columns) {
  size_t seen = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (IsContinuationByte(text[i])) continue;
    if (seen == columns) return text.substr(0, i);
    ++seen;
  }
  return text;
}

// `text` cut to `columns`, marked with "..." when something was cut and
// there is room for the mark; a word cut in two goes when the rest keeps
// most of the room.
std::string Fit(const std::string& text, size_t columns) {
  if (DisplayWidth(text) <= columns) return text;
  if (columns <= 3) return Head(text, columns);
  std::string head = Head(text, columns - 3);
  const size_t space = head.rfind(' ');
  const char next = text[head.size()];
  if (next != ' ' && next != '.' && space != std::string::npos &&
      space >= head.size() * 2 / 3) {
    head.resize(space);
  }
  // "file... (3 KB)" cut after "file..." reads "file...", not "file......".
  auto trim = [&head] {
    while (!head.empty() && (head.back() == ' ' || head.back() == '.')) head.pop_back();
  };
  trim();
  // A joining word, or a count after one, left at the end reads as
  // something else: "1422 families and 3..." would count 3 families.
  auto drop_last_word_if = [&head, &trim](auto test) {
    const size_t word = head.rfind(' ');
    if (word == std::string::npos || !test(head.substr(word + 1))) return false;
    head.resize(word);
    trim();
    return true;
  };
  auto is_joining = [](const std::string& word) { return word == "and" || word == "of"; };
  const std::string kept = head;
  if (drop_last_word_if([](const std::string& word) {
        return word.find_first_not_of("0123456789") == std::string::npos;
      }) &&
      !drop_last_word_if(is_joining)) {
    head = kept;
  }
  drop_last_word_if(is_joining);
  return head + "...";
}

std::string Bar(int cells, int64_t done, int64_t total) {
  int filled = 0;
  if (total > 0) {
    const int64_t clamped = std::clamp<int64_t>(done, 0, total);
    filled = static_cast<int>(clamped * cells / total);
  }
  return "[" + std::string(filled, '#') + std::string(cells - filled, '.') + "]";
}

// Figures after the phase text, in display order. `drop` orders what goes
// first when the line is too long (lower goes sooner).
struct Figure {
  std::string text;
  int drop;
};

}  // namespace

size_t DisplayWidth(const std::string& text) {
  size_t columns = 0;
  for (char c : text) {
    if (!IsContinuationByte(c)) ++columns;
  }
  return columns;
}

std::string FormatDuration(double seconds) {
  const int64_t total = seconds > 0 ? static_cast<int64_t>(seconds) : 0;
  const int64_t h = total / 3600;
  const int64_t m = (total / 60) % 60;
  const int64_t s = total % 60;
  char text[48];
  if (h > 0) {
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", static_cast<long long>(h),
                  static_cast<long long>(m), static_cast<long long>(s));
  } else {
    std::snprintf(text, sizeof text, "%lld:%02lld", static_cast<long long>(m),
                  static_cast<long long>(s));
  }
  return text;
}

std::optional<double> EstimateTimeLeft(const ProgressSnapshot& snapshot) {
  int64_t done = snapshot.bar_done;
  int64_t total = snapshot.bar_total;
  if (snapshot.items_done && snapshot.items_total && *snapshot.items_total > 0) {
    done = *snapshot.items_done;
    total = *snapshot.items_total;
  }
  if (total <= 0 || done <= 0 || snapshot.phase_elapsed_seconds < 1.0) return {};
  if (done >= total) return 0.0;
  const double fraction = static_cast<double>(done) / static_cast<double>(total);
  return snapshot.phase_elapsed_seconds * (1.0 - fraction) / fraction;
}

std::string RenderPhaseLine(const ProgressSnapshot& snapshot) {
  std::string line;
  if (snapshot.step > 0) {
    line = "[" + std::to_string(snapshot.step);
    if (snapshot.steps >= snapshot.step) line += "/" + std::to_string(snapshot.steps);
    line += "] ";
  }
  return line + snapshot.phase;
}

std::string RenderTotalTimeLine(double seconds) {
  return "Total time: " + FormatDuration(seconds);
}

std::string RenderProgressLine(const ProgressSnapshot& snapshot, int width) {
  const size_t limit = width > 1 ? static_cast<size_t>(width - 1) : 1;
  ProgressSnapshot numbering;
  numbering.step = snapshot.step;
  numbering.steps = snapshot.steps;
  const std::string prefix = RenderPhaseLine(numbering);

  std::vector<Figure> figures;
  if (snapshot.bar_total > 0) {
    const int64_t percent =
        std::clamp<int64_t>(snapshot.bar_done * 100 / snapshot.bar_total, 0, 100);
    figures.push_back({std::to_string(percent) + "%", 4});
  }
  if (snapshot.items_done && snapshot.items_total && *snapshot.items_total > 0) {
    figures.push_back({std::to_string(*snapshot.items_done) + "/" +
                           std::to_string(*snapshot.items_total),
                       1});
  }
  figures.push_back({FormatDuration(snapshot.elapsed_seconds), 3});
  if (auto left = EstimateTimeLeft(snapshot)) {
    figures.push_back({"~" + FormatDuration(*left) + " left", 2});
  }
  const size_t phase_width = DisplayWidth(snapshot.phase);
  auto figures_width = [&] {
    size_t columns = 0;
    for (const Figure& f : figures) columns += 1 + DisplayWidth(f.text);
    return columns;
  };
  // The bar only when the whole phase text and every figure fit beside it.
  const bool with_bar =
      snapshot.bar_total > 0 &&
      DisplayWidth(prefix) + phase_width + figures_width() + 1 + kMinBar + 2 <= limit;
  // Drop figures, lowest first, until the kept part of the phase text fits.
  const size_t phase_kept = std::min(phase_width, kPhaseKept);
  for (int level = 1; level <= 4; ++level) {
    if (DisplayWidth(prefix) + phase_kept + figures_width() <= limit) break;
    std::erase_if(figures, [&](const Figure& f) { return f.drop == level; });
  }

  size_t room = limit > DisplayWidth(prefix) + figures_width()
                    ? limit - DisplayWidth(prefix) - figures_width()
                    : 0;
  std::string bar;
  if (with_bar) {
    // The bar takes what the whole phase text leaves, within its bounds.
    const size_t spare = room > phase_width + 3 ? room - phase_width - 3 : 0;
    const int cells = static_cast<int>(std::clamp<size_t>(
        spare, static_cast<size_t>(kMinBar), static_cast<size_t>(kMaxBar)));
    bar = " " + Bar(cells, snapshot.bar_done, snapshot.bar_total);
    room = room > bar.size() ? room - bar.size() : 0;
  }

  std::string line = prefix + Fit(snapshot.phase, room) + bar;
  for (const Figure& f : figures) line += " " + f.text;
  return Fit(line, limit);
}

}  // namespace vellix::cli
