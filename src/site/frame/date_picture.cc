#include "site/frame/date_picture.h"

namespace vellix::site {
namespace {

void AppendNumber(std::string* out, int value, int min_digits) {
  std::string digits = std::to_string(value < 0 ? -value : value);
  if (value < 0) out->push_back('-');
  for (int i = static_cast<int>(digits.size()); i < min_digits; ++i) out->push_back('0');
  *out += digits;
}

}  // namespace

std::string FormatDatePicture(const std::tm& date, std::string_view picture,
                              const DateNames& names) {
  const int month = date.tm_mon >= 0 && date.tm_mon < 12 ? date.tm_mon : 0;
  const int wday = date.tm_wday >= 0 && date.tm_wday < 7 ? date.tm_wday : 0;
  const int year = date.tm_year + 1900;
  std::string out;
  size_t i = 0;
  while (i < picture.size()) {
    const char c = picture[i];
    if (c == '\'' && i + 1 < picture.size() && picture[i + 1] == '\'') {
      out.push_back('\'');  // two quotes stand for one, inside or outside quoted text
      i += 2;
      continue;
    }
    if (c == '\'') {
      // Quoted text up to the closing quote; a doubled quote is one quote.
      ++i;
      while (i < picture.size()) {
        if (picture[i] == '\'') {
          if (i + 1 < picture.size() && picture[i + 1] == '\'') {
            out.push_back('\'');
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        out.push_back(picture[i++]);
      }
      continue;
    }
    if (c != 'd' && c != 'M' && c != 'y') {
      out.push_back(c);
      ++i;
      continue;
    }
    size_t run = 1;
    while (i + run < picture.size() && picture[i + run] == c) ++run;
    i += run;
    if (c == 'd') {
      if (run <= 2) {
        AppendNumber(&out, date.tm_mday, static_cast<int>(run));
      } else {
        out += run == 3 ? names.days_abbr[wday] : names.days[wday];
      }
    } else if (c == 'M') {
      if (run <= 2) {
        AppendNumber(&out, month + 1, static_cast<int>(run));
      } else {
        out += run == 3 ? names.months_abbr[month] : names.months[month];
      }
    } else if (run <= 2) {
      AppendNumber(&out, ((year % 100) + 100) % 100, static_cast<int>(run));
    } else {
      AppendNumber(&out, year, 1);
    }
  }
  return out;
}

}  // namespace vellix::site
