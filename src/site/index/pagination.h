// How the sorted name index is cut into surname groups and index pages.
#pragma once

#include <cstdint>
#include <vector>

#include "site/index/index_entry.h"

namespace vellix::site {

/// The surname groups of `entries` (sorted in index mode): a group holds the
/// consecutive entries whose surname (the name before its first comma)
/// matches without regard to letter case. Chunks are left empty.
std::vector<SurnameGroup> GroupBySurname(const std::vector<IndexEntry>& entries);

/// Spreads `groups` over index pages of `per_page` entries (values below 1
/// count as 1), filling their chunks and new-letter flags, and returns the
/// letter list (each letter with the page its first group starts on).
/// `*page_count` receives the number of pages (0 without groups).
///
/// A group fits the page when it leaves the page at most per_page / 6 over;
/// otherwise it fills the page and continues on the next ones, unless fewer
/// than five places are left on a page that already holds entries: then the
/// group starts on a new page. An empty page always takes entries, so no
/// page is ever left empty (with fewer than five individuals per page the
/// first group would otherwise skip page 1).
std::vector<IndexLetter> Paginate(std::vector<SurnameGroup>* groups, int32_t per_page,
                                  int32_t* page_count);

}  // namespace vellix::site
