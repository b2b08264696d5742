// Checks a generated site the way a visitor's browser would follow it.
#pragma once

#include <string>
#include <vector>

namespace vellix::testing {

/// What CheckSiteLinks found.
struct SiteReport {
  int pages = 0;                          // .html/.htm files read
  int links = 0;                          // local links followed
  std::vector<std::string> broken;        // "page: href (reason)", one per broken link
  std::vector<std::string> invalid_utf8;  // pages that are not valid UTF-8
};

/// Reads every .html/.htm page under `folder` (recursively) and follows each
/// local href and src: the target file must exist and, when the link has a
/// "#name" part, the target page must hold that anchor (name= or id=).
/// Links to other schemes (http:, https:, mailto:, javascript:, file:) are
/// not followed. Every page must be valid UTF-8.
SiteReport CheckSiteLinks(const std::string& folder);

}  // namespace vellix::testing
