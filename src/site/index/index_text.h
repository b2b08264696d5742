// Text rules of the name index: how names compare and sort, which letter
// heading a surname files under, and how a surname becomes an anchor name
// and a link fragment.
#pragma once

#include <string>
#include <string_view>

namespace vellix::site {

/// `text` folded for case-blind comparison: ASCII letters lower-cased, every
/// other character upper-cased (Unicode-aware for Latin, Greek and
/// Cyrillic). Two texts that differ only in letter case fold alike.
std::string CaseKey(std::string_view text);

/// As CaseKey, and the accented Latin letters (U+00C0 to U+017F) become
/// their lower-case base letters, so "Öberg" sorts among the O names.
std::string BaseKey(std::string_view text);

/// The key an index entry sorts by in index mode. `name` is the index form
/// "Surname, Given", `lifespan` follows it directly. Surnames compare first
/// (accents folded, then letter case folded), so each
/// surname's entries stay together whatever its spelling; then the rest of
/// the name with the lifespan.
std::string IndexSortKey(std::string_view name, std::string_view lifespan);

/// The surname part of an index name: the text before its first comma.
std::string_view SurnameKeyOf(std::string_view name);

/// The letter heading `surname` files under: its first character
/// upper-cased, an accented Latin letter as its base letter ("É" under
/// "E"), any other character whole (never a part of a UTF-8 sequence);
/// "?" for an empty surname.
std::string IndexLetterOf(std::string_view surname);

/// `text` as the value of a name="..." attribute: "&", double quote, "<" and
/// ">" become entities; everything else stays as written.
std::string AnchorName(std::string_view text);

/// `text` as the "#..." part of a link to AnchorName(text): "%", "<", ">",
/// blank, double quote, "&", "?" and "#" become percent escapes, so a
/// browser decodes the fragment back to the anchor's text.
std::string LinkFragment(std::string_view text);

}  // namespace vellix::site
