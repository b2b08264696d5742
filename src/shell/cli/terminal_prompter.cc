#include "shell/cli/terminal_prompter.h"

#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <string>

#include "shell/cli/terminal_wording.h"

namespace vellix::cli {
namespace {

void Print(platform::MessageIcon icon, const std::string& text) {
  std::fputs(TerminalMessage(icon, TerminalWording(text)).c_str(), stderr);
}

}  // namespace

void TerminalPrompter::Show(platform::MessageIcon icon, const std::string& text) {
  if (quiet_ && icon == platform::MessageIcon::kInformation) return;
  Print(icon, text);
}

bool TerminalPrompter::Ask(platform::MessageIcon icon, const std::string& text,
                           bool default_yes) {
  const bool on_terminal = !fixed_answer_ && isatty(STDIN_FILENO);
  if (!on_terminal) {
    const bool answer = fixed_answer_ ? *fixed_answer_ : default_yes;
    if (quiet_) return answer;
    Print(icon, text);
    if (fixed_answer_) {
      std::fprintf(stderr, "  -> %s\n", answer ? "Yes" : "No");
    } else {
      std::fprintf(stderr, "  -> %s (the default; answer with --yes or --no)\n",
                   answer ? "Yes" : "No");
    }
    return answer;
  }
  Print(icon, text);
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
