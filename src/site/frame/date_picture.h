// Dates written with a date picture ("MMMM dd, yyyy"): the notation the option
// "Revision Date Format" uses for the revision line of every page.
#pragma once

#include <array>
#include <ctime>
#include <string>
#include <string_view>

namespace vellix::site {

/// Month and weekday names of one locale, in UTF-8.
struct DateNames {
  std::array<std::string, 12> months;       // January ... December
  std::array<std::string, 12> months_abbr;  // Jan ... Dec
  std::array<std::string, 7> days;          // Sunday ... Saturday
  std::array<std::string, 7> days_abbr;     // Sun ... Sat

  /// The English names.
  static DateNames English();
  /// The LC_TIME names of `locale_name` ("" for the user's environment);
  /// English when that locale cannot be opened or its names are unusable.
  static DateNames ForLocale(const char* locale_name);
  /// The user's names, looked up once per process.
  static const DateNames& User();
};

/// `date` written with `picture`: "d" day, "dd" day with two digits, "ddd"
/// abbreviated and "dddd" (or more) full weekday name; "M", "MM", "MMM",
/// "MMMM" likewise for the month; "y" year within the century without a
/// leading zero, "yy" with two digits, "yyy" or more the full year. Text in
/// single quotes is copied as it stands ("''" is one apostrophe); every
/// other character is copied too. Reads tm_mday, tm_mon, tm_year, tm_wday.
std::string FormatDatePicture(const std::tm& date, std::string_view picture,
                              const DateNames& names);

}  // namespace vellix::site
