// Showing a page the program wrote in the user's browser.
#pragma once

#include <string>

namespace vellix::cli {

/// True when a graphical display is there ($DISPLAY or $WAYLAND_DISPLAY).
bool HasDisplay();

/// Opens `path` with xdg-open, working in `folder`; true when xdg-open ran
/// and reported success.
bool OpenDocument(const std::string& path, const std::string& folder);

}  // namespace vellix::cli
