// The census of family reference numbers: present in all, some or no
// family records, and whether the values would name distinct pages.
#include "model/family_ref_census.h"

#include <gtest/gtest.h>

#include <string>

#include "gedcom/reader_fixture.h"

namespace vellix {
namespace {

using testing::Gedcom;

class FamilyRefCensusTest : public testing::ReaderTest {
 protected:
  FamilyRefCensusSet Census(const std::string& body, const std::string& tag) {
    EXPECT_TRUE(Read(Gedcom(body)));
    return TakeFamilyRefCensus(reader_, store_, tag);
  }
};

std::string Fam(const std::string& key, const std::string& lines = "") {
  return "0 @" + key + "@ FAM\r\n" + lines;
}

std::string Fact(const std::string& type, const std::string& value) {
  return "1 EVEN " + value + "\r\n2 TYPE " + type + "\r\n";
}

TEST_F(FamilyRefCensusTest, AllSomeNoneUniqueAndRepeatedValues) {
  const FamilyRefCensusSet census =
      Census(Fam("F1", "1 REFN 101\r\n1 RIN 7\r\n" + Fact("FamNo", "F-1")) +
                 Fam("F2", "1 REFN 102\r\n1 RIN 7\r\n" + Fact("FamNo", "F1")) +
                 Fam("F3", "1 REFN 103\r\n" + Fact("Other", "x")),
             "FamNo");
  EXPECT_EQ(CensusText(census.refn), "In ALL records and values are UNIQUE");
  EXPECT_EQ(CensusText(census.rin), "In SOME records but values are NOT unique");
  // "F-1" and "F1" would both be page grpf1.html.
  EXPECT_EQ(CensusText(census.custom), "In SOME records but values are NOT unique");
  EXPECT_EQ(census.refn.families, 3);
  EXPECT_EQ(census.rin.with_value, 2);
  EXPECT_EQ(census.custom_tag, "FamNo");
}

TEST_F(FamilyRefCensusTest, TheTableOfCensusTexts) {
  const struct {
    FamilyRefCensus census;
    std::string text;
  } cases[] = {
      {{3, 0, true}, "Not found in any records"},
      {{0, 0, true}, "Not found in any records"},
      {{3, 3, true}, "In ALL records and values are UNIQUE"},
      {{3, 3, false}, "In ALL records but values are NOT unique"},
      {{3, 1, true}, "In SOME records and values are UNIQUE"},
      {{3, 2, false}, "In SOME records but values are NOT unique"},
  };
  for (const auto& c : cases) EXPECT_EQ(CensusText(c.census), c.text);
}

TEST_F(FamilyRefCensusTest, ValuesThatNameNoPageAndAnEmptyTagAreNotFound) {
  const FamilyRefCensusSet census = Census(
      Fam("F1", "1 REFN ../..\r\n" + Fact("", "5")) + Fam("F2", "1 RIN 8\r\n"), "");
  EXPECT_EQ(CensusText(census.refn), "Not found in any records");
  EXPECT_EQ(CensusText(census.rin), "In SOME records and values are UNIQUE");
  EXPECT_EQ(CensusText(census.custom), "Not found in any records");

  const FamilyRefCensusSet none = Census("0 @I1@ INDI\r\n1 NAME A /B/\r\n", "FamNo");
  EXPECT_EQ(none.refn.families, 0);
  EXPECT_EQ(CensusText(none.custom), "Not found in any records");
}

TEST_F(FamilyRefCensusTest, TheCustomFactIsTheFirstEvenOfExactlyThatType) {
  const FamilyRefCensusSet census =
      Census(Fam("F1", Fact("famno", "1") + Fact("FamNo", "2")) +
                 Fam("F2", Fact("FamNo", "3") + Fact("FamNo", "2")),
             "FamNo");
  EXPECT_EQ(CensusText(census.custom), "In ALL records and values are UNIQUE");
}

}  // namespace
}  // namespace vellix
