#include "site/frame/date_picture.h"

#include <iconv.h>
#include <langinfo.h>
#include <locale.h>

#include <cstring>

#include "gedcom/charset.h"

namespace vellix::site {
namespace {

// Converts a name from the locale's character set to UTF-8; false when that
// is not possible.
bool NameToUtf8(const char* codeset, const char* name, std::string* out) {
  if (name == nullptr || *name == '\0') return false;
  std::string_view text(name);
  if (std::strcmp(codeset, "UTF-8") == 0 || charset::IsValidUtf8(text)) {
    if (!charset::IsValidUtf8(text)) return false;
    out->assign(text);
    return true;
  }
  iconv_t cd = iconv_open("UTF-8", codeset);
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  std::string input(text);
  std::string result(input.size() * 4 + 4, '\0');
  char* in = input.data();
  size_t in_left = input.size();
  char* dst = result.data();
  size_t out_left = result.size();
  const bool ok = iconv(cd, &in, &in_left, &dst, &out_left) != static_cast<size_t>(-1);
  iconv_close(cd);
  if (!ok) return false;
  result.resize(result.size() - out_left);
  *out = std::move(result);
  return true;
}

void AppendNumber(std::string* out, int value, int min_digits) {
  std::string digits = std::to_string(value < 0 ? -value : value);
  if (value < 0) out->push_back('-');
  for (int i = static_cast<int>(digits.size()); i < min_digits; ++i) out->push_back('0');
  *out += digits;
}

}  // namespace

DateNames DateNames::English() {
  return {{"January", "February", "March", "April", "May", "June", "July", "August",
           "September", "October", "November", "December"},
          {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov",
           "Dec"},
          {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"},
          {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"}};
}

DateNames DateNames::ForLocale(const char* locale_name) {
  locale_t loc =
      newlocale(LC_TIME_MASK | LC_CTYPE_MASK, locale_name, static_cast<locale_t>(0));
  if (loc == static_cast<locale_t>(0)) {
    // The character-set part may name a locale that is not installed; the
    // names alone may still be there (then only ASCII or UTF-8 is usable).
    loc = newlocale(LC_TIME_MASK, locale_name, static_cast<locale_t>(0));
    if (loc == static_cast<locale_t>(0)) return English();
  }
  const char* codeset = nl_langinfo_l(CODESET, loc);
  if (codeset == nullptr) codeset = "UTF-8";
  DateNames names;
  bool ok = true;
  for (int i = 0; i < 12 && ok; ++i) {
    ok = NameToUtf8(codeset, nl_langinfo_l(static_cast<nl_item>(MON_1 + i), loc),
                    &names.months[i]) &&
         NameToUtf8(codeset, nl_langinfo_l(static_cast<nl_item>(ABMON_1 + i), loc),
                    &names.months_abbr[i]);
  }
  for (int i = 0; i < 7 && ok; ++i) {
    ok = NameToUtf8(codeset, nl_langinfo_l(static_cast<nl_item>(DAY_1 + i), loc),
                    &names.days[i]) &&
         NameToUtf8(codeset, nl_langinfo_l(static_cast<nl_item>(ABDAY_1 + i), loc),
                    &names.days_abbr[i]);
  }
  freelocale(loc);
  return ok ? names : English();
}

const DateNames& DateNames::User() {
  static const DateNames names = ForLocale("");
  return names;
}

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
