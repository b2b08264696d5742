// The one place where a page of the site reaches the disk.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "run/run_environment.h"
#include "run/run_statistics.h"

namespace vellix::site {

/// Writes one assembled page (or other site file) to `path` (stored or
/// native form) with a single write through the environment's file access, counts it
/// in `statistics` under `group` with its size (and as unchanged when the file already
/// held the same bytes and was left alone) and records it as a file of the site. The
/// text is written as UTF-8 without a byte-order mark: a leading mark is dropped and
/// bytes that are not UTF-8 become U+FFFD. When the file cannot be written nothing is
/// counted, warning 5 names the file (with `ref`, the family or individual the page
/// belongs to, when there is one) and the result is false; the run goes on.
bool WritePageFile(RunEnvironment& env, RunStatistics& statistics,
                   const std::string& path, std::string_view page, FileGroup group,
                   std::string_view ref = {});

/// The bytes a site file stores for `page`: without a leading byte-order
/// mark, and made valid UTF-8 in `*cleaned` when it is not.
std::string_view SiteFileText(std::string_view page, std::string* cleaned);

/// What follows the write of `size` bytes to `native` with `result`: the
/// counts, or warning 5 (and false) when it failed.
bool CountPageWrite(RunEnvironment& env, RunStatistics& statistics,
                    const std::string& native, platform::WriteResult result, size_t size,
                    FileGroup group, std::string_view ref);

}  // namespace vellix::site
