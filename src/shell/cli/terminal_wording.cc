#include "shell/cli/terminal_wording.h"

#include <string>

namespace vellix::cli {
namespace {

/// One sentence of a window message and what the terminal says instead. A
/// "%s" stands for text (a tag name) that is carried over.
struct Rewording {
  std::string_view window;
  std::string_view terminal;
};

constexpr Rewording kRewordings[] = {
    // The generation run's checks of its input file and destination.
    {"Please click \"Options\" and specify a file.",
     "Please name the file on the command line ('vellix generate GEDCOM') or with "
     "'vellix options set strGedcomFile GEDCOM'."},
    {"Click \"Options\" to verify the file name is correct.",
     "Check the file named on the command line, or the option set's with "
     "'vellix options get strGedcomFile'."},
    {"Please click \"Options\" and specify a folder.",
     "Please set the destination with '-o DIR' or 'vellix options set strDestFolder "
     "DIR'."},
    {"Click \"Options\" to verify the folder name is correct.",
     "Check the folder given with '-o DIR', or the option set's with "
     "'vellix options get strDestFolder'."},
    // A stored option that would write outside the destination.
    {"Click \"Options\" to correct it.",
     "Correct it with 'vellix options set KEY VALUE'."},
    // The run's closing text and the View command.
    {"Click \"View\" to see your results.", "Run 'vellix view' to see your results."},
    {"Click \"Generate\" before selecting \"View.\"",
     "Run 'vellix generate' before 'vellix view'."},
    // The option set file.
    {"You should click \"No\" and run the newer VELLIX program\n",
     "You should answer No (or give --no) and run the newer VELLIX program\n"},
    {"Please review or change these settings to suit your needs.",
     "Please review or change these settings to suit your needs. List them with "
     "'vellix options list'; change one with 'vellix options set KEY VALUE'."},
    // Questions of the custom attributes and of the summary listing.
    {"(Click \"No\" if you are unsure.)", "(Answer No if you are unsure.)"},
    {"(Click \"No\" if you are not sure.)", "(Answer No if you are not sure.)"},
    // The GEDCOM file checks of the custom attributes and family references.
    {"Please click the \"Files\" tab and specify a GEDCOM file.",
     "Please name one with 'vellix options set strGedcomFile GEDCOM'."},
    {"or change the destination folder on the \"Files\" tab.",
     "or change the destination folder ('vellix options set strDestFolder DIR')."},
    {"Ensure it is spelled correctly on the \"Files\" tab.",
     "Ensure it is spelled correctly ('vellix options get strGedcomFile')."},
    {"If you intended that every family have a %s, click \"No\" now and use",
     "If you intended that every family have a %s, answer No now and use"},
    // The run's notice that living people are published with their details
    // names the dialog's group; the terminal adds the keys that decide it.
    {"see Features \u203a Privacy Filters",
     "see Features \u203a Privacy Filters in 'vellix options list' (bExcludeLiving, "
     "bLivingDetails)"},
};

// Replaces every occurrence of `from` in `text`; a "%s" in `from` matches
// any text on one line, which `to`'s "%s" receives.
void Replace(std::string* text, std::string_view from, std::string_view to) {
  const size_t hole = from.find("%s");
  const std::string_view head = from.substr(0, hole);
  const std::string_view tail =
      hole == std::string_view::npos ? std::string_view() : from.substr(hole + 2);
  const size_t to_hole = to.find("%s");
  size_t at = 0;
  while ((at = text->find(head, at)) != std::string::npos) {
    std::string replacement;
    size_t end = at + head.size();
    if (hole == std::string_view::npos) {
      replacement = to;
    } else {
      const size_t tail_at = text->find(tail, end);
      const size_t line_end = text->find('\n', end);
      if (tail_at == std::string::npos || tail_at > line_end) {
        at = end;
        continue;
      }
      const std::string middle = text->substr(end, tail_at - end);
      replacement = std::string(to.substr(0, to_hole)) + middle +
                    std::string(to.substr(to_hole + 2));
      end = tail_at + tail.size();
    }
    text->replace(at, end - at, replacement);
    at += replacement.size();
  }
}

}  // namespace

std::string TerminalWording(std::string_view text) {
  std::string out(text);
  for (const Rewording& r : kRewordings) Replace(&out, r.window, r.terminal);
  return out;
}

std::string TerminalMessage(platform::MessageIcon icon, std::string_view text) {
  std::string out = icon == platform::MessageIcon::kStop          ? "vellix: error: "
                    : icon == platform::MessageIcon::kExclamation ? "vellix: warning: "
                                                                  : "vellix: ";
  bool first = true;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const bool blank = line.find_first_not_of(' ') == std::string_view::npos;
    if (!blank) {
      if (!first) out += "  ";
      // Lines of the window texts may start with a blank (" (12 KB)").
      out += first ? line : line.substr(line.find_first_not_of(' '));
      out += '\n';
      first = false;
    }
    start = end + 1;
  }
  if (first) out += '\n';
  return out;
}

std::string CountOf(int64_t count, std::string_view one, std::string_view many) {
  return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

std::string TerminalPhaseText(std::string_view text, const RunStatistics& statistics) {
  const int32_t loners = statistics.lonersSelected;
  const int32_t families = statistics.familiesSelected - loners;
  const std::string window_text = "Generating web pages for " +
                                  std::to_string(statistics.familiesSelected) +
                                  " families...";
  if (text != window_text || loners < 0 || families < 0) return std::string(text);
  std::string pages;
  if (families > 0 || loners == 0) pages = CountOf(families, "family", "families");
  if (loners > 0) {
    if (!pages.empty()) pages += " and ";
    pages += CountOf(loners, "individual", "individuals") + " outside families";
  }
  return "Generating web pages for " + pages + "...";
}

}  // namespace vellix::cli
