// What the opt-in extras add to the frame every page shares: head lines for
// phones and search engines, the search box, the narrow-screen style rules.
// With every extra off each of these is empty, so pages stay as they were.
#pragma once

#include <string>
#include <string_view>

namespace vellix {
class COptions;
}

namespace vellix::site {

/// A path below the site as it stands in an address: "/" between folders,
/// every byte outside the unreserved set percent-escaped.
std::string EscapeSitePath(std::string_view path);

/// The head lines of a page at `page_path` (below the destination folder,
/// "/" between folders): the viewport tag (phones) and the canonical link
/// (base address set).
std::string ExtrasHeadLines(const COptions& options, std::string_view page_path);

/// The search page's file name: prefix + "search" + page extension.
std::string SearchPageName(const COptions& options);

/// The search box of the surname start page and the index pages (search on):
/// a form that sends the query to the search page, which reads it.
std::string SearchBox(const COptions& options);

/// A coordinate of a MAP line ("N50.9", "W1.8", "-1.8") as signed decimal
/// degrees; empty when it is no number or lies beyond `limit` degrees.
std::string DecimalDegrees(std::string_view value, double limit);

/// The small map link put beside a place whose MAP line gives `latitude`
/// and `longitude` (maps on, both coordinates valid; else empty).
std::string MapLink(const COptions& options, std::string_view latitude,
                    std::string_view longitude);

/// The narrow-screen rules appended to the style sheet (phones on).
std::string PhoneStyleRules(const COptions& options);

}  // namespace vellix::site
