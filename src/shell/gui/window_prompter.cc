#include "shell/gui/window_prompter.h"

#include "shell/gui/gui_thread.h"

namespace vellix::gui {

BoxIcon BoxIconOf(platform::MessageIcon icon) {
  switch (icon) {
    case platform::MessageIcon::kStop:
      return BoxIcon::kStop;
    case platform::MessageIcon::kQuestion:
      return BoxIcon::kQuestion;
    case platform::MessageIcon::kInformation:
      return BoxIcon::kInformation;
    case platform::MessageIcon::kExclamation:
      return BoxIcon::kExclamation;
    case platform::MessageIcon::kNone:
      break;
  }
  return BoxIcon::kNone;
}

WindowPrompter::WindowPrompter(Desktop& desktop, QWidget* parent)
    : desktop_(desktop), parent_(parent) {}

void WindowPrompter::Show(platform::MessageIcon icon, const std::string& text) {
  RunOnThreadOf(&window_thread_, [&] {
    desktop_.Show(parent_, BoxIconOf(icon), QString::fromStdString(text));
  });
}

bool WindowPrompter::Ask(platform::MessageIcon icon, const std::string& text,
                         bool default_yes) {
  bool answer = default_yes;
  RunOnThreadOf(&window_thread_, [&] {
    answer =
        desktop_.Ask(parent_, BoxIconOf(icon), QString::fromStdString(text), default_yes);
  });
  return answer;
}

}  // namespace vellix::gui
