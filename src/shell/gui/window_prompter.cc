#include "shell/gui/window_prompter.h"

namespace vellix::gui {

BoxIcon BoxIconOf(platform::MessageIcon icon) {
  switch (icon) {
    case platform::MessageIcon::kStop:
      return BoxIcon::kStop;
    case platform::MessageIcon::kQuestion:
      return BoxIcon::kQuestion;
    case platform::MessageIcon::kInformation:
      return BoxIcon::kInformation;
    case platform::MessageIcon::kNone:
      break;
  }
  return BoxIcon::kNone;
}

void WindowPrompter::Show(platform::MessageIcon icon, const std::string& text) {
  desktop_.Show(parent_, BoxIconOf(icon), QString::fromStdString(text));
}

bool WindowPrompter::Ask(platform::MessageIcon icon, const std::string& text,
                         bool default_yes) {
  return desktop_.Ask(parent_, BoxIconOf(icon), QString::fromStdString(text),
                      default_yes);
}

}  // namespace vellix::gui
