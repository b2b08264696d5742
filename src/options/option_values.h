// Which texts the settings that name files or colours may hold.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "options/options.h"

namespace vellix::options {

/// What kind of text a setting holds, as far as its safety goes.
enum class ValueRule {
  kAnyText,              // labels, HTML blocks, paths the run only reads
  kFileNamePart,         // part of the name of files written in the destination
  kFileInDestination,    // a file written below the destination folder
  kFolderInDestination,  // a folder written below the destination folder
  kColor,                // a colour of the style sheet
};

/// The rule of the setting whose key (member name without "m_") is `key`.
ValueRule RuleOf(std::string_view key);

/// Why `value` cannot be stored under a setting with `rule`, as a phrase
/// that follows the quoted value ("leaves the destination folder ..."), or
/// nothing when it can. File names may not leave the destination folder (no
/// separator in a name part; no drive, leading separator or ".." in a path;
/// no control character); colours are "#rrggbb", an HTML colour name, or
/// empty.
std::optional<std::string> ValueProblem(ValueRule rule, std::string_view value);

/// The text stored for a colour typed as `value`: a Windows colour number
/// (0 to 16777215, red in the lowest byte) becomes "#rrggbb"; anything else
/// is kept as typed.
std::string NormalizedColor(std::string_view value);

/// A stored setting whose value breaks its rule.
struct UnsafeSetting {
  std::string key;      // "strFilePrefix"
  std::string caption;  // "File Prefix"
  std::string value;
  std::string problem;  // ValueProblem's phrase
};

/// The first setting of `options` whose stored value breaks its rule and
/// matters to a run (the alternate surname file only when it is switched
/// on), or nothing.
std::optional<UnsafeSetting> FindUnsafeSetting(const COptions& options);

}  // namespace vellix::options
