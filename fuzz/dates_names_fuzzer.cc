// The date and name parsers: the year of a date, month words restyled in
// every style, a date picture, and a name value split into its parts.
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>

#include "model/dates.h"
#include "model/names.h"
#include "site/frame/date_picture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  vellix::YearOf(text);
  vellix::MonthNumber(text);
  for (int32_t style = 0; style <= 5; ++style) {
    std::string date(text);
    vellix::RestyleMonths(&date, style, vellix::MonthNames::English());
  }
  std::tm moment{};
  moment.tm_year = 126;
  moment.tm_mon = 11;
  moment.tm_mday = 7;
  moment.tm_wday = 1;
  vellix::site::FormatDatePicture(moment, text, vellix::text::DateNames::English());
  vellix::GivenOf(text);
  vellix::SurnameOf(text);
  vellix::SuffixOf(text);
  return 0;
}
