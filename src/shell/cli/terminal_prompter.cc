#include "shell/cli/terminal_prompter.h"

#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <string>

namespace vellix::cli {
namespace {

const char* Prefix(platform::MessageIcon icon) {
  switch (icon) {
    case platform::MessageIcon::kStop:
      return "vellix: error: ";
    case platform::MessageIcon::kInformation:
      return "vellix: ";
    case platform::MessageIcon::kQuestion:
    case platform::MessageIcon::kNone:
      return "vellix: ";
  }
  return "vellix: ";
}

}  // namespace

void TerminalPrompter::Show(platform::MessageIcon icon, const std::string& text) {
  if (quiet_ && icon == platform::MessageIcon::kInformation) return;
  std::fprintf(stderr, "%s%s\n", Prefix(icon), text.c_str());
}

bool TerminalPrompter::Ask(platform::MessageIcon icon, const std::string& text,
                           bool default_yes) {
  std::fprintf(stderr, "%s%s\n", Prefix(icon), text.c_str());
  if (fixed_answer_) {
    std::fprintf(stderr, "  -> %s\n", *fixed_answer_ ? "Yes" : "No");
    return *fixed_answer_;
  }
  if (!isatty(STDIN_FILENO)) {
    std::fprintf(stderr, "  -> %s (default; use --yes or --no to choose)\n",
                 default_yes ? "Yes" : "No");
    return default_yes;
  }
  for (;;) {
    std::fprintf(stderr, "  [%s/%s] ", default_yes ? "Y" : "y", default_yes ? "n" : "N");
    std::fflush(stderr);
    std::string answer;
    if (!std::getline(std::cin, answer)) return default_yes;
    if (answer.empty()) return default_yes;
    char c = answer[0];
    if (c == 'y' || c == 'Y') return true;
    if (c == 'n' || c == 'N') return false;
  }
}

}  // namespace vellix::cli
