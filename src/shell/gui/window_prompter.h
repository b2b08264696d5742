// The engine's messages and questions as message boxes.
#pragma once

#include "platform/prompter.h"
#include "shell/gui/desktop.h"

namespace vellix::gui {

/// The message box icon for an engine message icon.
BoxIcon BoxIconOf(platform::MessageIcon icon);

/// The prompter the engine talks to in the desktop program: every message
/// and question becomes a message box over `parent` on the window's thread.
/// `desktop` must outlive it.
class WindowPrompter : public platform::Prompter {
 public:
  explicit WindowPrompter(Desktop& desktop, QWidget* parent = nullptr)
      : desktop_(desktop), parent_(parent) {}

  void set_parent(QWidget* parent) { parent_ = parent; }

  void Show(platform::MessageIcon icon, const std::string& text) override;
  bool Ask(platform::MessageIcon icon, const std::string& text,
           bool default_yes) override;

 private:
  Desktop& desktop_;
  QWidget* parent_;
};

}  // namespace vellix::gui
