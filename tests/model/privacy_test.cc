#include "model/privacy.h"

#include <gtest/gtest.h>

#include <string>

#include "gedcom/gedcom_reader.h"
#include "gedcom/record_store.h"
#include "options/options.h"
#include "testing/test_environment.h"
#include "testing/test_support.h"

namespace vellix {
namespace {

// Individuals written into a small GEDCOM file and loaded through the
// reader, as the selection loads them.
class PrivacyTest : public ::testing::Test {
 protected:
  PrivacyTest() : reader_(store_, test_env_.env) {}

  // Reads a file holding one individual I1 with `lines` below it and
  // returns the loaded record (test failure when it does not load).
  const GedcomRecord& Individual(const std::string& lines) {
    std::string text =
        "0 HEAD\r\n1 SOUR TEST\r\n1 GEDC\r\n2 VERS 5.5\r\n2 FORM "
        "LINEAGE-LINKED\r\n1 CHAR ASCII\r\n0 @I1@ INDI\r\n1 NAME Ann /Lee/\r\n" +
        lines + "0 TRLR\r\n";
    std::string path = dir_.Write("input" + std::to_string(++files_) + ".ged", text);
    EXPECT_TRUE(reader_.Open(path));
    EXPECT_TRUE(reader_.ReadPass(true, &progress_, nullptr));
    GedcomRecord* loaded = nullptr;
    reader_.LoadRecord(RecordKind::kIndividual, "I1", false, &loaded);
    EXPECT_NE(loaded, nullptr);
    if (loaded == nullptr) return empty_;
    return *loaded;
  }

  bool Living(const std::string& lines, platform::SupportFlags support = {},
              bool all_events = false) {
    PrivacyFilter filter(options_, support, all_events);
    return filter.IsLiving(Individual(lines));
  }

  // The support word with flag 4 set (flags live in bits 4..7).
  static platform::SupportFlags Flag4() { return {4u << 4}; }

  void AssumeLivingAfter(int32_t year) {
    options_.m_bAssumeLiving = true;
    options_.m_nLivingYear = year;
  }

  testing::TestEnvironment test_env_;
  testing::RecordingPrompter& prompter_ = test_env_.prompter;
  testing::TempDir dir_;
  platform::NullProgress progress_;
  RecordStore store_;
  GedcomReader reader_;
  COptions options_;
  GedcomRecord empty_;
  int files_ = 0;
};

TEST_F(PrivacyTest, WithoutDeathOrYearTestEveryoneIsLiving) {
  EXPECT_TRUE(Living(""));
  EXPECT_TRUE(Living("1 BIRT\r\n2 DATE 1700\r\n"));
}

TEST_F(PrivacyTest, AnyDeathLineMeansNotLiving) {
  EXPECT_FALSE(Living("1 DEAT\r\n"));
  EXPECT_FALSE(Living("1 DEAT Y\r\n"));
  EXPECT_FALSE(Living("1 DEAT\r\n2 DATE 1950\r\n"));
  EXPECT_FALSE(Living("1 DEAT\r\n2 PLAC York\r\n"));
}

TEST_F(PrivacyTest, FlagFourCountsOnlyDatedDeaths) {
  EXPECT_TRUE(Living("1 DEAT\r\n", Flag4()));
  EXPECT_TRUE(Living("1 DEAT Y\r\n2 PLAC York\r\n", Flag4()));
  EXPECT_FALSE(Living("1 DEAT\r\n2 DATE 1950\r\n", Flag4()));
  // Other support flags leave the test alone.
  EXPECT_FALSE(Living("1 DEAT\r\n", platform::SupportFlags{(1u | 2u | 8u) << 4}));
}

TEST_F(PrivacyTest, LaterDeathLinesCountOnlyWithTheAllEventsFlag) {
  const std::string two_deaths = "1 DEAT\r\n1 DEAT\r\n2 DATE 1950\r\n";
  EXPECT_TRUE(Living(two_deaths, Flag4(), false));
  EXPECT_FALSE(Living(two_deaths, Flag4(), true));
}

TEST_F(PrivacyTest, YearBoundIsInclusive) {
  AssumeLivingAfter(1899);
  EXPECT_FALSE(Living("1 BIRT\r\n2 DATE ABT 1899\r\n"));
  EXPECT_FALSE(Living("1 BIRT\r\n2 DATE 1899\r\n"));
  EXPECT_FALSE(Living("1 BIRT\r\n2 DATE 31 DEC 1898\r\n"));
  EXPECT_TRUE(Living("1 BIRT\r\n2 DATE 1900\r\n"));
  EXPECT_TRUE(Living("1 BIRT\r\n2 DATE 1 JAN 1900\r\n"));
}

TEST_F(PrivacyTest, MissingOrShortBirthYearsLeaveTheIndividualLiving) {
  AssumeLivingAfter(1899);
  EXPECT_TRUE(Living(""));
  EXPECT_TRUE(Living("1 BIRT\r\n2 PLAC York\r\n"));
  EXPECT_TRUE(Living("1 BIRT Y\r\n"));
  EXPECT_TRUE(Living("1 BIRT\r\n2 DATE 5 JAN 97\r\n"));
  EXPECT_TRUE(Living("1 BIRT\r\n2 DATE 99999999999\r\n"));
}

TEST_F(PrivacyTest, LaterBirthLinesCountOnlyWithTheAllEventsFlag) {
  AssumeLivingAfter(1899);
  const std::string two_births = "1 BIRT\r\n2 PLAC York\r\n1 BIRT\r\n2 DATE 1850\r\n";
  EXPECT_TRUE(Living(two_births, {}, false));
  EXPECT_FALSE(Living(two_births, {}, true));
}

TEST_F(PrivacyTest, ABirthDateBelowTheEventIsNotItsDate) {
  AssumeLivingAfter(1899);
  EXPECT_TRUE(Living("1 BIRT\r\n2 SOUR @S1@\r\n3 DATE 1800\r\n"));
  EXPECT_TRUE(Living("1 CHR\r\n2 DATE 1800\r\n"));
}

TEST_F(PrivacyTest, OnlyExcludedLivingIndividualsAreLeftOut) {
  const GedcomRecord& living = Individual("");
  PrivacyFilter filter(options_);
  Inclusion got = filter.IsIncluded(living);
  EXPECT_TRUE(got.included);
  EXPECT_TRUE(got.living);

  options_.m_bExcludeLiving = true;
  got = filter.IsIncluded(living);
  EXPECT_FALSE(got.included);
  EXPECT_TRUE(got.living);

  got = filter.IsIncluded(Individual("1 DEAT Y\r\n"));
  EXPECT_TRUE(got.included);
  EXPECT_FALSE(got.living);
}

class PrivacyChoicesTest : public ::testing::Test {
 protected:
  std::string Given(bool living, std::string names) {
    bool replaced = filter_.FilterGivenNames(living, &names);
    return replaced ? names : "(kept) " + names;
  }
  std::string Birth(bool living, std::string date) {
    bool replaced = filter_.FilterBirthDate(living, &date);
    return replaced ? date : "(kept) " + date;
  }
  COptions options_;
  PrivacyFilter filter_{options_};
};

TEST_F(PrivacyChoicesTest, NamesOfTheDeadAreNeverTouched) {
  options_.m_nNameFilter = 1;
  options_.m_bFilterDates = true;
  options_.m_bLivingDetails = false;
  EXPECT_EQ(Given(false, "Mary Ann"), "(kept) Mary Ann");
  EXPECT_EQ(Birth(false, "1950"), "(kept) 1950");
  EXPECT_FALSE(filter_.HideDetails(false));
  options_.m_bExcludeLiving = true;
  EXPECT_EQ(Given(false, "Mary Ann"), "(kept) Mary Ann");
  EXPECT_EQ(Birth(false, "1950"), "(kept) 1950");
  EXPECT_FALSE(filter_.HideDetails(false));
}

TEST_F(PrivacyChoicesTest, NamesChoiceForIncludedLiving) {
  EXPECT_EQ(Given(true, "Mary Ann"), "(kept) Mary Ann");
  options_.m_nNameFilter = 1;
  EXPECT_EQ(Given(true, "Mary Ann Lee-Smith"), "M. A. L.");
  EXPECT_EQ(Given(true, "\xC3\x89lise  Marie"), "\xC3\x89. M.");
  options_.m_nNameFilter = 2;
  options_.m_strPrivateName = "(hidden)";
  EXPECT_EQ(Given(true, "Mary Ann"), "(hidden)");
}

TEST_F(PrivacyChoicesTest, ExcludedLivingNamesReadMarker) {
  options_.m_bExcludeLiving = true;
  for (uint8_t choice : {0, 1, 2}) {
    options_.m_nNameFilter = choice;
    EXPECT_EQ(Given(true, "Mary Ann"), ">>>") << int{choice};
  }
}

TEST_F(PrivacyChoicesTest, BirthDateReplacementIsEscaped) {
  EXPECT_EQ(Birth(true, "1950"), "(kept) 1950");
  options_.m_bFilterDates = true;
  options_.m_strPrivateDate = "<\"Kept\" & private>";
  EXPECT_EQ(Birth(true, "1950"), "&lt;&quot;Kept&quot; &amp; private&gt;");
}

TEST_F(PrivacyChoicesTest, ExcludedLivingWhoStillShowKeepNoDateOrDetails) {
  options_.m_bExcludeLiving = true;
  EXPECT_EQ(Birth(true, "1950"), "");
  EXPECT_TRUE(filter_.HideDetails(true));
}

TEST_F(PrivacyChoicesTest, DetailsHiddenOnlyWhenAskedFor) {
  EXPECT_FALSE(filter_.HideDetails(true));
  options_.m_bLivingDetails = false;
  EXPECT_TRUE(filter_.HideDetails(true));
}

}  // namespace
}  // namespace vellix
