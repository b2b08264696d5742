#include "site/extras/sitemap.h"

#include <unordered_set>

#include "options/options.h"
#include "platform/file_system.h"
#include "site/frame/extras_frame.h"
#include "site/frame/page_file.h"
#include "text/html_escape.h"

namespace vellix::site::extras {
namespace {

constexpr std::string_view kXmlHead = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
constexpr std::string_view kSitemapNs = "http://www.sitemaps.org/schemas/sitemap/0.9";

bool EndsWithNoCase(std::string_view text, std::string_view tail) {
  if (tail.empty() || text.size() < tail.size()) return false;
  for (size_t i = 0; i < tail.size(); ++i) {
    char a = text[text.size() - tail.size() + i];
    char b = tail[i];
    if (a >= 'A' && a <= 'Z') a = static_cast<char>(a - 'A' + 'a');
    if (b >= 'A' && b <= 'Z') b = static_cast<char>(b - 'A' + 'a');
    if (a != b) return false;
  }
  return true;
}

std::string UrlSet(const std::vector<std::string>& addresses, size_t from, size_t to) {
  std::string text(kXmlHead);
  text += "<urlset xmlns=\"" + std::string(kSitemapNs) + "\">\n";
  for (size_t i = from; i < to; ++i) {
    text += "<url><loc>" + text::EscapeHtml(addresses[i]) + "</loc></url>\n";
  }
  return text + "</urlset>\n";
}

}  // namespace

std::vector<std::string> PageAddresses(std::string_view base,
                                       std::string_view dest_folder,
                                       const std::vector<std::string>& site_files,
                                       std::string_view page_extension) {
  std::string folder(dest_folder);
  if (!folder.empty() && folder.back() != '/') folder += '/';
  std::vector<std::string> addresses;
  std::unordered_set<std::string> seen;
  for (const std::string& file : site_files) {
    if (!file.starts_with(folder) || !EndsWithNoCase(file, page_extension)) continue;
    std::string address = std::string(base) + EscapeSitePath(file.substr(folder.size()));
    if (seen.insert(address).second) addresses.push_back(std::move(address));
  }
  return addresses;
}

std::vector<SitemapFile> BuildSitemaps(std::string_view base,
                                       const std::vector<std::string>& addresses,
                                       size_t limit) {
  if (limit == 0) limit = kSitemapLimit;
  if (addresses.size() <= limit) {
    return {{"sitemap.xml", UrlSet(addresses, 0, addresses.size())}};
  }
  std::vector<SitemapFile> files;
  std::string index(kXmlHead);
  index += "<sitemapindex xmlns=\"" + std::string(kSitemapNs) + "\">\n";
  for (size_t from = 0, n = 1; from < addresses.size(); from += limit, ++n) {
    const size_t to = std::min(addresses.size(), from + limit);
    const std::string name = "sitemap-" + std::to_string(n) + ".xml";
    files.push_back({name, UrlSet(addresses, from, to)});
    index += "<sitemap><loc>" + text::EscapeHtml(std::string(base) + name) +
             "</loc></sitemap>\n";
  }
  index += "</sitemapindex>\n";
  files.insert(files.begin(), {"sitemap.xml", std::move(index)});
  return files;
}

std::string RobotsText(std::string_view base) {
  return "User-agent: *\nAllow: /\n\nSitemap: " + std::string(base) + "sitemap.xml\n";
}

void WriteSearchEngineFiles(RunContext& ctx) {
  const COptions& options = ctx.options;
  if (!options.extras.search_engines()) return;
  const std::string base = options.extras.BaseWithSlash();
  const std::string dest = platform::NativePath(options.m_strDestFolder);
  const std::vector<std::string> addresses =
      PageAddresses(base, dest, ctx.statistics.siteFiles, options.GetPageExtension());
  std::string folder = dest;
  if (!folder.empty() && folder.back() != '/') folder += '/';
  for (const SitemapFile& file : BuildSitemaps(base, addresses)) {
    WritePageFile(ctx.env, ctx.statistics, folder + file.name, file.text,
                  FileGroup::kOther);
  }
  WritePageFile(ctx.env, ctx.statistics, folder + "robots.txt", RobotsText(base),
                FileGroup::kOther);
}

}  // namespace vellix::site::extras
