// The program's messages as the command line says them.
#pragma once

#include <string>
#include <string_view>

#include "platform/prompter.h"

namespace vellix::cli {

/// `text`, a message written for the desktop window, with each sentence that
/// names a button, a tab or a mouse action replaced by one that names what
/// to type instead ("Click \"View\" to see your results." becomes "Run
/// 'vellix view' to see your results."). Every other sentence stays word for
/// word: users search for them, and the log pages and the window use them.
std::string TerminalWording(std::string_view text);

/// A message as the terminal shows it: "vellix: error: " (stop icon) or
/// "vellix: " before the first line, later lines indented by two blanks,
/// blank lines left out, a line break at the end. The wording is taken as
/// it is; pass it through TerminalWording first.
std::string TerminalMessage(platform::MessageIcon icon, std::string_view text);

}  // namespace vellix::cli
