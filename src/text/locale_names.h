// Month and weekday names of the user's locale (LC_TIME), in UTF-8.
#pragma once

#include <array>
#include <string>

namespace vellix::text {

/// The month and weekday names pages and dates are written with: the user's
/// LC_TIME names, or English when the locale has none usable.
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

}  // namespace vellix::text
