// Character-set converters: everything the GEDCOM file may hold becomes
// UTF-8 inside the program; Windows-1252 and UTF-16 at the few edges that
// need them.
#pragma once

#include <string>
#include <string_view>

namespace vellix::charset {

/// ANSEL (ANSI/NISO Z39.47) to UTF-8: every spacing character A1..CF and
/// every combining mark E0..FE. A mark precedes its base letter; mark(s) and
/// letter are composed into the precomposed character where Unicode has
/// one, else written as base letter followed by the combining mark(s). A
/// mark with no base letter is kept as the combining mark alone. Bytes below
/// 0x80 are copied. Nothing is ever cut.
std::string AnselToUtf8(std::string_view ansel);

/// Windows-1252 to UTF-8 (the five unassigned bytes map to the C1 controls,
/// as the WHATWG decoder does).
std::string Windows1252ToUtf8(std::string_view text);

/// True when `text` is well-formed UTF-8.
bool IsValidUtf8(std::string_view text);

/// True when `text` is well-formed UTF-8 and holds at least one multi-byte
/// sequence (so an 8-bit file that says otherwise is really UTF-8).
bool IsUtf8WithMultiByte(std::string_view text);

/// `text` with every byte that is not part of a well-formed UTF-8 sequence
/// replaced by U+FFFD.
std::string SanitizeUtf8(std::string_view text);

/// UTF-16 bytes (without byte-order mark) to UTF-8; unpaired surrogates and
/// a trailing odd byte become U+FFFD.
std::string Utf16BytesToUtf8(std::string_view bytes, bool big_endian);

/// UTF-16 code units to UTF-8 (unpaired surrogates become U+FFFD).
std::string Utf16ToUtf8(std::u16string_view text);

/// UTF-8 to UTF-16 code units (invalid bytes become U+FFFD).
std::u16string Utf8ToUtf16(std::string_view text);

/// UTF-8 to Windows-1252; every character that does not fit becomes "?".
/// `all_fit` (when given) tells whether every character fitted.
std::string Utf8ToWindows1252(std::string_view text, bool* all_fit = nullptr);

/// Decodes the well-formed UTF-8 character at text[pos] into `*cp` and
/// returns its length; 0 when the bytes there are no well-formed character
/// (stray or missing continuation bytes, overlong forms, surrogates, values
/// above U+10FFFF) or `pos` is at the end.
size_t DecodeUtf8(std::string_view text, size_t pos, char32_t* cp);

/// Appends the UTF-8 form of `cp`.
void AppendUtf8(char32_t cp, std::string* out);

/// Lower-cases UTF-8 text for the Latin, Greek and Cyrillic letters; bytes
/// that are no well-formed UTF-8 are copied.
std::string ToLowerUtf8(std::string_view text);

/// Upper-cases UTF-8 text, Unicode-aware for the Latin, Greek and Cyrillic
/// letters ("ñ" becomes "Ñ", "ß" stays).
std::string ToUpperUtf8(std::string_view text);

/// Length in bytes of the UTF-8 character that starts at text[pos] (1 for a
/// stray byte); never runs past the end.
size_t Utf8CharLength(std::string_view text, size_t pos);

}  // namespace vellix::charset
