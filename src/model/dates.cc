#include "model/dates.h"

#include <climits>
#include <cstring>

#include "text/charset.h"
#include "options/options.h"
#include "text/locale_names.h"

namespace vellix {
namespace {

constexpr std::array<std::string_view, 12> kMonthWords = {
    "JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

bool IsDateSeparator(char c) { return c == ' ' || c == ',' || c == '.' || c == '-'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

MonthNames MonthNames::English() {
  return {{"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov",
           "Dec"},
          {"January", "February", "March", "April", "May", "June", "July", "August",
           "September", "October", "November", "December"}};
}

MonthNames MonthNames::ForLocale(const char* locale_name) {
  const text::DateNames names = text::DateNames::ForLocale(locale_name);
  return {names.months_abbr, names.months};
}

const MonthNames& MonthNames::User() {
  static const MonthNames names = ForLocale("");
  return names;
}

int MonthNumber(std::string_view word) {
  if (word.size() != 3) return 0;
  for (size_t i = 0; i < kMonthWords.size(); ++i) {
    if (EqualsNoCase(word, kMonthWords[i])) return static_cast<int>(i) + 1;
  }
  return 0;
}

int32_t YearOf(std::string_view date) {
  size_t pos = 0;
  while (pos < date.size()) {
    if (!IsDigit(date[pos])) {
      ++pos;
      continue;
    }
    size_t end = pos;
    while (end < date.size() && IsDigit(date[end])) ++end;
    if (end - pos >= 3) {
      int64_t year = 0;
      for (size_t i = pos; i < end; ++i) {
        year = year * 10 + (date[i] - '0');
        if (year > INT32_MAX) return INT32_MAX;
      }
      return static_cast<int32_t>(year);
    }
    pos = end;
  }
  return 0;
}

bool RestyleMonths(std::string* date, int32_t style, const MonthNames& names) {
  if (style < kMonthAbbreviated || style > kMonthFullUpper) return false;
  const bool full = style == kMonthFull || style == kMonthFullUpper;
  const bool upper = style == kMonthAbbreviatedUpper || style == kMonthFullUpper;
  // Month words are replaced as whole words only, so a word that merely
  // starts with one ("MARCH", "DECEASED") is left alone.
  std::string result;
  result.reserve(date->size() + 16);
  bool replaced = false;
  size_t pos = 0;
  while (pos < date->size()) {
    if (IsDateSeparator((*date)[pos])) {
      result += (*date)[pos++];
      continue;
    }
    size_t end = pos;
    while (end < date->size() && !IsDateSeparator((*date)[end])) ++end;
    std::string_view word(date->data() + pos, end - pos);
    int month = IsDigit(word.front()) ? 0 : MonthNumber(word);
    if (month == 0) {
      result += word;
    } else {
      const std::string& name =
          full ? names.full[month - 1] : names.abbreviated[month - 1];
      result += upper ? charset::ToUpperUtf8(name) : name;
      replaced = true;
    }
    pos = end;
  }
  if (replaced) *date = std::move(result);
  return replaced;
}

bool RestyleMonths(std::string* date, int32_t style) {
  if (style < kMonthAbbreviated || style > kMonthFullUpper) return false;
  return RestyleMonths(date, style, MonthNames::User());
}

std::string EventDateOf(const GedcomNode& event) {
  std::string date;
  for (const GedcomNode& line : event.Children(kTagDate)) date = line.value;
  return date;
}

EventDatePlace EventDateAndPlace(const GedcomNode& event, const COptions& options) {
  EventDatePlace result;
  if (event.value == "Y") result.date = options.m_strDateUnknown;
  for (const GedcomNode& line : event.children) {
    if (line.tagCode == kTagDate) {
      result.date = line.value;
    } else if (line.tagCode == kTagPlac) {
      result.place = line.value;
    }
  }
  return result;
}

}  // namespace vellix
