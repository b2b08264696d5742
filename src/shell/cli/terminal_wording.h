// The program's messages as the command line says them.
#pragma once

#include <string>
#include <string_view>

#include "platform/prompter.h"
#include "run/run_statistics.h"

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

/// `count` followed by `one` or `many`: "1 family", "3 families".
std::string CountOf(int64_t count, std::string_view one, std::string_view many);

/// A phase text of the run as the terminal shows it. The window counts the
/// individuals outside every family among the families ("Generating web
/// pages for 28289 families..."); the terminal names them apart from
/// `statistics` ("Generating web pages for 28000 families and 289
/// individuals outside families..."). Every other text stays as it is.
std::string TerminalPhaseText(std::string_view text, const RunStatistics& statistics);

}  // namespace vellix::cli
