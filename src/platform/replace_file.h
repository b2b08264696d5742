// Replacing a file's content so that it is never seen half written.
#pragma once

#include <string>
#include <string_view>

#include "platform/disk_writer.h"

namespace vellix::platform {

/// Writes `data` to a new temporary file beside `path`, flushes it to the
/// device and renames it over `path`, then flushes the folder: a reader sees
/// the old content or the new, never a part of it, and a failed write (a
/// full disk, a failing flush) leaves the old file as it was and no
/// temporary file behind. A symbolic link keeps pointing where it did: the
/// file it names is replaced. A new file gets the usual permissions (0666
/// less the umask); an existing one keeps its own. False, with "PATH:
/// reason" in `error` (when given), on failure. `writer` puts the bytes on
/// the disk (tests pass one that fails).
bool ReplaceFileContents(const std::string& path, std::string_view data,
                         std::string* error = nullptr,
                         DiskWriter& writer = DiskWriter::System());

}  // namespace vellix::platform
