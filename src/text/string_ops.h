// Small byte-string helpers shared by the text utilities. They work on UTF-8
// text without ever splitting a multi-byte character: every search pattern is
// itself UTF-8, and case folding touches ASCII letters only, so byte offsets in
// a folded copy are the offsets in the original.
#pragma once

#include <string>
#include <string_view>

namespace vellix::text {

/// `c` upper-cased when it is an ASCII letter a-z; any other byte unchanged.
constexpr char AsciiUpperChar(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

/// `text` with the ASCII letters a-z upper-cased; other bytes unchanged.
std::string AsciiUpper(std::string_view text);

/// `text` with the ASCII letters A-Z lower-cased; other bytes unchanged.
std::string AsciiLower(std::string_view text);

/// True when `a` and `b` are equal with the ASCII letters compared without
/// regard to case (the comparison of GEDCOM tags and keys).
bool EqualsNoCase(std::string_view a, std::string_view b);

/// True for the ASCII digits 0-9 (never for a byte of a multi-byte UTF-8
/// character, unlike the locale's isdigit).
inline bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

/// Replaces every non-overlapping occurrence of `from` (scanning left to
/// right, never rescanning inserted text) by `to`. Returns the number of
/// replacements; an empty `from` replaces nothing.
int ReplaceAll(std::string* text, std::string_view from, std::string_view to);

/// True for the bytes that end a line or separate words loosely: space, tab,
/// CR, LF, vertical tab and form feed. Never true for a byte of a multi-byte
/// UTF-8 character.
bool IsAsciiSpace(char c);

/// Removes every full stop that does not stand between two ASCII digits:
/// those of abbreviations ("ABT.", "Bef.") go, a decimal-looking "1850.5"
/// or a dotted date "12.05.1900" keeps its own. Allocates nothing when the
/// text has no full stop.
void DropAbbreviationPeriods(std::string* text);

/// Removes trailing IsAsciiSpace bytes in place.
void TrimRightSpace(std::string* text);

/// `text` without leading and trailing IsAsciiSpace bytes.
std::string_view TrimSpace(std::string_view text);

}  // namespace vellix::text
