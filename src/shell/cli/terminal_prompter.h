// Message boxes of the command line: text on stderr, questions on the terminal.
#pragma once

#include <optional>

#include "platform/prompter.h"

namespace vellix::cli {

/// How much the prompter says.
enum class Verbosity {
  kNormal,
  kQuiet,  // no information messages, no questions answered without the user
};

/// Shows messages on stderr in the terminal's wording (TerminalWording). A
/// question is asked on the terminal when stdin is one; `--yes`/`--no`
/// answer every question in advance; otherwise the question takes its
/// default button. Quiet mode drops information messages and questions that
/// are answered without the user; errors and questions asked on the
/// terminal are still shown.
class TerminalPrompter : public platform::Prompter {
 public:
  TerminalPrompter(std::optional<bool> fixed_answer, Verbosity verbosity)
      : fixed_answer_(fixed_answer), quiet_(verbosity == Verbosity::kQuiet) {}

  void Show(platform::MessageIcon icon, const std::string& text) override;
  bool Ask(platform::MessageIcon icon, const std::string& text,
           bool default_yes) override;

 private:
  std::optional<bool> fixed_answer_;
  bool quiet_;
};

}  // namespace vellix::cli
