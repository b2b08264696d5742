#include "site/family/notes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "options/options.h"
#include "site/family/fact_collect.h"
#include "text/text_converter.h"

namespace vellix::site {
namespace {

class NotesTest : public ::testing::Test {
 protected:
  NotesTest() : formatter_(options_, converter_, {}, {}) {
    person_.display_name = "Ann Lee";
    person_.research_notes = {{"Letter", "page two"}, {"Census & more"}};
    person_.medical_notes = {{"Asthma"}};
    family_.marriage_notes = {{"Happy"}};
  }

  COptions options_;
  text::TextConverter converter_;
  FactFormatter formatter_;
  PersonFacts person_;
  FamilyFacts family_;
};

TEST_F(NotesTest, NoteBlocks) {
  EXPECT_EQ(NoteBlock(formatter_, "Notes:", person_.research_notes, false),
            "<p class=\"vx-ievt\"><span class=\"vx-lblpmt\">Notes:</span></p>\r\n<div "
            "class=\"vx-inote\">\r\n<p>Letter<br>\r\npage two</p>\r\n<p>Census &amp; "
            "more</p>\r\n</div>\r\n");
  EXPECT_EQ(NoteBlock(formatter_, "", family_.marriage_notes, false),
            "<p><div class=\"vx-inote\">\r\n<p>Happy</p>\r\n</div>\r\n");
  EXPECT_EQ(NoteBlock(formatter_, "Notes:", {}, false),
            "<p class=\"vx-ievt\"><span class=\"vx-lblpmt\">Notes:</span></p>\r\n");
}

TEST_F(NotesTest, WithinThePageByDisplayChoice) {
  EXPECT_EQ(NotesWithinPage(formatter_, person_, &family_, false), "");
  options_.m_nMedicalNotes = 2;
  options_.m_nResearchNotes = 1;
  options_.m_nMarriageNotes = 2;
  EXPECT_EQ(
      NotesWithinPage(formatter_, person_, &family_, false),
      "<p class=\"vx-ievt\"><span class=\"vx-lblpmt\">Medical Notes:</span></p>\r\n<div "
      "class=\"vx-inote\">\r\n<p>Asthma</p>\r\n</div>\r\n"
      "<p class=\"vx-ipmt\">Marriage Notes</p>\r\n<p><div "
      "class=\"vx-inote\">\r\n<p>Happy</p>\r\n</div>\r\n");
  // The wife's row has no marriage notes; a hidden couple shows none.
  EXPECT_EQ(NotesWithinPage(formatter_, person_, nullptr, false).find("Marriage"),
            std::string::npos);
  family_.hidden = true;
  person_.hidden = true;
  EXPECT_EQ(NotesWithinPage(formatter_, person_, &family_, false), "");
}

TEST_F(NotesTest, PersonEntryOfTheAdditionalInformation) {
  EXPECT_EQ(PersonEndSection(formatter_, person_, 2, false), "");  // nothing at the end
  options_.m_nResearchNotes = 1;
  Fact religion;
  religion.label = "Religion";
  religion.description = "Quaker";
  person_.end.push_back(religion);
  AlternateName alt;
  alt.display = "Anna Leigh";
  person_.names_end.push_back(alt);
  EXPECT_EQ(PersonEndSection(formatter_, person_, 2, false),
            "<p class=\"vx-ipmt\">(02) Ann Lee:</p>\r\n<div class=\"vx-ievt\">\r\n"
            "<p><span class=\"vx-lblpmt\">Name: </span>Anna Leigh</p>\r\n"
            "<p><span class=\"vx-lblpmt\">Religion: </span>Quaker</p>\r\n</div>\r\n"
            "<p class=\"vx-ievt\"><span class=\"vx-lblpmt\">Notes:</span></p>\r\n<div "
            "class=\"vx-inote\">\r\n<p>Letter<br>\r\npage two</p>\r\n<p>Census &amp; "
            "more</p>\r\n</div>\r\n");
  EXPECT_EQ(PersonEndSection(formatter_, person_, 0, false)
                .rfind("<p class=\"vx-ipmt\">Ann Lee:</p>\r\n", 0),
            0u);
  person_.hidden = true;
  EXPECT_EQ(PersonEndSection(formatter_, person_, 2, false), "");
}

TEST_F(NotesTest, FamilyEntryOfTheAdditionalInformation) {
  EXPECT_EQ(FamilyEndSection(formatter_, family_, false), "");
  options_.m_nMarriageNotes = 1;
  Fact divorce;
  divorce.label = "Divorced";
  divorce.date = "1930";
  family_.end.push_back(divorce);
  EXPECT_EQ(FamilyEndSection(formatter_, family_, false),
            "<p class=\"vx-ipmt\">Marriage Notes</p>\r\n<div class=\"vx-ievt\">\r\n"
            "<p><span class=\"vx-lblpmt\">Divorced: </span>1930</p>\r\n</div>\r\n"
            "<p><div class=\"vx-inote\">\r\n<p>Happy</p>\r\n</div>\r\n");
  family_.hidden = true;
  EXPECT_EQ(FamilyEndSection(formatter_, family_, false), "");
}

}  // namespace
}  // namespace vellix::site
