#include "site/index/name_index.h"

#include <gtest/gtest.h>

#include "index_fixture.h"
#include "run/run_log_entries.h"
#include "testing/log_entry_pages.h"

namespace vellix::site {
namespace {

using testing::Pages;

using Texts = std::vector<std::string>;

class NameIndexTest : public IndexTest {
 protected:
  Texts Names() const {
    Texts names;
    for (const IndexEntry& e : index_.entries())
      names.push_back(e.name.str() + " " + e.lifespan.str());
    return names;
  }
  Texts References() const {
    Texts refs;
    for (const IndexEntry& e : index_.entries()) refs.emplace_back(e.reference);
    return refs;
  }
};

TEST_F(NameIndexTest, EntryHoldsTheIndexFormOfTheIndividual) {
  IndividualSummary s = Person("I7", "John Paul", "Smith", "ABT 1850", "1901", "F3");
  s.name.suffix = "Jr.";
  s.relationship = "great-grandfather";
  s.familyPageIds = {"F1", "F3"};
  ASSERT_TRUE(index_.AddIndividual(s, uint8_t{0}));
  const IndexEntry* e = index_.Find("I7");
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->name, "Smith, John Paul, Jr.");
  EXPECT_EQ(e->givenEnd, 16);
  EXPECT_EQ(e->lifespan, "(&#126;1850 - 1901)");
  EXPECT_EQ(e->pageName, "F3");
  EXPECT_EQ(e->referenceNumber, 7);
  EXPECT_EQ(e->relationship, "great-grandfather");
  EXPECT_EQ(Texts(e->familyKeys.begin(), e->familyKeys.end()), (Texts{"F1", "F3"}));
  EXPECT_EQ(index_.count(), 1);
}

TEST_F(NameIndexTest, NothingIsAddedWithoutAPage) {
  EXPECT_TRUE(index_.AddIndividual(Person("I1", "Ann", "Lee", "", "", "x"), uint8_t{0}));
  IndividualSummary s = Person("I2", "Bo", "Lee");
  s.homePageId.clear();
  EXPECT_FALSE(index_.AddIndividual(s, uint8_t{0}));
  EXPECT_EQ(index_.count(), 1);
  EXPECT_EQ(index_.Find("I2"), nullptr);
}

TEST_F(NameIndexTest, ExcludedLivingIndividualsLeaveNoTrace) {
  options_.m_bExcludeLiving = true;
  IndividualSummary living = Person("I1", "Ann", "Secret", "1990");
  living.living = true;
  EXPECT_FALSE(index_.AddIndividual(living, uint8_t{0}));
  index_.AddIndividual(Person("I2", "Bo", "Open", "1850"), uint8_t{0});
  index_.Sort(NameIndex::SortMode::kIndex);
  index_.Paginate();
  EXPECT_EQ(index_.count(), 1);
  ASSERT_EQ(index_.groups().size(), 1u);
  EXPECT_EQ(index_.groups()[0].surname, "Open");
}

TEST_F(NameIndexTest, LivingIndividualsShowFilteredNamesAndDates) {
  options_.m_nNameFilter = 2;
  options_.m_bFilterDates = true;
  IndividualSummary living = Person("I1", "Ann Marie", "Lee", "1990");
  living.living = true;
  index_.AddIndividual(living, uint8_t{0});
  EXPECT_EQ(index_.Find("I1")->name, "Lee, (Private)");
  EXPECT_EQ(index_.Find("I1")->lifespan, "(Private)");
}

TEST_F(NameIndexTest, IndexSortIsStableAndFoldsLetters) {
  index_.AddIndividual(Person("I1", "Zed", "smith"), uint8_t{0});
  index_.AddIndividual(Person("I2", "Ann", "Baker"), uint8_t{0});
  index_.AddIndividual(Person("I3", "Al", "SMITH", "1900"), uint8_t{0});
  index_.AddIndividual(Person("I4", "Al", "Smith", "1900"), uint8_t{0});
  index_.AddIndividual(Person("I5", "Al", "Öberg"), uint8_t{0});
  index_.AddIndividual(Person("I6", "Al", "Oakes"), uint8_t{0});
  index_.AddIndividual(Person("I7", "Al", "", "1800"), uint8_t{0});
  index_.AddIndividual(Person("I8", "Al", "Smith", "1900"), uint8_t{0});
  index_.Sort(NameIndex::SortMode::kIndex);
  // Equal names and lifespans keep the order they were added in.
  EXPECT_EQ(References(), (Texts{"I7", "I2", "I6", "I5", "I3", "I4", "I8", "I1"}));
  index_.Paginate();
  // One group per surname whatever its letter case, spelled as its first.
  ASSERT_EQ(index_.groups().size(), 5u);
  EXPECT_EQ(index_.groups()[4].surname, "SMITH");
  EXPECT_EQ(index_.groups()[4].count, 4);
  EXPECT_EQ(index_.groups()[0].surname, "?");
  EXPECT_EQ(index_.letters(),
            (std::vector<IndexLetter>{{"?", 1}, {"B", 1}, {"O", 1}, {"S", 1}}));
  // The lookup follows the entries to their sorted places.
  EXPECT_EQ(index_.Find("I3")->name, "SMITH, Al");
}

TEST_F(NameIndexTest, DialogSortsByReferenceTextOrNumber) {
  for (const char* key : {"I10", "i2", "X1", "I1"}) {
    index_.AddIndividual(Person(key, "A", "B"), uint8_t{0});
  }
  index_.Sort(NameIndex::SortMode::kReference);
  EXPECT_EQ(References(), (Texts{"I1", "I10", "i2", "X1"}));
  index_.Sort(NameIndex::SortMode::kReferenceNumber);
  EXPECT_EQ(References(), (Texts{"I1", "X1", "i2", "I10"}));
}

TEST_F(NameIndexTest, PageLinksReachEntriesAddedBeforeOrAfter) {
  index_.SetPageLinks("I1", "early");
  EXPECT_EQ(index_.Find("I1"), nullptr);
  EXPECT_EQ(index_.PageLinksOf("I1"), "early");
  EXPECT_EQ(index_.PageLinksOf("i1"), "");  // another individual
  index_.AddIndividual(Person("I1", "A", "B"), uint8_t{0});
  EXPECT_EQ(index_.Find("I1")->pageLinks, "early");
  index_.SetPageLinks("I1", "late");
  EXPECT_EQ(index_.Find("I1")->pageLinks, "late");
  EXPECT_EQ(index_.count(), 1);
}

TEST_F(NameIndexTest, TheSameIndividualIsListedOnce) {
  index_.AddIndividual(Person("I1", "A", "Old"), uint8_t{0});
  index_.AddIndividual(Person("I1", "A", "New"), uint8_t{0});
  EXPECT_EQ(index_.count(), 1);
  EXPECT_EQ(index_.Find("I1")->name, "New, A");
}

TEST_F(NameIndexTest, IconFlagsComeFromTheFamilyPageMarksAndTheAttributes) {
  GedcomRecord* record =
      store_.Add(RecordKind::kIndividual, kTagIndi, "INDI", "I1", "", 0);
  ASSERT_NE(record, nullptr);
  record->markValue = kIconNarrative | kIconFamilyGallery;
  index_.set_record_store(&store_);
  IndividualSummary s = Person("I1", "A", "B");
  s.biographyLink = "bio.html";
  index_.AddIndividual(s, false);
  EXPECT_EQ(index_.Find("I1")->flags,
            kIconNarrative | kIconFamilyGallery | kIconBiography);

  // Details of a living individual hidden by the filters give no icons.
  options_.m_bLivingDetails = false;
  IndividualSummary living = Person("I2", "A", "B");
  living.living = true;
  living.biographyLink = "bio2.html";
  living.image = "me.jpg";
  index_.AddIndividual(living, false);
  EXPECT_EQ(index_.Find("I2")->flags, 0);
  EXPECT_EQ(index_.Find("I2")->biographyLink, "");
}

TEST_F(NameIndexTest, DialogWalksTheSortedEntriesWithPlainMarkers) {
  index_.set_html_markers(false);
  IndividualSummary s = Person("I1", "John", "Smith", "AFT 1850", "BEF 1900");
  s.name.suffix = "Jr.";
  index_.AddIndividual(s, uint8_t{0});
  index_.AddIndividual(Person("I2", "Ann", "Adams", "ABT 1800"), uint8_t{0});
  index_.Sort(NameIndex::SortMode::kIndex);
  EXPECT_EQ(index_.PriorEntry(), nullptr);
  const IndexEntry* first = index_.NextEntry();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(NameIndex::DialogText(*first, true), "Adams, Ann (~1800 - )");
  const IndexEntry* second = index_.NextEntry();
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(NameIndex::DialogText(*second, false), "Smith, John, Jr. (>1850 - <1900)");
  EXPECT_EQ(NameIndex::DialogText(*second, true), "Smith, John (>1850 - <1900)");
  EXPECT_EQ(index_.NextEntry(), nullptr);
  EXPECT_EQ(index_.PriorEntry(), first);
  index_.ResetCursor();
  EXPECT_EQ(index_.NextEntry(), first);
}

TEST_F(NameIndexTest, ResetEmptiesEverything) {
  AddMany("I", "Lee", 3);
  index_.SetPageLinks("X", "links");
  index_.Sort(NameIndex::SortMode::kIndex);
  index_.Paginate();
  index_.Reset();
  EXPECT_EQ(index_.count(), 0);
  EXPECT_TRUE(index_.groups().empty());
  EXPECT_TRUE(index_.letters().empty());
  EXPECT_EQ(index_.page_count(), 0);
  EXPECT_EQ(index_.PageLinksOf("X"), "");
}

TEST_F(NameIndexTest, IndividualsLogTakesNamesInIndexOrder) {
  IndividualSummary s = Person("I2", "Zoe Ann", "Lee");
  s.relationship = "aunt";
  s.image = "zoe.jpg";
  index_.AddIndividual(s, uint8_t{0});
  index_.AddIndividual(Person("I1", "Bo", ""), uint8_t{0});
  index_.Sort(NameIndex::SortMode::kIndex);
  RunLogEntries log;
  log.SetDetail(log.Individual("I2"), &IndividualLogDetails::relationship,
                "set by the family page");
  RecordLogEntries(index_, &log);
  ASSERT_EQ(log.individuals().size(), 2u);
  const IndividualLogEntry& lee = log.individuals()[0];
  EXPECT_EQ(lee.ref, "I2");
  EXPECT_EQ(lee.name_first, "Zoe Ann");
  EXPECT_EQ(lee.name_second, "Lee");
  EXPECT_EQ(log.DetailsOf(lee).relationship, "set by the family page");
  EXPECT_EQ(log.DetailsOf(lee).image_file, "zoe.jpg");
  EXPECT_EQ(log.individuals()[1].name_first, "Bo");
  EXPECT_EQ(log.individuals()[1].name_second, "");
}

TEST_F(NameIndexTest, IndividualsLogListsFamilyPagesWhenNoFamilyPageWasWritten) {
  IndividualSummary with_pages = Person("I1", "Ann", "Lee");
  with_pages.familyPageIds = {"F1", "F-3"};
  IndividualSummary shown = Person("I2", "Bo", "Lee");
  shown.familyPageIds = {"F1"};
  index_.AddIndividual(with_pages, uint8_t{0});
  index_.AddIndividual(shown, uint8_t{0});
  RunLogEntries log;
  log.AddFamilyPage("I2", "grpf1.html");  // the family page writer recorded it
  RecordLogEntries(index_, &log);
  ASSERT_EQ(log.individuals().size(), 2u);
  EXPECT_EQ(log.individuals()[0].ref, "I2");
  EXPECT_EQ(Pages(log.individuals()[0]), (Texts{"grpf1.html"}));
  EXPECT_EQ(log.individuals()[1].ref, "I1");
  EXPECT_EQ(Pages(log.individuals()[1]), (Texts{"grpf1.html", "grpf3.html"}));
}

}  // namespace
}  // namespace vellix::site

namespace vellix::site {
namespace {

// I1 and i1 are two people with two entries; neither replaces the other.
TEST_F(NameIndexTest, ReferencesThatDifferOnlyByCaseAreTwoEntries) {
  index_.AddIndividual(Person("I1", "Upper", "Case"), uint8_t{0});
  index_.AddIndividual(Person("i1", "Lower", "Case"), uint8_t{0});
  EXPECT_EQ(index_.count(), 2);
  ASSERT_NE(index_.Find("I1"), nullptr);
  ASSERT_NE(index_.Find("i1"), nullptr);
  EXPECT_EQ(index_.Find("I1")->name, "Case, Upper");
  EXPECT_EQ(index_.Find("i1")->name, "Case, Lower");
}

// A NAME line with nothing in it gives no name: such a person is filed with
// the other surname-less people (under the unknown-surname heading), not
// under a blank heading of his own.
TEST_F(NameIndexTest, AnEmptyNameIsFiledWithoutSurname) {
  for (const char* raw : {"", "//", " / / "}) {
    index_.Reset();
    IndividualSummary s = Person("I1", "", "");
    s.name = GedcomName();
    s.name.ParseName(GedcomNode(1, kTagName, "NAME", raw), options_);
    ASSERT_TRUE(index_.AddIndividual(s, uint8_t{0}));
    index_.AddIndividual(Person("I2", "Al", ""), uint8_t{0});
    index_.Sort(NameIndex::SortMode::kIndex);
    index_.Paginate();
    ASSERT_EQ(index_.groups().size(), 1u) << raw;
    EXPECT_EQ(index_.groups()[0].surname, "?") << raw;
    EXPECT_EQ(index_.groups()[0].count, 2) << raw;
  }
}

}  // namespace
}  // namespace vellix::site
