#include "site/index/index_text.h"

#include "text/charset.h"
#include "text/html_escape.h"

namespace vellix::site {
namespace {

using namespace std::string_view_literals;

// Base letters of U+00C0..U+017F, lower case; '\0' where the character is
// not a letter (the multiplication and division signs).
constexpr std::string_view kLatinBase =
    "aaaaaaaceeeeiiii"
    "dnooooo\0ouuuuyts"
    "aaaaaaaceeeeiiii"
    "dnooooo\0ouuuuyty"
    "aaaaaaccccccccdd"
    "ddeeeeeeeeeegggg"
    "gggghhhhiiiiiiii"
    "iiiijjkkklllllll"
    "lllnnnnnnnnnoooo"
    "oooorrrrrrssssss"
    "ssttttttuuuuuuuu"
    "uuuuwwyyyzzzzzzs"sv;
static_assert(kLatinBase.size() == 0x180 - 0xC0);

// The code point of the two-byte UTF-8 character at text[pos], or 0.
char32_t TwoByteCodePoint(std::string_view text, size_t pos, size_t length) {
  if (length != 2) return 0;
  const auto b0 = static_cast<unsigned char>(text[pos]);
  const auto b1 = static_cast<unsigned char>(text[pos + 1]);
  return (static_cast<char32_t>(b0 & 0x1F) << 6) | (b1 & 0x3F);
}

// The base letter of the character at text[pos] of `length` bytes, or '\0'.
char LatinBaseOf(std::string_view text, size_t pos, size_t length) {
  const char32_t cp = TwoByteCodePoint(text, pos, length);
  if (cp < 0xC0 || cp >= 0x180) return '\0';
  return kLatinBase[cp - 0xC0];
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }
char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

std::string Fold(std::string_view text, bool base_letters) {
  std::string out;
  out.reserve(text.size());
  size_t pos = 0;
  while (pos < text.size()) {
    const auto c = static_cast<unsigned char>(text[pos]);
    if (c < 0x80) {
      out += AsciiLower(static_cast<char>(c));
      ++pos;
      continue;
    }
    const size_t length = charset::Utf8CharLength(text, pos);
    const char base = base_letters ? LatinBaseOf(text, pos, length) : '\0';
    if (base != '\0') {
      out += base;
    } else {
      out += charset::ToUpperUtf8(text.substr(pos, length));
    }
    pos += length;
  }
  return out;
}

}  // namespace

std::string CaseKey(std::string_view text) { return Fold(text, false); }

std::string BaseKey(std::string_view text) { return Fold(text, true); }

std::string_view SurnameKeyOf(std::string_view name) {
  const size_t comma = name.find(',');
  return comma == std::string_view::npos ? name : name.substr(0, comma);
}

std::string IndexSortKey(std::string_view name, std::string_view lifespan) {
  const std::string_view surname = SurnameKeyOf(name);
  std::string rest(name.substr(surname.size()));
  rest.append(lifespan);
  // '\x01' ends each part, so a shorter surname sorts before a longer one
  // that begins with it ("Smith" before "Smithson" and "Smith Jones").
  std::string key = BaseKey(surname);
  key += '\x01';
  key += CaseKey(surname);
  key += '\x01';
  key += BaseKey(rest);
  key += '\x01';
  key += CaseKey(rest);
  return key;
}

std::string IndexLetterOf(std::string_view surname) {
  if (surname.empty()) return "?";
  const auto c = static_cast<unsigned char>(surname[0]);
  if (c < 0x80) return std::string(1, AsciiUpper(static_cast<char>(c)));
  const size_t length = charset::Utf8CharLength(surname, 0);
  const char base = LatinBaseOf(surname, 0, length);
  if (base != '\0') return std::string(1, AsciiUpper(base));
  return charset::ToUpperUtf8(surname.substr(0, length));
}

std::string AnchorName(std::string_view text) { return text::EscapeNamedEntities(text); }

std::string LinkFragment(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || c == '%' || c == '<' || c == '>' || c == ' ' || c == '"' ||
        c == '&' || c == '?' || c == '#') {
      out += '%';
      out += kHex[u >> 4];
      out += kHex[u & 0x0F];
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace vellix::site
