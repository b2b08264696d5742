// The vellix commands, one file each; main.cc only dispatches.
#pragma once

#include <string>
#include <vector>

namespace vellix::cli {

/// Exit statuses of the program.
inline constexpr int kExitDone = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitCancelled = 130;

/// `vellix generate`: runs a generation run.
int RunGenerateCommand(const std::vector<std::string>& args);

/// `vellix info GEDCOM`: the header facts and record counts of a file.
int RunInfoCommand(const std::vector<std::string>& args);

/// `vellix help [TOPIC]`: the help of the program or of one command; an
/// unknown topic is a usage error.
int RunHelpCommand(const std::vector<std::string>& args);

/// The help text of a topic ("" or "help" for the program, "generate",
/// "info", "view", "options"); empty for an unknown topic.
std::string HelpText(const std::string& topic);

/// The usage text of the whole program, or of one command.
std::string UsageText();
std::string GenerateUsage();
std::string InfoUsage();

}  // namespace vellix::cli
