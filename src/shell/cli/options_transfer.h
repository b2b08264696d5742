// `vellix options export FILE` and `vellix options import FILE`.
#pragma once

#include <string>

namespace vellix {
class CurrentOptionSet;
}

namespace vellix::cli {

/// Writes the whole option set as commented INI text to `file` ("-":
/// stdout), replacing the file only once the text is complete. Returns the
/// exit status: 0, 1 when the file could not be written, 2 when `file` is a
/// folder.
int ExportOptions(CurrentOptionSet& option_set, const std::string& file);

/// Reads INI text from `file` ("-": stdin) into the option set and saves it
/// (after the usual .old backup). Nothing changes when any line is wrong;
/// each problem is reported as "FILE:LINE: ...". Returns the exit status:
/// 0, 1 when the option set file could not be saved, 2 for an unreadable
/// file or wrong text.
int ImportOptions(CurrentOptionSet& option_set, const std::string& file);

}  // namespace vellix::cli
