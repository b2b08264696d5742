// sitemap.xml and robots.txt: what a search engine needs to crawl the site.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "model/run_context.h"

namespace vellix::site::extras {

/// The most addresses one sitemap file may hold; larger sites get several
/// files and a sitemap index.
inline constexpr size_t kSitemapLimit = 50000;

/// One file of a sitemap: its name in the destination folder and its text.
struct SitemapFile {
  std::string name;
  std::string text;
};

/// The address of every page among `site_files` (native paths) that lies
/// inside `dest_folder`: `base` (ending in "/") followed by the path below
/// the folder, each byte outside the unreserved set percent-escaped. Pages
/// are the files whose name ends in `page_extension` (".htm"); the order
/// is kept and duplicates are dropped.
std::vector<std::string> PageAddresses(std::string_view base,
                                       std::string_view dest_folder,
                                       const std::vector<std::string>& site_files,
                                       std::string_view page_extension);

/// The sitemap files for `addresses`: one "sitemap.xml" when they fit into
/// `limit`, else "sitemap-1.xml", "sitemap-2.xml", ... of at most `limit`
/// addresses each and "sitemap.xml" as their index (addresses under `base`).
std::vector<SitemapFile> BuildSitemaps(std::string_view base,
                                       const std::vector<std::string>& addresses,
                                       size_t limit = kSitemapLimit);

/// robots.txt: every crawler may read every page, and where the sitemap is.
std::string RobotsText(std::string_view base);

/// Writes the sitemap files and robots.txt of this run's pages into the
/// destination folder (when the option set names a base address).
void WriteSearchEngineFiles(RunContext& ctx);

}  // namespace vellix::site::extras
