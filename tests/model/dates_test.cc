#include "model/dates.h"

#include <gtest/gtest.h>

#include <climits>

#include "options/options.h"

namespace vellix {
namespace {

TEST(YearOfTest, TakesTheFirstRunOfThreeOrMoreDigits) {
  EXPECT_EQ(YearOf("ABT 1850"), 1850);
  EXPECT_EQ(YearOf("950"), 950);
  EXPECT_EQ(YearOf("BET 1850 AND 1851"), 1850);
  EXPECT_EQ(YearOf("12 JAN 1900"), 1900);  // the day is too short
  EXPECT_EQ(YearOf("1 MAR 0950"), 950);
}

TEST(YearOfTest, ShortOrMissingYearsGiveZero) {
  EXPECT_EQ(YearOf("5 JAN 97"), 0);
  EXPECT_EQ(YearOf("12 MAR"), 0);
  EXPECT_EQ(YearOf(""), 0);
  EXPECT_EQ(YearOf("Unknown"), 0);
}

TEST(YearOfTest, AbsurdlyLongRunsSaturateInsteadOfOverflowing) {
  EXPECT_EQ(YearOf("1 JAN 99999999999999999999"), INT32_MAX);
  EXPECT_EQ(YearOf("2147483647"), INT32_MAX);
  EXPECT_EQ(YearOf("2147483646"), 2147483646);
}

class RestyleMonthsTest : public ::testing::Test {
 protected:
  // The date after restyling, or "(unchanged)" when nothing was replaced.
  std::string Restyle(std::string date, int32_t style) {
    bool replaced = RestyleMonths(&date, style, english_);
    return replaced ? date : "(unchanged) " + date;
  }
  MonthNames english_ = MonthNames::English();
};

TEST_F(RestyleMonthsTest, StyleZeroChangesNothing) {
  EXPECT_EQ(Restyle("12 jan 1900", kMonthGedcom), "(unchanged) 12 jan 1900");
}

TEST_F(RestyleMonthsTest, EachStyleWritesTheMonthItsOwnWay) {
  EXPECT_EQ(Restyle("12 jan 1900", kMonthAbbreviated), "12 Jan 1900");
  EXPECT_EQ(Restyle("12 jan 1900", kMonthAbbreviatedUpper), "12 JAN 1900");
  EXPECT_EQ(Restyle("12 jan 1900", kMonthFull), "12 January 1900");
  EXPECT_EQ(Restyle("12 jan 1900", kMonthFullUpper), "12 JANUARY 1900");
}

TEST_F(RestyleMonthsTest, DateWordsStayForTheEventWriter) {
  EXPECT_EQ(Restyle("BET JAN 1850 AND MAR 1851", kMonthFull),
            "BET January 1850 AND March 1851");
}

TEST_F(RestyleMonthsTest, SeparatorsAreKeptAndEveryMonthIsReplaced) {
  EXPECT_EQ(Restyle("FEB-MAR,1850.DEC", kMonthAbbreviated), "Feb-Mar,1850.Dec");
  EXPECT_EQ(Restyle("MAY 1800 - MAY 1801", kMonthFullUpper), "MAY 1800 - MAY 1801");
  EXPECT_EQ(Restyle("sep  1900", kMonthFull), "September  1900");
}

TEST_F(RestyleMonthsTest, OnlyWholeMonthWordsAreReplaced) {
  EXPECT_EQ(Restyle("DEC 1850 DECEASED", kMonthFull), "December 1850 DECEASED");
  EXPECT_EQ(Restyle("MARCH 1850", kMonthFull), "(unchanged) MARCH 1850");
  EXPECT_EQ(Restyle("1JAN 1850", kMonthFull), "(unchanged) 1JAN 1850");
}

TEST_F(RestyleMonthsTest, UnknownStylesChangeNothing) {
  EXPECT_EQ(Restyle("12 JAN 1900", 5), "(unchanged) 12 JAN 1900");
  EXPECT_EQ(Restyle("12 JAN 1900", -1), "(unchanged) 12 JAN 1900");
}

TEST_F(RestyleMonthsTest, UpperCaseIsUnicodeAware) {
  MonthNames french = english_;
  french.full[1] = "f\xC3\xA9vrier";  // février
  std::string date = "3 FEB 1900";
  EXPECT_TRUE(RestyleMonths(&date, kMonthFullUpper, french));
  EXPECT_EQ(date, "3 F\xC3\x89VRIER 1900");
}

TEST(MonthNamesTest, TheCLocaleAndAMissingLocaleGiveEnglish) {
  MonthNames c = MonthNames::ForLocale("C");
  EXPECT_EQ(c.abbreviated[0], "Jan");
  EXPECT_EQ(c.full[8], "September");
  MonthNames missing = MonthNames::ForLocale("xx_NOWHERE.UTF-8");
  EXPECT_EQ(missing.abbreviated[11], "Dec");
  EXPECT_EQ(missing.full[11], "December");
}

GedcomNode Line(int level, TagCode code, const char* tag, const char* value) {
  return GedcomNode(level, code, tag, value);
}

class EventDateAndPlaceTest : public ::testing::Test {
 protected:
  COptions options_;
};

TEST_F(EventDateAndPlaceTest, YWithoutDateIsTheUnknownLabel) {
  GedcomNode death = Line(1, kTagDeat, "DEAT", "Y");
  EventDatePlace got = EventDateAndPlace(death, options_);
  EXPECT_EQ(got.date, "Unknown");
  EXPECT_EQ(got.place, "");

  options_.m_strDateUnknown = "date unknown";
  EXPECT_EQ(EventDateAndPlace(death, options_).date, "date unknown");
}

TEST_F(EventDateAndPlaceTest, ADateLineReplacesTheUnknownLabel) {
  GedcomNode death = Line(1, kTagDeat, "DEAT", "Y");
  death.AddChild(Line(2, kTagPlac, "PLAC", "Leeds"));
  death.AddChild(Line(2, kTagDate, "DATE", "4 MAY 1901"));
  EventDatePlace got = EventDateAndPlace(death, options_);
  EXPECT_EQ(got.date, "4 MAY 1901");
  EXPECT_EQ(got.place, "Leeds");
}

TEST_F(EventDateAndPlaceTest, OnlyAnExactYGivesTheLabel) {
  EXPECT_EQ(EventDateAndPlace(Line(1, kTagDeat, "DEAT", ""), options_).date, "");
  EXPECT_EQ(EventDateAndPlace(Line(1, kTagDeat, "DEAT", "y"), options_).date, "");
  EXPECT_EQ(EventDateAndPlace(Line(1, kTagDeat, "DEAT", "Yes"), options_).date, "");
}

TEST_F(EventDateAndPlaceTest, TheLastDateAndPlaceWin) {
  GedcomNode birth = Line(1, kTagBirt, "BIRT", "");
  birth.AddChild(Line(2, kTagDate, "DATE", "1850"));
  birth.AddChild(Line(2, kTagPlac, "PLAC", "York"));
  birth.AddChild(Line(2, kTagDate, "DATE", "ABT 1851"));
  birth.AddChild(Line(2, kTagPlac, "PLAC", "Hull"));
  EventDatePlace got = EventDateAndPlace(birth, options_);
  EXPECT_EQ(got.date, "ABT 1851");
  EXPECT_EQ(got.place, "Hull");
  EXPECT_EQ(EventDateOf(birth), "ABT 1851");
}

TEST_F(EventDateAndPlaceTest, DeeperDateLinesAreNotTheEventsDate) {
  GedcomNode birth = Line(1, kTagBirt, "BIRT", "");
  birth.AddChild(Line(2, kTagSour, "SOUR", "@S1@"));
  birth.AddChild(Line(3, kTagDate, "DATE", "1999"));
  EXPECT_EQ(EventDateAndPlace(birth, options_).date, "");
  EXPECT_EQ(EventDateOf(birth), "");
}

}  // namespace
}  // namespace vellix
