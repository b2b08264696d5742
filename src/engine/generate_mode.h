// The seven ways a generation run can be started.
#pragma once

#include <optional>
#include <string_view>

namespace vellix {

/// Generate modes; the numbers are the ones users and stored settings know.
enum class GenerateMode : int {
  kAll = 0,             // every page
  kCopyMultimedia = 1,  // every page, multimedia copied again
  kSkipMultimedia = 2,  // every page, multimedia left alone
  kFamilies = 3,        // family pages only
  kIndex = 4,           // index and surname pages only
  kSample = 5,          // every page for the first five families
  kBibliography = 6,    // standalone bibliography and repository pages
};

/// The progress title of a mode, e.g. "Generating All Web Pages".
std::string_view ModeTitle(GenerateMode mode);

/// Parses a mode given by number ("0".."6") or by name ("all", "copy-media",
/// "skip-media", "families", "index", "sample", "bibliography").
std::optional<GenerateMode> ParseGenerateMode(std::string_view text);

}  // namespace vellix
