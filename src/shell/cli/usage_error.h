// How the command line reports a mistake: one error line and one hint.
#pragma once

#include <string_view>

namespace vellix::cli {

/// Writes "vellix: error: MESSAGE" and the hint "Try 'vellix help TOPIC'."
/// ("Try 'vellix help'." for an empty topic) to stderr, never the whole
/// help. Returns the exit status of a bad command line.
int UsageError(std::string_view topic, std::string_view message);

/// Writes "vellix: error: MESSAGE" to stderr.
void PrintError(std::string_view message);

}  // namespace vellix::cli
