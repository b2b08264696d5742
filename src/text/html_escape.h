// The three escapers that make text safe inside a page: as element content,
// inside an href built from an address found in text, and as a file path
// placed in an href. Each replaces ASCII bytes only, so UTF-8 text passes
// through intact.
#pragma once

#include <string>
#include <string_view>

namespace vellix::text {

/// Element and attribute content: "&", "<", ">", double quote and apostrophe
/// become entities ("&" first, so nothing is escaped twice), then the GEDCOM
/// escape "@@" becomes one at-sign.
std::string EscapeHtml(std::string_view text);

/// Only "&", double quote, "<" and ">" as the named entities &amp; &quot;
/// &lt; &gt;; everything else (apostrophes, at-signs) stays. For texts the
/// pages carry with exactly these four escapes (replacement dates, anchor
/// names).
std::string EscapeNamedEntities(std::string_view text);

/// An option value written into an attribute (author, keywords, a link's
/// address, target or title): the double quote, "<" and ">" become &quot;
/// &lt; &gt;, and "&" becomes &amp; unless it already starts a character
/// reference ("&amp;", "&#233;", "&#xE9;"), so a value the user wrote with
/// entities keeps them and one written plainly cannot end the attribute.
std::string EscapeAttribute(std::string_view text);

/// An address taken from text for an href: "&", "<", ">", double quote and
/// apostrophe become percent escapes, then "@@" becomes one at-sign.
std::string EscapeHref(std::string_view text);

/// A file name or path placed in an href: "<", ">", space, double quote, "&"
/// and "?" become percent escapes.
std::string EscapeUrlPath(std::string_view text);

/// Appends `path` to `out` escaped as EscapeUrlPath does, with backslashes
/// written as slashes and the apostrophe as "%27" too: a path that may stand
/// in an href and in a quoted script argument alike.
void AppendLinkPath(std::string_view path, std::string* out);

}  // namespace vellix::text
