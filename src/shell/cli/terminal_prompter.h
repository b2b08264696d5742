// Message boxes of the command line: text on stderr, questions on the terminal.
#pragma once

#include <optional>

#include "platform/prompter.h"

namespace vellix::cli {

/// Shows messages on stderr. A question is asked on the terminal when
/// stdin is one; `--yes`/`--no` answer every question in advance; otherwise
/// the question takes its default button. Quiet mode drops information
/// messages (errors and questions are still shown).
class TerminalPrompter : public platform::Prompter {
 public:
  TerminalPrompter(std::optional<bool> fixed_answer, bool quiet)
      : fixed_answer_(fixed_answer), quiet_(quiet) {}

  void Show(platform::MessageIcon icon, const std::string& text) override;
  bool Ask(platform::MessageIcon icon, const std::string& text,
           bool default_yes) override;

 private:
  std::optional<bool> fixed_answer_;
  bool quiet_;
};

}  // namespace vellix::cli
