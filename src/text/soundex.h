// Soundex codes for the name index: two readings of a surname, the classic
// one (H and W are ignored like vowels) and one in which H and W keep two
// letters of the same group apart.
#pragma once

#include <string>
#include <string_view>

namespace vellix::text {

/// The Soundex code of `surname`: four characters such as "S530", or two
/// codes "A226/A261" when the two readings differ. Only the letters A-Z (in
/// any case) carry a code; other characters are skipped, though the first
/// character of the surname (a whole UTF-8 character) always leads the code
/// once any letter has been coded.
std::string SoundexCode(std::string_view surname);

}  // namespace vellix::text
