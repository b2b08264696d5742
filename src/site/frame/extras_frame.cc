#include "site/frame/extras_frame.h"

#include <string>

#include "options/options.h"
#include "text/html_escape.h"

namespace vellix::site {

std::string EscapeSitePath(std::string_view path) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (char c : path) {
    const auto u = static_cast<unsigned char>(c);
    const bool keep = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                      (c >= '0' && c <= '9') || c == '-' || c == '.' || c == '_' ||
                      c == '~' || c == '/';
    if (keep) {
      out += c;
    } else if (c == '\\') {
      out += '/';
    } else {
      out += '%';
      out += kHex[u >> 4];
      out += kHex[u & 15];
    }
  }
  return out;
}

std::string ExtrasHeadLines(const COptions& options, std::string_view page_path) {
  std::string lines;
  if (options.extras.phones) {
    lines +=
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\r\n";
  }
  if (options.extras.search_engines() && !page_path.empty()) {
    lines += "<link rel=\"canonical\" href=\"" +
             text::EscapeAttribute(options.extras.BaseWithSlash() +
                                   EscapeSitePath(page_path)) +
             "\">\r\n";
  }
  return lines;
}

std::string SearchPageName(const COptions& options) {
  return options.m_strFilePrefix + "search" + options.GetPageExtension();
}

std::string SearchBox(const COptions& options) {
  if (!options.extras.search) return {};
  return "<form class=\"vx-search\" action=\"" +
         text::EscapeAttribute(EscapeSitePath(SearchPageName(options))) +
         "\" method=\"get\"><div><input type=\"text\" name=\"q\" size=\"24\" "
         "title=\"Surname, given name, year or place\"> <input type=\"submit\" "
         "value=\"Search\"></div></form>\r\n";
}

std::string DecimalDegrees(std::string_view value, double limit) {
  while (!value.empty() && value.front() == ' ') value.remove_prefix(1);
  while (!value.empty() && value.back() == ' ') value.remove_suffix(1);
  bool negative = false;
  if (!value.empty()) {
    const char hemisphere = value.front();
    if (hemisphere == 'S' || hemisphere == 's' || hemisphere == 'W' ||
        hemisphere == 'w' || hemisphere == '-') {
      negative = true;
      value.remove_prefix(1);
    } else if (hemisphere == 'N' || hemisphere == 'n' || hemisphere == 'E' ||
               hemisphere == 'e' || hemisphere == '+') {
      value.remove_prefix(1);
    }
  }
  // Digits with at most one decimal point, at least one digit before it.
  size_t digits_before = 0, points = 0;
  for (char c : value) {
    if (c == '.') {
      ++points;
    } else if (c >= '0' && c <= '9') {
      if (points == 0) ++digits_before;
    } else {
      return {};
    }
  }
  if (digits_before == 0 || points > 1 || value.back() == '.' || digits_before > 3)
    return {};
  if (std::stod(std::string(value)) > limit) return {};
  return (negative ? "-" : "") + std::string(value);
}

std::string MapLink(const COptions& options, std::string_view latitude,
                    std::string_view longitude) {
  if (!options.extras.maps) return {};
  const std::string lat = DecimalDegrees(latitude, 90);
  const std::string lon = DecimalDegrees(longitude, 180);
  if (lat.empty() || lon.empty()) return {};
  return " <a class=\"vx-map\" href=\"https://www.openstreetmap.org/?mlat=" + lat +
         "&amp;mlon=" + lon + "#map=12/" + lat + "/" + lon + "\" title=\"" + lat + ", " +
         lon + "\">map</a>";
}

std::string PhoneStyleRules(const COptions& options) {
  if (!options.extras.phones) return {};
  // Below 600 px: long lines wrap, tables become one column, pictures and
  // frames shrink to the screen, and the navigation bars wrap between links.
  return "@media screen and (max-width: 600px) {\r\n"
         "  .vx-body { margin: 4px; overflow-wrap: break-word; word-wrap: break-word; "
         "}\r\n"
         "  .vx-body PRE, .vx-body .vx-fam, .vx-body .vx-idx { white-space: pre-wrap; "
         "}\r\n"
         "  .vx-body TABLE, .vx-body TBODY, .vx-body TR, .vx-body TD, .vx-body TH "
         "{ display: block; width: auto !important; max-width: 100%; }\r\n"
         "  .vx-body IMG, .vx-body OBJECT, .vx-body EMBED, .vx-body IFRAME "
         "{ max-width: 100%; height: auto; }\r\n"
         "  .vx-body INPUT[type=text] { max-width: 60%; }\r\n"
         "  .vx-bar, .vx-tbar, .vx-nbar { white-space: normal; line-height: 2; }\r\n"
         "  .vx-bar A, .vx-tbar A, .vx-nbar A { display: inline-block; padding: 2px 4px; "
         "}\r\n"
         "}\r\n";
}

}  // namespace vellix::site
