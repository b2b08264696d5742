// GEDCOM date values as text: the year they hold, month names restyled for
// display, and the date and place of an event line.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "gedcom/gedcom_node.h"

namespace vellix {

class COptions;

/// How month words of a date are shown (the option set's m_nMonthNames).
enum MonthStyle : int32_t {
  kMonthGedcom = 0,       // unchanged
  kMonthAbbreviated = 1,  // the locale's abbreviated name ("Jan")
  kMonthAbbreviatedUpper = 2,
  kMonthFull = 3,  // the locale's full name ("January")
  kMonthFullUpper = 4,
};

/// The twelve month names of one locale in UTF-8, abbreviated and full.
struct MonthNames {
  std::array<std::string, 12> abbreviated;
  std::array<std::string, 12> full;

  /// Jan ... Dec, January ... December.
  static MonthNames English();
  /// The LC_TIME names of `locale_name` ("" for the user's environment);
  /// English when the locale cannot be opened or its names cannot be turned
  /// into UTF-8.
  static MonthNames ForLocale(const char* locale_name);
  /// The user's names, looked up once per process.
  static const MonthNames& User();
};

/// The number (1..12) of a GEDCOM month word (JAN ... DEC, any letter
/// case), or 0.
int MonthNumber(std::string_view word);

/// The year of a date: its first run of three or more decimal digits read
/// as a number, else 0 ("ABT 1850" gives 1850, "5 JAN 97" gives 0). A run
/// too large for int32 gives INT32_MAX, so absurd years never look old.
int32_t YearOf(std::string_view date);

/// Replaces the month words of `date` (whole words between spaces, commas,
/// full stops and hyphens that do not begin with a digit) by their names in
/// `style`, taken from `names`. Returns true when any word was replaced;
/// style 0 (or an unknown style) changes nothing.
bool RestyleMonths(std::string* date, int32_t style, const MonthNames& names);
/// As above with the user's locale names.
bool RestyleMonths(std::string* date, int32_t style);

/// The date and place of an event line.
struct EventDatePlace {
  std::string date;
  std::string place;
};

/// The values of the event's DATE and PLAC lines (the last of each wins).
/// An event whose own value is exactly "Y" starts with the option set's
/// label for missing dates (m_strDateUnknown), which a DATE line replaces.
EventDatePlace EventDateAndPlace(const GedcomNode& event, const COptions& options);

/// The value of the event's last DATE line, or "" without one.
std::string EventDateOf(const GedcomNode& event);

}  // namespace vellix
