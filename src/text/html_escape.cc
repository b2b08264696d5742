#include "text/html_escape.h"

#include <utility>

#include "text/string_ops.h"

namespace vellix::text {
namespace {

using Replacement = std::pair<char, std::string_view>;

// `text` with every character that has an entry in `table` replaced, in one
// pass (so nothing is replaced twice); multi-byte UTF-8 characters are never
// touched, as every entry is ASCII. Runs of characters without an entry are
// copied whole.
template <size_t N>
std::string ReplaceChars(std::string_view text, const Replacement (&table)[N]) {
  auto entry = [&table](char c) -> const Replacement* {
    for (const Replacement& r : table) {
      if (c == r.first) return &r;
    }
    return nullptr;
  };
  size_t plain = 0;
  while (plain < text.size() && entry(text[plain]) == nullptr) ++plain;
  if (plain == text.size()) return std::string(text);
  std::string out;
  out.reserve(text.size() + text.size() / 8 + 8);
  out.append(text.data(), plain);
  size_t run = plain;  // start of the run of plain characters not yet copied
  for (size_t i = plain; i < text.size(); ++i) {
    const Replacement* r = entry(text[i]);
    if (r == nullptr) continue;
    out.append(text.data() + run, i - run);
    out += r->second;
    run = i + 1;
  }
  out.append(text.data() + run, text.size() - run);
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

}  // namespace

std::string EscapeHtml(std::string_view text) {
  std::string out = ReplaceChars(text, kHtml);
  // None of the replacements introduces an at-sign, so collapsing the GEDCOM
  // escape afterwards gives the same result as doing it in sequence.
  ReplaceAll(&out, "@@", "@");
  return out;
}

std::string EscapeNamedEntities(std::string_view text) {
  return ReplaceChars(text, kNamedEntities);
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
  std::string out = ReplaceChars(text, kHref);
  ReplaceAll(&out, "@@", "@");
  return out;
}

std::string EscapeUrlPath(std::string_view text) { return ReplaceChars(text, kUrlPath); }

}  // namespace vellix::text
