#include "text/text_tidy.h"

#include <utility>

#include "text/html_escape.h"
#include "text/string_ops.h"

namespace vellix::text {

std::string SpaceAfterCommas(std::string_view text) {
  bool tight = false;  // a comma followed by something else than a blank
  for (size_t at = text.find(','); at != std::string_view::npos && !tight;
       at = text.find(',', at + 1)) {
    tight = at + 1 < text.size() && text[at + 1] != ' ';
  }
  if (!tight) return EscapeHtml(text);
  std::string spaced;
  spaced.reserve(text.size() + 8);
  for (size_t i = 0; i < text.size(); ++i) {
    spaced += text[i];
    if (text[i] == ',' && i + 1 < text.size() && text[i + 1] != ' ') spaced += ' ';
  }
  return EscapeHtml(spaced);
}

namespace {

// The first place at or after `from` where `search` stands in `text`, ASCII
// letter case ignored; npos when nowhere. Builds no upper-cased copies.
size_t FindNoCase(std::string_view text, std::string_view search, size_t from) {
  const size_t n = search.size();
  const char first_upper = AsciiUpperChar(search[0]);
  for (size_t at = from; at + n <= text.size(); ++at) {
    if (AsciiUpperChar(text[at]) != first_upper) continue;
    size_t k = 1;
    while (k < n && AsciiUpperChar(text[at + k]) == AsciiUpperChar(search[k])) ++k;
    if (k == n) return at;
  }
  return std::string_view::npos;
}

}  // namespace

bool ReplaceNoCase(std::string* text, std::string_view search,
                   std::string_view replacement) {
  if (search.empty()) return false;
  size_t pos = FindNoCase(*text, search, 0);
  if (pos == std::string::npos) return false;
  std::string out;
  out.reserve(text->size());
  size_t start = 0;
  while (pos != std::string::npos) {
    out.append(*text, start, pos - start);
    out.append(replacement);
    start = pos + search.size();
    pos = FindNoCase(*text, search, start);
  }
  out.append(*text, start, std::string::npos);
  text->swap(out);
  return true;
}

std::string StripFormatTags(std::string_view text) {
  static constexpr std::string_view kTags[] = {"<i>", "</i>", "<b>",  "</b>",
                                               "<u>", "</u>", "<sc>", "</sc>"};
  std::string out(text);
  for (std::string_view tag : kTags) {
    // Removing a tag can join the pieces of another copy ("<<i>i>"), so
    // repeat until none is left; each pass shortens the text.
    while (ReplaceNoCase(&out, tag, "")) {
    }
  }
  return out;
}

std::string CleanTemplateText(std::string_view text) {
  size_t first = text.find_first_not_of(", .;");
  std::string out(first == std::string_view::npos ? std::string_view()
                                                  : text.substr(first));
  ReplaceAll(&out, "[]", "");
  for (int pass = 0; pass < 101 && ReplaceAll(&out, "  ", " ") > 0; ++pass) {
  }
  static constexpr std::pair<std::string_view, std::string_view> kTidy[] = {
      {" .", "."},   {" ,", ","},   {" ;", ";"}, {" :", ":"},     {" )", ")"},
      {"..", "."},   {",,", ","},   {";;", ";"}, {",\",", ",\""}, {"\",\"", ""},
      {"\".\"", ""}, {"\";\"", ""}, {",.", "."}, {".;", "."},     {",;", ";"},
      {";.", "."},   {":.", "."}};
  for (const auto& [from, to] : kTidy) ReplaceAll(&out, from, to);
  ReplaceAll(&out, "<sc>", "<tt>");
  ReplaceAll(&out, "</sc>", "</tt>");
  return out;
}

std::string JoinLines(const std::vector<std::string>& lines, bool use_newlines) {
  std::string out;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) out += use_newlines ? '\n' : ' ';
    out += lines[i];
  }
  return out;
}

}  // namespace vellix::text
