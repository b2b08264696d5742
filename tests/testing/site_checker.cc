#include "testing/site_checker.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace vellix::testing {
namespace {

namespace fs = std::filesystem;

std::string Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream data;
  data << in.rdbuf();
  return data.str();
}

bool ValidUtf8(const std::string& s) {
  size_t i = 0;
  while (i < s.size()) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    size_t n = c < 0x80         ? 1
               : (c >> 5) == 6  ? 2
               : (c >> 4) == 14 ? 3
               : (c >> 3) == 30 ? 4
                                : 0;
    if (n == 0 || i + n > s.size()) return false;
    for (size_t k = 1; k < n; ++k) {
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    }
    i += n;
  }
  return true;
}

std::string Lower(std::string s) {
  for (char& c : s) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  }
  return s;
}

// The values of attribute `name` (href, src, name, id) of the tags in
// `html`; text outside tags (such as HTML shown as "&lt;a href=...&gt;") and
// comments are not looked at.
std::vector<std::string> AttributeValues(const std::string& html,
                                         const std::string& name) {
  std::vector<std::string> values;
  const std::string key = name + "=";
  size_t open = 0;
  while ((open = html.find('<', open)) != std::string::npos) {
    if (html.compare(open, 4, "<!--") == 0) {
      size_t end = html.find("-->", open);
      if (end == std::string::npos) break;
      open = end + 3;
      continue;
    }
    // The tag ends at the first '>' outside quotes.
    size_t close = open + 1;
    char quote = 0;
    for (; close < html.size(); ++close) {
      char c = html[close];
      if (quote) {
        if (c == quote) quote = 0;
      } else if (c == '"' || c == '\'') {
        quote = c;
      } else if (c == '>') {
        break;
      }
    }
    const std::string tag = html.substr(open, close - open);
    const std::string lower = Lower(tag);
    size_t pos = 0;
    while ((pos = lower.find(key, pos)) != std::string::npos) {
      bool boundary = pos > 0 && (lower[pos - 1] == ' ' || lower[pos - 1] == '\t' ||
                                  lower[pos - 1] == '\n' || lower[pos - 1] == '\r');
      pos += key.size();
      if (!boundary || pos >= tag.size()) continue;
      char q = tag[pos];
      size_t end;
      if (q == '"' || q == '\'') {
        end = tag.find(q, pos + 1);
        if (end == std::string::npos) break;
        values.push_back(tag.substr(pos + 1, end - pos - 1));
      } else {
        end = tag.find_first_of(" \t\r\n", pos);
        if (end == std::string::npos) end = tag.size();
        values.push_back(tag.substr(pos, end - pos));
      }
      pos = end;
    }
    open = close;
  }
  return values;
}

// An attribute value as the browser reads it: character references
// decoded (the named ones pages use, and decimal ones).
std::string DecodeEntities(const std::string& value) {
  static const std::pair<const char*, char> kNamed[] = {
      {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}};
  std::string out;
  for (size_t i = 0; i < value.size(); ++i) {
    bool replaced = false;
    if (value[i] == '&') {
      for (const auto& [entity, c] : kNamed) {
        if (value.compare(i, std::strlen(entity), entity) == 0) {
          out += c;
          i += std::strlen(entity) - 1;
          replaced = true;
          break;
        }
      }
      if (!replaced && i + 2 < value.size() && value[i + 1] == '#') {
        size_t end = value.find(';', i);
        if (end != std::string::npos && end > i + 2) {
          out += static_cast<char>(std::stoi(value.substr(i + 2, end - i - 2)));
          i = end;
          replaced = true;
        }
      }
    }
    if (!replaced) out += value[i];
  }
  return out;
}

// A link address as the browser follows it: entities, then %XX escapes.
std::string UnescapeHref(const std::string& raw) {
  const std::string href = DecodeEntities(raw);
  std::string out;
  for (size_t i = 0; i < href.size(); ++i) {
    if (href[i] == '%' && i + 2 < href.size() && isxdigit(href[i + 1]) &&
        isxdigit(href[i + 2])) {
      out += static_cast<char>(std::stoi(href.substr(i + 1, 2), nullptr, 16));
      i += 2;
    } else {
      out += href[i];
    }
  }
  return out;
}

bool IsExternal(const std::string& href) {
  const std::string lower = Lower(href);
  for (const char* scheme :
       {"http:", "https:", "mailto:", "javascript:", "file:", "ftp:"}) {
    if (lower.rfind(scheme, 0) == 0) return true;
  }
  return false;
}

}  // namespace

SiteReport CheckSiteLinks(const std::string& folder) {
  SiteReport report;
  std::map<std::string, std::string> pages;  // canonical path -> content
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    std::string ext = Lower(entry.path().extension().string());
    if (ext != ".html" && ext != ".htm") continue;
    pages[fs::weakly_canonical(entry.path()).string()] = Slurp(entry.path());
  }
  std::map<std::string, std::set<std::string>> anchors;
  auto anchors_of = [&](const std::string& page) -> const std::set<std::string>& {
    auto it = anchors.find(page);
    if (it != anchors.end()) return it->second;
    std::set<std::string>& set = anchors[page];
    auto content = pages.find(page);
    if (content != pages.end()) {
      for (const char* attr : {"name", "id"}) {
        for (const std::string& v : AttributeValues(content->second, attr)) {
          set.insert(DecodeEntities(v));
        }
      }
    }
    return set;
  };

  for (const auto& [path, html] : pages) {
    ++report.pages;
    if (!ValidUtf8(html)) report.invalid_utf8.push_back(path);
    const fs::path dir = fs::path(path).parent_path();
    for (const char* attr : {"href", "src"}) {
      for (const std::string& raw : AttributeValues(html, attr)) {
        if (raw.empty() || IsExternal(raw)) continue;
        std::string href = UnescapeHref(raw);
        std::string file = href, fragment;
        size_t hash = href.find('#');
        if (hash != std::string::npos) {
          file = href.substr(0, hash);
          fragment = href.substr(hash + 1);
        }
        ++report.links;
        std::string target =
            file.empty() ? path : fs::weakly_canonical(dir / file).string();
        if (!file.empty() && !fs::exists(target)) {
          report.broken.push_back(path + ": " + raw + " (no such file)");
          continue;
        }
        if (!fragment.empty() && anchors_of(target).count(fragment) == 0) {
          report.broken.push_back(path + ": " + raw + " (no such anchor)");
        }
      }
    }
  }
  return report;
}

}  // namespace vellix::testing
