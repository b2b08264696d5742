// `vellix options list`: every setting with its caption, value and choices.
#pragma once

#include <string>

namespace vellix {
class COptions;
}

namespace vellix::cli {

/// Which settings a listing shows.
enum class ListingScope {
  kAll,
  kChanged,  // only those whose value differs from the default
};

/// The settings as text, in the order of the options dialog, under a
/// "# Tab › Group" line per group: "KEY = VALUE" with the caption (and the
/// meanings of numbered choices) as a comment; texts quoted with escapes.
/// With kChanged each line names the default too.
std::string ListingText(COptions& options, ListingScope scope);

/// The settings as a JSON array, one object per line: key, tab, path,
/// caption, type ("switch", "number", "text", "color"), value, default,
/// and the choices as an object from value to meaning when there are any.
std::string ListingJson(COptions& options, ListingScope scope);

}  // namespace vellix::cli
