// `vellix options`: show, change and switch the current option set.
#pragma once

#include <string>
#include <vector>

namespace vellix::cli {

/// Runs `vellix options` with the words after it: path, list, get KEY,
/// set KEY VALUE, reset, use FILE, new FILE, help (and --yes/--no to answer
/// questions in advance). Returns 0 on success, 1 when the option set file
/// could not be written, 2 on bad usage, an unknown key, a bad value or an
/// option set file that does not load.
int RunOptionsCommand(const std::vector<std::string>& args);

/// The usage text of `vellix options`.
std::string OptionsUsage();

}  // namespace vellix::cli
