// The "(birth - death)" years an index line shows after a given name.
#pragma once

#include <string>
#include <string_view>

namespace vellix {
class COptions;
class PrivacyFilter;
}  // namespace vellix

namespace vellix::site {

/// The year text of a GEDCOM date as the index shows it, with the option
/// set's date words: a single date gives a marker and its first run of three
/// or more digits ("&gt;1850" after, "&lt;1850" before, "&#126;1850" about
/// or estimated; with `html_markers` off ">", "<" and "~"); a range (BET or
/// BTN) gives the date with its joining word turned into ".." and the range
/// word removed ("1850..1860"), HTML-escaped. "" when no year is found. A
/// date word left empty in the options never matches.
std::string YearText(std::string_view date, const COptions& options,
                     bool html_markers = true);

/// The lifespan of an index entry. For a living individual whose birth
/// date the privacy filters replace, the replacement in parentheses (""
/// when the replacement is empty); otherwise "(B - D)" with the year texts
/// of the birth and death dates, "?" for the option set's word for a
/// missing date ("Unknown"; for death also "Dead" and "Deceased").
std::string Lifespan(const PrivacyFilter& privacy, bool living, std::string_view birth,
                     std::string_view death, bool html_markers = true);

}  // namespace vellix::site
