// Replacing a file's content so that it is never seen half written.
#pragma once

#include <string>
#include <string_view>

namespace vellix::platform {

/// Writes `data` to a new temporary file beside `path` and renames it over
/// `path`: a reader sees the old content or the new, never a part of it,
/// and a failed write leaves the old file as it was. A new file gets the
/// usual permissions (0666 less the umask); an existing one keeps its own.
/// False, with "PATH: reason" in `error` (when given), on failure.
bool ReplaceFileContents(const std::string& path, std::string_view data,
                         std::string* error = nullptr);

}  // namespace vellix::platform
