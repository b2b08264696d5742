// The small text conversions the option set file needs: UTF-8 inside the
// program, Windows-1252 or UTF-16LE inside the file.
#pragma once

#include <string>
#include <string_view>

namespace vellix::options {

/// Windows-1252 bytes to UTF-8. The five bytes Windows-1252 leaves
/// unassigned (81, 8D, 8F, 90, 9D) become the C1 controls of the same value,
/// so every byte string survives a round trip.
std::string Windows1252ToUtf8(std::string_view text);

/// UTF-8 to Windows-1252. `all_fit` tells whether every character had a
/// Windows-1252 byte (and the input was well-formed UTF-8); characters that
/// do not fit become "?".
std::string Utf8ToWindows1252(std::string_view text, bool* all_fit);

/// UTF-8 to UTF-16 code units; malformed bytes become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);

/// UTF-16 code units to UTF-8; unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

/// True when `text` is well-formed UTF-8.
bool IsWellFormedUtf8(std::string_view text);

}  // namespace vellix::options
