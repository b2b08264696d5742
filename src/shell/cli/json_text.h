// Writing JSON for scripts that read the program's output.
#pragma once

#include <string>
#include <string_view>

namespace vellix::cli {

/// `text` as a JSON string, quotation marks included: quotation mark,
/// backslash, control characters and DEL escaped; bytes that are no well-formed
/// UTF-8 become U+FFFD, so the result is always valid JSON.
std::string JsonString(std::string_view text);

}  // namespace vellix::cli
