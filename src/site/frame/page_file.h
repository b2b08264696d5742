// The one place where a page of the site reaches the disk.
#pragma once

#include <string>
#include <string_view>

#include "run/run_environment.h"
#include "run/run_statistics.h"

namespace vellix::site {

/// Writes one assembled page (or other site file) to `path` (stored or
/// native form) with a single write through the environment's file access, and counts it
/// in `statistics` under `group` with its size. The text is written as UTF-8 without a
/// byte-order mark: a leading mark is dropped and bytes that are not UTF-8 become U+FFFD.
/// When the file cannot be written nothing is counted, warning 5 names the file (with
/// `ref`, the family or individual the page belongs to, when there is one) and the result
/// is false; the run goes on.
bool WritePageFile(RunEnvironment& env, RunStatistics& statistics,
                   const std::string& path, std::string_view page, FileGroup group,
                   std::string_view ref = {});

}  // namespace vellix::site
