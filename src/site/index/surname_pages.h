// The surname pages: every surname of the run under its letter, linked to
// the index page and anchor where its group begins, split over partitions.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "site/index/index_entry.h"

namespace vellix {
class COptions;
struct RunContext;
}  // namespace vellix

namespace vellix::site {

class NameIndex;
class PageWriter;

/// How the letters are split over the surname pages.
struct SurnamePartition {
  std::string label;  // "A-I", or one letter alone
  int32_t letters = 0;
  friend bool operator==(const SurnamePartition&, const SurnamePartition&) = default;
};

/// Splits `letters` into `partitions` consecutive runs (values below 1
/// count as 1; never more runs than letters); the first runs take one
/// letter more when the letters do not divide evenly. No letters give one
/// empty partition, so the site still has its first surname page.
std::vector<SurnamePartition> PartitionLetters(const std::vector<std::string>& letters,
                                               int32_t partitions);

/// The distinct initial letters of `groups`, in group order.
std::vector<std::string> SurnameLetters(const std::vector<SurnameGroup>& groups);

/// File name of surname page `k` (1-based): the alternate file name for the
/// first page when chosen, else prefix + "main" + extension; prefix + "main"
/// + k + extension after the first.
std::string SurnamePageFile(const COptions& options, int32_t k);

/// The link of a surname to the index page and anchor where its group
/// begins, with its text: "<a href=...>Shown&nbsp;Name</a>".
std::string SurnameLink(const COptions& options, const SurnameGroup& group);

/// The paragraph of the most common surnames (groups by count, largest
/// first, equal counts alphabetically), without the unknown surname.
std::string MostCommonSurnames(const COptions& options,
                               const std::vector<SurnameGroup>& groups);

/// Writes the surname pages of the paginated `index` through `writer`
/// (prepared for the run). Stops before the next partition when the run is
/// cancelled. Returns true when at least one page was written; `*all`
/// (when given) tells whether every page was.
bool WriteSurnamePages(RunContext& ctx, const NameIndex& index, PageWriter& writer,
                       bool* all = nullptr);

}  // namespace vellix::site
