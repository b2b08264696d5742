#include "text/locale_names.h"

#include <iconv.h>
#include <langinfo.h>
#include <locale.h>

#include <cstring>
#include <string_view>

#include "text/charset.h"

namespace vellix::text {
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

}  // namespace vellix::text
