#include "site/frame/date_picture.h"

#include <gtest/gtest.h>

namespace vellix::site {
namespace {

std::tm Date(int year, int month, int day, int weekday) {
  std::tm tm{};
  tm.tm_year = year - 1900;
  tm.tm_mon = month - 1;
  tm.tm_mday = day;
  tm.tm_wday = weekday;
  return tm;
}

std::string Format(const std::tm& date, std::string_view picture) {
  return FormatDatePicture(date, picture, DateNames::English());
}

TEST(DatePictureTest, DefaultPictureWritesFullMonthAndTwoDigitDay) {
  EXPECT_EQ(Format(Date(2024, 3, 5, 2), "MMMM dd, yyyy"), "March 05, 2024");
  EXPECT_EQ(Format(Date(2024, 12, 25, 3), "MMMM dd, yyyy"), "December 25, 2024");
}

TEST(DatePictureTest, EachFieldWidth) {
  const std::tm date = Date(2009, 7, 4, 6);  // Saturday
  EXPECT_EQ(Format(date, "d"), "4");
  EXPECT_EQ(Format(date, "dd"), "04");
  EXPECT_EQ(Format(date, "ddd"), "Sat");
  EXPECT_EQ(Format(date, "dddd"), "Saturday");
  EXPECT_EQ(Format(date, "M"), "7");
  EXPECT_EQ(Format(date, "MM"), "07");
  EXPECT_EQ(Format(date, "MMM"), "Jul");
  EXPECT_EQ(Format(date, "MMMM"), "July");
  EXPECT_EQ(Format(date, "y"), "9");
  EXPECT_EQ(Format(date, "yy"), "09");
  EXPECT_EQ(Format(date, "yyyy"), "2009");
  EXPECT_EQ(Format(date, "dd.MM.yyyy"), "04.07.2009");
  EXPECT_EQ(Format(date, "dddd, d MMM yy"), "Saturday, 4 Jul 09");
}

TEST(DatePictureTest, TwoDigitDaysAndMonthsKeepBothDigits) {
  EXPECT_EQ(Format(Date(2000, 11, 30, 4), "d/M/y"), "30/11/0");
  EXPECT_EQ(Format(Date(1999, 10, 10, 0), "yy-MM-dd"), "99-10-10");
}

TEST(DatePictureTest, QuotedTextIsCopiedAndDoubledQuoteIsOneQuote) {
  const std::tm date = Date(2024, 3, 5, 2);
  EXPECT_EQ(Format(date, "'day' d 'of' MMMM"), "day 5 of March");
  EXPECT_EQ(Format(date, "d MMM ''yy"), "5 Mar '24");
  EXPECT_EQ(Format(date, "'It''s' yyyy"), "It's 2024");
  // An unterminated quote runs to the end of the picture.
  EXPECT_EQ(Format(date, "yyyy 'dMy"), "2024 dMy");
}

TEST(DatePictureTest, OtherCharactersAndEmptyPicture) {
  const std::tm date = Date(2024, 3, 5, 2);
  EXPECT_EQ(Format(date, ""), "");
  EXPECT_EQ(Format(date, "[yyyy]"), "[2024]");
}

TEST(DatePictureTest, UnknownLocaleFallsBackToEnglish) {
  const DateNames names = DateNames::ForLocale("xx_NOWHERE.UTF-8");
  EXPECT_EQ(names.months[0], "January");
  EXPECT_EQ(names.days_abbr[6], "Sat");
}

TEST(DatePictureTest, PosixLocaleNamesAreEnglish) {
  const DateNames names = DateNames::ForLocale("C");
  EXPECT_EQ(names.months[2], "March");
  EXPECT_EQ(names.months_abbr[8], "Sep");
  EXPECT_EQ(names.days[2], "Tuesday");
}

}  // namespace
}  // namespace vellix::site
