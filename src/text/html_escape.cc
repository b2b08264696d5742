#include "text/html_escape.h"

#include <array>
#include <cstdint>
#include <utility>

#include "text/string_ops.h"

namespace vellix::text {
namespace {

using Replacement = std::pair<char, std::string_view>;

// For each byte value, 1 + the index of its entry in a replacement table;
// 0 for a byte the table leaves alone.
using EntryIndex = std::array<uint8_t, 256>;

template <size_t N>
constexpr EntryIndex IndexOf(const Replacement (&table)[N]) {
  EntryIndex index{};
  for (size_t i = 0; i < N; ++i) {
    index[static_cast<unsigned char>(table[i].first)] = static_cast<uint8_t>(i + 1);
  }
  return index;
}

// Appends `text` to `out` with every character that has an entry in `table`
// (indexed by `index`) replaced, in one pass (so nothing is replaced twice);
// multi-byte UTF-8 characters are never touched, as every entry is ASCII.
// Runs of characters without an entry are copied whole.
template <size_t N>
void AppendReplaced(std::string_view text, const Replacement (&table)[N],
                    const EntryIndex& index, std::string* out) {
  size_t run = 0;  // start of the run of plain characters not yet copied
  for (size_t i = 0; i < text.size(); ++i) {
    const uint8_t e = index[static_cast<unsigned char>(text[i])];
    if (e == 0) continue;
    out->append(text.data() + run, i - run);
    *out += table[e - 1].second;
    run = i + 1;
  }
  out->append(text.data() + run, text.size() - run);
}

// `text` with every character of `table` replaced (AppendReplaced); a text
// without any is copied as it stands.
template <size_t N>
std::string ReplaceChars(std::string_view text, const Replacement (&table)[N],
                         const EntryIndex& index) {
  size_t plain = 0;
  while (plain < text.size() && index[static_cast<unsigned char>(text[plain])] == 0) {
    ++plain;
  }
  if (plain == text.size()) return std::string(text);
  std::string out;
  out.reserve(text.size() + text.size() / 8 + 8);
  out.append(text.data(), plain);
  AppendReplaced(text.substr(plain), table, index, &out);
  return out;
}

constexpr Replacement kHtml[] = {
    {'&', "&amp;"}, {'<', "&lt;"}, {'>', "&gt;"}, {'"', "&#34;"}, {'\'', "&#39;"}};
constexpr Replacement kNamedEntities[] = {
    {'&', "&amp;"}, {'"', "&quot;"}, {'<', "&lt;"}, {'>', "&gt;"}};
constexpr Replacement kHref[] = {
    {'&', "%26"}, {'<', "%3C"}, {'>', "%3E"}, {'"', "%22"}, {'\'', "%27"}};
constexpr Replacement kUrlPath[] = {{'<', "%3C"}, {'>', "%3E"}, {' ', "%20"},
                                    {'"', "%22"}, {'&', "%26"}, {'?', "%3F"}};
// kUrlPath, with backslashes as slashes and the apostrophe escaped too.
constexpr Replacement kLinkPath[] = {{'<', "%3C"}, {'>', "%3E"}, {' ', "%20"},
                                     {'"', "%22"}, {'&', "%26"}, {'?', "%3F"},
                                     {'\\', "/"},  {'\'', "%27"}};

constexpr EntryIndex kHtmlIndex = IndexOf(kHtml);
constexpr EntryIndex kNamedEntitiesIndex = IndexOf(kNamedEntities);
constexpr EntryIndex kHrefIndex = IndexOf(kHref);
constexpr EntryIndex kUrlPathIndex = IndexOf(kUrlPath);
constexpr EntryIndex kLinkPathIndex = IndexOf(kLinkPath);

}  // namespace

std::string EscapeHtml(std::string_view text) {
  std::string out = ReplaceChars(text, kHtml, kHtmlIndex);
  // None of the replacements introduces an at-sign, so collapsing the GEDCOM
  // escape afterwards gives the same result as doing it in sequence.
  ReplaceAll(&out, "@@", "@");
  return out;
}

std::string EscapeNamedEntities(std::string_view text) {
  return ReplaceChars(text, kNamedEntities, kNamedEntitiesIndex);
}

namespace {

bool IsAsciiAlnum(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// True when `text` starts with a character reference: "&name;", "&#123;" or
// "&#x1F;" (at most 32 characters between "&" and ";").
bool StartsWithReference(std::string_view text) {
  if (text.size() < 3 || text[0] != '&') return false;
  size_t i = 1;
  bool hex = false;
  if (text[i] == '#') {
    ++i;
    if (i < text.size() && (text[i] == 'x' || text[i] == 'X')) {
      hex = true;
      ++i;
    }
  }
  const size_t start = i;
  while (i < text.size() && i - start < 32 && IsAsciiAlnum(text[i])) {
    if (text[1] == '#' && !hex && !(text[i] >= '0' && text[i] <= '9')) return false;
    ++i;
  }
  return i > start && i < text.size() && text[i] == ';';
}

}  // namespace

std::string EscapeAttribute(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    switch (c) {
      case '"':
        out += "&quot;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '&':
        out += StartsWithReference(text.substr(i)) ? "&" : "&amp;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string EscapeHref(std::string_view text) {
  std::string out = ReplaceChars(text, kHref, kHrefIndex);
  ReplaceAll(&out, "@@", "@");
  return out;
}

std::string EscapeUrlPath(std::string_view text) {
  return ReplaceChars(text, kUrlPath, kUrlPathIndex);
}

void AppendLinkPath(std::string_view path, std::string* out) {
  AppendReplaced(path, kLinkPath, kLinkPathIndex, out);
}

}  // namespace vellix::text
