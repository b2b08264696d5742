// The small byte-string helpers.
#include "text/string_ops.h"

#include <gtest/gtest.h>

#include <string>

namespace vellix::text {
namespace {

TEST(DropAbbreviationPeriods, OnlyPeriodsBetweenDigitsStay) {
  struct Case {
    const char* in;
    const char* out;
  };
  static const Case kCases[] = {
      {"", ""},
      {"1900", "1900"},
      {"ABT. 1900", "ABT 1900"},
      {"Bef. 12.05.1900", "Bef 12.05.1900"},
      {"1850.5", "1850.5"},
      {".5 and 5.", "5 and 5"},
      {"1..2", "12"},
      {"...", ""},
      {"a.b.c.", "abc"},
      {"12.05.", "12.05"},
  };
  for (const Case& c : kCases) {
    std::string text = c.in;
    DropAbbreviationPeriods(&text);
    EXPECT_EQ(text, c.out) << c.in;
  }
}

}  // namespace
}  // namespace vellix::text
