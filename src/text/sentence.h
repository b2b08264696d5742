// Finishing a sentence built from GEDCOM values: add a period or comma
// without doubling punctuation, inside a closing quote, after a closing
// parenthesis or after a closing HTML tag.
#pragma once

#include <string>

namespace vellix::text {

/// Trims trailing white space from `text`, then adds "," (when `comma`) or
/// "." unless the text already ends with that mark, "?" or "!". A closing
/// quote (also when escaped as "&#34;", "&#39;" or "&quot;") gets the mark
/// inside it; ")", "]" and short tags such as "</i>" get
/// it after them. Returns true when a mark was added.
bool EndSentence(std::string* text, bool comma);

}  // namespace vellix::text
