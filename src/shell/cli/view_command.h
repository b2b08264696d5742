// `vellix view`: shows the summary log page of the last run.
#pragma once

#include <string>
#include <vector>

namespace vellix::cli {

/// Runs `vellix view` with the words after it. Opens "vx-summary.html" of
/// the application folder in the browser with xdg-open when a display exists
/// ($DISPLAY or $WAYLAND_DISPLAY), else (and with --print) prints its path.
/// Returns 0 when shown or printed; 1 with "There are no results to view!"
/// when no run has written the page yet, or when the browser could not be
/// started (the path is printed then); 2 on bad usage.
int RunViewCommand(const std::vector<std::string>& args);

/// The usage text of `vellix view`.
std::string ViewUsage();

}  // namespace vellix::cli
