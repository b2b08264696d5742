// The engine's only way to show a message box or ask the user a question.
#pragma once

#include <string>

namespace vellix::platform {

/// Which icon a message carries; kNone is the plain box without an icon.
enum class MessageIcon { kNone, kStop, kQuestion, kInformation };

/// Shows messages and asks Yes/No questions on the engine's behalf. The CLI
/// writes to stderr and reads answers from the terminal; the window shows
/// message boxes; tests record what was said. Abstract so every subsystem can
/// run headless.
class Prompter {
 public:
  virtual ~Prompter() = default;

  /// Shows `text` (stop, information or plain notice) and returns when the
  /// user has seen it.
  virtual void Show(MessageIcon icon, const std::string& text) = 0;

  /// Asks a Yes/No question. `default_yes` names the default button, which is
  /// the answer when nobody can be asked. Returns true for Yes.
  virtual bool Ask(MessageIcon icon, const std::string& text, bool default_yes) = 0;
};

/// A prompter that shows nothing and always takes the default button.
class SilentPrompter : public Prompter {
 public:
  void Show(MessageIcon, const std::string&) override {}
  bool Ask(MessageIcon, const std::string&, bool default_yes) override {
    return default_yes;
  }
};

}  // namespace vellix::platform
