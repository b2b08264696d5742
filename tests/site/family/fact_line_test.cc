#include "site/family/fact_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/dates.h"
#include "options/options.h"
#include "site/family/fact_collect.h"
#include "text/text_converter.h"

namespace vellix::site {
namespace {

// Fact lines built from facts made in the test; the footnote callback
// records what it was given and answers with a marker per call.
class FactLineTest : public ::testing::Test {
 protected:
  FactLineTest()
      : formatter_(options_, converter_, Recorder(),
                   [](std::string_view id, std::string_view t) {
                     return "<a href=\"grp" + std::string(id) + ".html\">" +
                            std::string(t) + "</a>";
                   }) {
    options_.m_bAlignLabels = false;
  }

  CitationRefs Recorder() {
    return [this](const std::vector<const GedcomNode*>& citations, bool superscript) {
      calls_.push_back(citations.size());
      return std::string(superscript ? " <sup>R" : " (R") +
             std::to_string(calls_.size()) + (superscript ? "</sup>" : ")");
    };
  }

  static Fact Birth() {
    Fact f;
    f.label = "Born";
    f.date = "1 JAN 1900";
    f.place = "Springfield,Ohio";
    return f;
  }

  // A fact carrying one citation (any node serves: the callback only counts).
  Fact Cited(Fact f) {
    f.line = std::make_shared<GedcomNode>(1, kTagUnknown, "BIRT", "");
    f.citations = {f.line.get()};
    return f;
  }

  COptions options_;
  text::TextConverter converter_;
  std::vector<size_t> calls_;
  FactFormatter formatter_;
};

TEST_F(FactLineTest, DateDisplayReplacesDateWordsAndPadsDays) {
  EXPECT_EQ(formatter_.DateDisplay("ABT 3 JAN 1900"), "about 03 JAN 1900");
  EXPECT_EQ(formatter_.DateDisplay("BET 1900 - 1910"), "between 1900-1910");
  EXPECT_EQ(formatter_.DateDisplay("BEF 5 JAN. 1900"), "before 05 JAN 1900");
  EXPECT_EQ(formatter_.DateDisplay("aft 1850"), "after 1850");
  EXPECT_EQ(formatter_.DateDisplay("CIRCA 1850"), "about 1850");
  EXPECT_EQ(formatter_.DateDisplay("EST 1850"), "about 1850");
  // Only the first one-digit run is padded; periods between digits stay.
  EXPECT_EQ(formatter_.DateDisplay("1.2.1900"), "01.2.1900");
  EXPECT_EQ(formatter_.DateDisplay("12 MAR 1900"), "12 MAR 1900");
  // A between date with TO; "BTN" in lower case is still a between word.
  EXPECT_EQ(formatter_.DateDisplay("btn 1900 TO 1910"), "between 1900-1910");
  // A between date keeps the about words it holds untouched.
  EXPECT_EQ(formatter_.DateDisplay("BET ABT 1900 - 1910"), "between ABT 1900-1910");
}

TEST_F(FactLineTest, DateDisplayFollowsTheOptionSet) {
  options_.m_strShowAbout = "c.";
  options_.m_strDateAnd = "AND";
  options_.m_strShowHyphen = " to ";
  EXPECT_EQ(formatter_.DateDisplay("ABT 1900"), "c. 1900");
  EXPECT_EQ(formatter_.DateDisplay("BET 1900 AND 1910"), "between 1900 to 1910");
  options_.m_nMonthNames = kMonthFull;
  EXPECT_EQ(formatter_.DateDisplay("2 FEB 1900"),
            "02 " + MonthNames::User().full[1] + " 1900");
  options_.m_bFormatDates = false;
  EXPECT_EQ(formatter_.DateDisplay("ABT 3 JAN. 1900"), "ABT 3 JAN. 1900");
}

TEST_F(FactLineTest, ParagraphLayout) {
  Fact birth = Birth();
  EXPECT_EQ(
      formatter_.OtherFactLine(birth, false, true),
      "<span class=\"vx-lblpmt\">Born:</span> <span class=\"vx-fam vx-date\">01 JAN "
      "1900</span><span class=\"vx-fam vx-place\">&nbsp;in Springfield, Ohio</span><br>");
  // Place and address are set apart by "; ", and so is the description.
  birth.address = "12 Main St%BR%Suite 4";
  birth.description = "at home";
  EXPECT_EQ(
      formatter_.OtherFactLine(birth, false, false),
      "<span class=\"vx-lblpmt\">Born:</span> <span class=\"vx-fam vx-date\">01 JAN "
      "1900</span><span class=\"vx-fam vx-place\">&nbsp;Springfield, Ohio; 12 Main St; "
      "Suite 4; at home</span><br>");
  EXPECT_TRUE(calls_.empty());
}

TEST_F(FactLineTest, AlignedLabelTableLayout) {
  options_.m_bAlignLabels = true;
  EXPECT_EQ(formatter_.OtherFactLine(Birth(), false, true),
            "<tr><td class=\"vx-lbl\"><div class=\"vx-fam\"><span "
            "class=\"vx-lblpmt\">Born:</span></div></td><td><span class=\"vx-fam "
            "vx-date\">01 JAN 1900</span><span class=\"vx-fam vx-place\">&nbsp;in "
            "Springfield, Ohio</span></td></tr>\r\n");
}

TEST_F(FactLineTest, FixedWidthLayoutPadsLabelsDatesAndBreaks) {
  options_.m_bAlignLabels = true;
  options_.m_bRightJustify = false;
  formatter_.set_fixed_font(true);
  formatter_.set_label_width(8);
  Fact birth = Birth();
  EXPECT_EQ(formatter_.OtherFactLine(birth, false, true),
            "<span class=\"vx-lblpmt\">Born:   </span><span class=\"vx-date\"> 01 JAN "
            "1900</span><span class=\"vx-place\"> in Springfield, Ohio</span><br>");
  options_.m_bRightJustify = true;
  options_.m_bAlignPlaces = true;
  options_.m_nDateWidth = 12;
  birth.address = "12 Main St";
  EXPECT_EQ(
      formatter_.OtherFactLine(birth, false, true),
      "<span class=\"vx-lblpmt\">   Born:</span><span class=\"vx-date\"> 01 JAN 1900 "
      "</span><span class=\"vx-place\"> in Springfield, Ohio<br>         12 Main "
      "St</span><br>");
  // The date field is padded only for lines in place.
  EXPECT_EQ(formatter_.OtherFactLine(Birth(), false, false),
            "<span class=\"vx-lblpmt\">   Born:</span><span class=\"vx-date\"> 01 JAN "
            "1900</span><span class=\"vx-place\"> Springfield, Ohio</span><br>");
}

TEST_F(FactLineTest, LabelWidthFromTheLongestLabelOrTheOption) {
  options_.m_bAlignLongest = true;
  formatter_.SetLabelWidthFromLongest(7);
  EXPECT_EQ(formatter_.label_width(), 8);
  options_.m_bAlignLongest = false;
  options_.m_nLabelWidth = 12;
  formatter_.SetLabelWidthFromLongest(7);
  EXPECT_EQ(formatter_.label_width(), 12);
  PersonFacts person;
  person.born.push_back(Birth());
  Fact occupation;
  occupation.label = "Occupation";
  person.other.push_back(occupation);
  EXPECT_EQ(LongestLabel(person), 10u);
}

TEST_F(FactLineTest, FootnoteReferencesFollowThePlaceOrTheDate) {
  Fact birth = Cited(Birth());
  EXPECT_EQ(
      formatter_.OtherFactLine(birth, false, true),
      "<span class=\"vx-lblpmt\">Born:</span> <span class=\"vx-fam vx-date\">01 JAN "
      "1900</span><span class=\"vx-fam vx-place\">&nbsp;in Springfield, Ohio "
      "(R1)</span><br>");
  options_.m_bSuperscript = true;
  Fact dated = Cited(Fact{});
  dated.label = "Died";
  dated.date = "1950";
  EXPECT_EQ(formatter_.OtherFactLine(dated, false, true),
            "<span class=\"vx-lblpmt\">Died:</span> <span class=\"vx-fam "
            "vx-date\">1950</span> <sup>R2</sup><br>");
  // A description alone carries its references at its end.
  Fact described = Cited(Fact{});
  described.label = "Occupation";
  described.description = "Farmer";
  EXPECT_EQ(formatter_.OtherFactLine(described, false, false),
            "<span class=\"vx-lblpmt\">Occupation:</span> <span class=\"vx-fam "
            "vx-place\">&nbsp;Farmer <sup>R3</sup></span><br>");
  EXPECT_EQ(calls_, (std::vector<size_t>{1, 1, 1}));
}

TEST_F(FactLineTest, EmptyLinesAndTheOmitOption) {
  std::vector<Fact> none;
  EXPECT_EQ(formatter_.BmdLines(none, kBmdDied, false),
            "<span class=\"vx-lblpmt\">Died:</span> <br>");
  options_.m_bOmitEmptyLabels = true;
  EXPECT_EQ(formatter_.BmdLines(none, kBmdDied, false), "");
  EXPECT_EQ(formatter_.BmdLines(none, kBmdBorn, false), "");
  // A line with citations only is kept.
  Fact cited = Cited(Fact{});
  cited.label = "Died";
  EXPECT_EQ(formatter_.OtherFactLine(cited, false, true),
            "<span class=\"vx-lblpmt\">Died:</span>  (R1)<br>");
  std::vector<Fact> two{Birth(), Birth()};
  two[1].label = "Baptised";
  two[1].place.clear();
  EXPECT_EQ(
      formatter_.BmdLines(two, kBmdBorn, false),
      "<span class=\"vx-lblpmt\">Born:</span> <span class=\"vx-fam vx-date\">01 JAN "
      "1900</span><span class=\"vx-fam vx-place\">&nbsp;in Springfield, Ohio</span><br>"
      "<span class=\"vx-lblpmt\">Baptised:</span> <span class=\"vx-fam vx-date\">01 JAN "
      "1900</span><br>");
}

TEST_F(FactLineTest, InlineFactNotes) {
  options_.m_bAlignLabels = true;
  Fact fact;
  fact.label = "Census";
  fact.date = "1900";
  fact.notes = {{"Listed as <head>", "second line"}};
  const std::string plain =
      "<tr><td class=\"vx-lbl\"><div class=\"vx-fam\"><span "
      "class=\"vx-lblpmt\">Census:</span></div></td><td><span class=\"vx-fam "
      "vx-date\">1900</span></td></tr>\r\n";
  EXPECT_EQ(formatter_.OtherFactLine(fact, false, false), plain);  // fact notes off
  options_.m_bFactNotes = true;
  EXPECT_EQ(formatter_.OtherFactLine(fact, false, false),
            "<tr><td class=\"vx-lbl\" valign=\"top\"><div class=\"vx-fam\"><span "
            "class=\"vx-lblpmt\">Census:</span></div></td><td><span class=\"vx-fam "
            "vx-date\">1900</span><br><div class=\"vx-einote\">\r\n<p>Listed as "
            "&lt;head&gt;<br>\r\nsecond line</p>\r\n</div></td></tr>\r\n");
  options_.m_bFactNotesOutside = true;
  EXPECT_EQ(formatter_.OtherFactLine(fact, false, false), plain);
  // Outside the group sheet the notes still show.
  EXPECT_EQ(formatter_.EventParagraph(fact, false),
            "<p><span class=\"vx-lblpmt\">Census: </span>1900</p><div "
            "class=\"vx-enote\">\r\n<p>Listed as &lt;head&gt;<br>\r\nsecond "
            "line</p>\r\n</div>\r\n");
}

TEST_F(FactLineTest, ReferenceNumbersOnlyWithTheOption) {
  FactLineArgs a;
  a.label = "Husband";
  a.name_text = "Ann Lee";
  a.has_name = true;
  a.ref_number = "42";
  EXPECT_EQ(formatter_.FactLine(a),
            "<span class=\"vx-lblpmt\">Husband:</span> Ann Lee<br>");
  options_.m_bRefNumbers = true;
  EXPECT_EQ(formatter_.FactLine(a),
            "<span class=\"vx-lblpmt\">Husband:</span> Ann Lee [42]<br>");
}

TEST_F(FactLineTest, EventParagraphs) {
  Fact fact = Cited(Birth());
  fact.label = "Residence";
  fact.address = "12 Main St";
  fact.description = "with <family>";
  EXPECT_EQ(
      formatter_.EventParagraph(fact, false),
      "<p><span class=\"vx-lblpmt\">Residence: </span>01 JAN 1900, Springfield, Ohio; 12 "
      "Main St; with &lt;family&gt; <sup>R1</sup></p>");
  Fact godparent;
  godparent.label = "Godparent";
  godparent.place = "York";
  godparent.person_name = "Mary Lee";
  EXPECT_EQ(formatter_.EventParagraph(godparent, false),
            "<p><span class=\"vx-lblpmt\">Godparent: </span>Mary Lee</p>");
  Fact unlabelled;
  unlabelled.date = "1900";
  EXPECT_EQ(formatter_.EventParagraph(unlabelled, false), "<p>1900</p>");
}

TEST_F(FactLineTest, RelativesLinkWhenTheyHaveAPage) {
  std::vector<Relative> fathers{{"John <Sr> Lee", "f1"}, {"Tom Lee", ""}};
  EXPECT_EQ(
      formatter_.RelativesLine("Father", fathers),
      "<span class=\"vx-lblpmt\">Father:</span> <a href=\"grpf1.html\">John &lt;Sr&gt; "
      "Lee</a>; Tom Lee<br>");
  options_.m_bOmitEmptyLabels = true;
  EXPECT_EQ(formatter_.RelativesLine("Spouses", {}), "");
}

TEST_F(FactLineTest, PrivateDateIsNotEscapedTwice) {
  Fact fact;
  fact.label = "Born";
  fact.date = "&lt;hidden&gt;";
  fact.date_is_html = true;
  EXPECT_EQ(formatter_.OtherFactLine(fact, false, true),
            "<span class=\"vx-lblpmt\">Born:</span> <span class=\"vx-fam "
            "vx-date\">&lt;hidden&gt;</span><br>");
}

}  // namespace
}  // namespace vellix::site
