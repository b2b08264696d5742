#include "site/index/lifespan.h"

#include <gtest/gtest.h>

#include "model/privacy.h"
#include "options/options.h"

namespace vellix::site {
namespace {

class LifespanTest : public ::testing::Test {
 protected:
  std::string Year(const std::string& date) { return YearText(date, options_); }
  std::string Span(bool living, const std::string& birth, const std::string& death) {
    PrivacyFilter privacy(options_);
    return Lifespan(privacy, living, birth, death);
  }
  COptions options_;
};

TEST_F(LifespanTest, SingleDatesGiveTheirFirstYearWithMarkers) {
  EXPECT_EQ(Year("12 JAN 1850"), "1850");
  EXPECT_EQ(Year("ABT 1850"), "&#126;1850");
  EXPECT_EQ(Year("abt. 1850"), "&#126;1850");
  EXPECT_EQ(Year("EST 1790"), "&#126;1790");
  EXPECT_EQ(Year("CIRCA 1790"), "&#126;1790");
  EXPECT_EQ(Year("AFT 3 MAR 1850"), "&gt;1850");
  EXPECT_EQ(Year("BEF 1850"), "&lt;1850");
  EXPECT_EQ(Year("950"), "950");
  EXPECT_EQ(Year("5 JAN 97"), "");
  EXPECT_EQ(Year(""), "");
  // AFT wins over BEF and ABT when a date carries several words.
  EXPECT_EQ(Year("AFT ABT 1850"), "&gt;1850");
}

TEST_F(LifespanTest, RangesJoinTheirEndsWithTwoDots) {
  EXPECT_EQ(Year("BET 1850 - 1860"), "1850..1860");
  EXPECT_EQ(Year("BET 1850 TO 1860"), "1850..1860");
  EXPECT_EQ(Year("btn 1850 & 1860"), "1850..1860");
  EXPECT_EQ(Year("BET JAN 1850 - MAR 1851"), "JAN 1850..MAR 1851");
  // Whatever else the range holds reaches the page escaped.
  EXPECT_EQ(Year("BET <1850> - 1860"), "&lt;1850&gt;..1860");
}

TEST_F(LifespanTest, MarkersAsPlainTextForTheDialogs) {
  EXPECT_EQ(YearText("AFT 1850", options_, false), ">1850");
  EXPECT_EQ(YearText("BEF 1850", options_, false), "<1850");
  EXPECT_EQ(YearText("ABT 1850", options_, false), "~1850");
  EXPECT_EQ(YearText("BET <1850> - 1860", options_, false), "<1850>..1860");
}

TEST_F(LifespanTest, DateWordsComeFromTheOptionSet) {
  options_.m_strDateAft = "NACH";
  EXPECT_EQ(Year("NACH 1850"), "&gt;1850");
  EXPECT_EQ(Year("AFT 1850"), "1850");
  // An emptied word matches nothing instead of every date.
  options_.m_strDateAft.clear();
  options_.m_strDateBet.clear();
  EXPECT_EQ(Year("1850"), "1850");
  EXPECT_EQ(Year("BEF 1850"), "&lt;1850");
}

TEST_F(LifespanTest, MissingDateWordsBecomeQuestionMarks) {
  EXPECT_EQ(Span(false, "1850", "1900"), "(1850 - 1900)");
  EXPECT_EQ(Span(false, "unknown", "DEAD"), "(? - ?)");
  EXPECT_EQ(Span(false, "ABT 1850", "Deceased"), "(&#126;1850 - ?)");
  // "Dead" stands for a missing death date only.
  EXPECT_EQ(Span(false, "Dead", ""), "( - )");
  EXPECT_EQ(Span(false, "", "BEF 1900"), "( - &lt;1900)");
}

TEST_F(LifespanTest, LivingIndividualsShowThePrivateDateText) {
  // Without the date filter a living individual's years show.
  EXPECT_EQ(Span(true, "1950", ""), "(1950 - )");
  options_.m_bFilterDates = true;
  EXPECT_EQ(Span(true, "1950", ""), "(Private)");
  EXPECT_EQ(Span(false, "1850", "1900"), "(1850 - 1900)");
  options_.m_strPrivateDate = "hidden";
  EXPECT_EQ(Span(true, "1950", ""), "(hidden)");
  options_.m_strPrivateDate = "<living>";
  EXPECT_EQ(Span(true, "1950", ""), "(&lt;living&gt;)");
  options_.m_strPrivateDate.clear();
  EXPECT_EQ(Span(true, "1950", ""), "");
}

TEST_F(LifespanTest, ExcludedLivingIndividualsShowNoYears) {
  options_.m_bExcludeLiving = true;
  EXPECT_EQ(Span(true, "1950", "2000"), "");
}

}  // namespace
}  // namespace vellix::site
