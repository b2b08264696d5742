// String utilities the page writers share: place names with spaced commas,
// case-insensitive replacement (used for the "%BR%" line-break placeholder),
// stripping formatting tags from key texts, tidying filled-in source
// templates and joining line arrays. All of them leave UTF-8 characters
// whole: they search for ASCII or whole UTF-8 patterns only.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vellix::text {

/// The line-break placeholder inside single text values (continuation lines
/// joined with breaks); writers replace it with ReplaceNoCase.
inline constexpr std::string_view kLineBreakPlaceholder = "%BR%";

/// `text` with a space after every comma that is followed by anything but a
/// space, then HTML-escaped.
std::string SpaceAfterCommas(std::string_view text);

/// Replaces every occurrence of `search` in `text`, compared without regard
/// to ASCII letter case, by `replacement`, scanning once from left to right
/// (so a replacement that contains the search text cannot loop). True when
/// anything was replaced.
bool ReplaceNoCase(std::string* text, std::string_view search,
                   std::string_view replacement);

/// `text` without "<i>", "</i>", "<b>", "</b>", "<u>", "</u>", "<sc>" and
/// "</sc>" in any letter case.
std::string StripFormatTags(std::string_view text);

/// Tidies a text filled in from a source template: removes the leading
/// separators, "[]" and doubled spaces left by empty fields, collapses
/// doubled or clashing punctuation, and shows small capitals ("<sc>") in a
/// fixed-width font ("<tt>").
std::string CleanTemplateText(std::string_view text);

/// The elements joined with "\n" (`use_newlines`) or one space.
std::string JoinLines(const std::vector<std::string>& lines, bool use_newlines);

}  // namespace vellix::text
