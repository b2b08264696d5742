// Dates written with a date picture ("MMMM dd, yyyy"): the notation the option
// "Revision Date Format" uses for the revision line of every page.
#pragma once

#include <ctime>
#include <string>
#include <string_view>

#include "text/locale_names.h"

namespace vellix::site {

using text::DateNames;

/// `date` written with `picture`: "d" day, "dd" day with two digits, "ddd"
/// abbreviated and "dddd" (or more) full weekday name; "M", "MM", "MMM",
/// "MMMM" likewise for the month; "y" year within the century without a
/// leading zero, "yy" with two digits, "yyy" or more the full year. Text in
/// single quotes is copied as it stands ("''" is one apostrophe); every
/// other character is copied too. Reads tm_mday, tm_mon, tm_year, tm_wday.
std::string FormatDatePicture(const std::tm& date, std::string_view picture,
                              const DateNames& names);

}  // namespace vellix::site
