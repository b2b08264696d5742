// Where the program writes its own files and finds its read-only resources.
#pragma once

#include <string>
#include <string_view>

namespace vellix::platform {

/// The per-user application folder, with a trailing slash, created on first
/// use: $VELLIX_HOME when set, else $XDG_DATA_HOME/vellix, else
/// ~/.local/share/vellix. It receives Options.dat, *.old backups, the log
/// pages and warnings.txt.
std::string ApplicationFolder();

/// The folder of settings.ini, with a trailing slash: $VELLIX_HOME when set,
/// else $XDG_CONFIG_HOME/vellix, else ~/.config/vellix.
std::string ConfigFolder();

/// Full path of a read-only resource (gedcom.ini, multimedia.ini, icons,
/// help): the user's own copy in `app_folder` (the application folder) wins, then the
/// installed resources, then the source tree's resources/ folder (for runs
/// from a build tree). Empty when none exists.
std::string FindResource(std::string_view name, const std::string& app_folder);

/// The product name, version and legal notice (replacing the version resource).
inline constexpr std::string_view kProductName = "VELLIX";
std::string_view ProductVersion();
inline constexpr std::string_view kLegalNotice =
    "Copyright (C) 2026 The VELLIX developers. Free to use for publishing your "
    "own research.";

}  // namespace vellix::platform
