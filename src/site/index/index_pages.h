// The name index pages: file names, jump tabs, the page-number strip and the
// body of surname groups with their given-name lines.
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

/// File name (without folder) of index page `page`: prefix + "name" + page +
/// extension, e.g. "grpname1.html".
std::string IndexPageFile(const COptions& options, int32_t page);

/// The letter links shown on every index page, each to its letter's anchor.
std::string IndexJumpTabs(const COptions& options,
                          const std::vector<IndexLetter>& letters);

/// The Prior / page numbers / Next strip of page `page` of `pages`: up to
/// five numbers either side, "..." where more pages lie beyond. "" when
/// there is only one page.
std::string IndexNavigationStrip(const COptions& options, int32_t page, int32_t pages);

/// The given-name line of `entry` in `index`'s pages.
std::string IndexLine(const COptions& options, const PageWriter& writer,
                      const IndexEntry& entry);

/// Writes the index pages of the sorted and paginated `index` into the
/// destination folder through `writer` (prepared for the run), stepping
/// ctx.progress once per page. A run without entries still gets page 1, so
/// that every "Index" link of the site resolves. Sets `*cancelled` when the
/// run was cancelled (the open page is still finished and written). Returns
/// true when every page was written.
bool WriteNameIndexPages(RunContext& ctx, const NameIndex& index, PageWriter& writer,
                         bool* cancelled);

}  // namespace vellix::site
