#include "site/family/name_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "options/options.h"
#include "site/family/fact_collect.h"
#include "text/text_converter.h"

namespace vellix::site {
namespace {

class NameLineTest : public ::testing::Test {
 protected:
  NameLineTest()
      : formatter_(
            options_, converter_,
            [this](const std::vector<const GedcomNode*>& citations, bool superscript) {
              cited_ += citations.size();
              return std::string(superscript ? " <sup>1</sup>" : " (1)");
            },
            [](std::string_view id, std::string_view t) {
              return "<a href=\"grp" + std::string(id) + ".html\">" + std::string(t) +
                     "</a>";
            }) {
    options_.m_bAlignLabels = false;
    source_ = std::make_shared<GedcomNode>(1, kTagSour, "SOUR", "@S1@");
    person_.display_name = "Ann <Nan> Lee";
    person_.name_citations = {source_.get()};
  }

  COptions options_;
  text::TextConverter converter_;
  size_t cited_ = 0;
  FactFormatter formatter_;
  std::shared_ptr<GedcomNode> source_;
  PersonFacts person_;
};

TEST_F(NameLineTest, NameWithLinkSuffixAndReferences) {
  EXPECT_EQ(
      PersonNameLine(formatter_, "Wife", person_, " <span class=\"vx-bio\">(bio)</span>",
                     "7", "F2"),
      "<span class=\"vx-lblpmt\">Wife:</span> <a href=\"grpF2.html\">Ann &lt;Nan&gt; "
      "Lee</a> <span class=\"vx-bio\">(bio)</span> (1)<br>");
  EXPECT_EQ(cited_, 1u);
  options_.m_bSuperscript = true;
  options_.m_bRefNumbers = true;
  EXPECT_EQ(
      PersonNameLine(formatter_, "Wife", person_, {}, "7", {}),
      "<span class=\"vx-lblpmt\">Wife:</span> Ann &lt;Nan&gt; Lee [7] <sup>1</sup><br>");
}

TEST_F(NameLineTest, ExcludedLivingPersonShowsTheFilteredNameAlone) {
  options_.m_bRefNumbers = true;
  person_.excluded = true;
  person_.hidden = true;
  person_.display_name = ">>>";
  EXPECT_EQ(PersonNameLine(formatter_, "Wife", person_, "(bio)", "7", "F2"),
            "<span class=\"vx-lblpmt\">Wife:</span> &gt;&gt;&gt;<br>");
  EXPECT_EQ(cited_, 0u);  // no footnote numbers were taken
  // Nothing but empty labelled lines and no notes.
  EXPECT_EQ(formatter_.BmdLines(person_, kBmdBorn, false),
            "<span class=\"vx-lblpmt\">Born:</span> <br>");
  EXPECT_EQ(formatter_.OtherFactLines(person_, false), "");
}

TEST_F(NameLineTest, ChildLabels) {
  EXPECT_EQ(ChildLabel(formatter_, 1, 'M', false), "01&nbsp; (M):");
  EXPECT_EQ(ChildLabel(formatter_, 12, 'F', true), "12&nbsp; (F):");  // option off
  options_.m_bRelationship = true;
  EXPECT_EQ(ChildLabel(formatter_, 1, 'F', true),
            "<span class=\"vx-lblrel\">01&gt;</span> (F):");
  options_.m_strLblMale = "Son";
  EXPECT_EQ(ChildLabel(formatter_, 3, 'M', false), "03&nbsp; (Son):");
  EXPECT_EQ(ChildLabel(formatter_, 4, 'U', false), "04&nbsp; (?):");
}

TEST_F(NameLineTest, ChildLabelsInFixedWidthText) {
  options_.m_bAlignLabels = true;
  options_.m_bRightJustify = true;
  formatter_.set_fixed_font(true);
  formatter_.set_label_width(10);
  // "01 " then " (M):" right-aligned to 10 - 3 columns.
  EXPECT_EQ(ChildLabel(formatter_, 1, 'M', false), "01    (M):");
  options_.m_bRightJustify = false;
  EXPECT_EQ(ChildLabel(formatter_, 1, 'M', false), "01  (M):  ");
  // Markup is measured as one letter.
  options_.m_strLblFemale = "&#9792;";
  EXPECT_EQ(ChildLabel(formatter_, 2, 'F', false), "02  (&#9792;):  ");
  formatter_.set_label_width(3);
  EXPECT_EQ(ChildLabel(formatter_, 2, 'M', false), "02  (M):");
  // Used as the label of the child's name line, without a further colon.
  NameLineArgs a;
  a.label = "02  (M):";
  a.name = "Tom";
  a.colon = false;
  formatter_.set_label_width(9);
  EXPECT_EQ(NameLine(formatter_, a),
            "<span class=\"vx-lblpmt\">02  (M): </span> Tom<br>");
}

TEST_F(NameLineTest, AlternateNamesWithinThePage) {
  AlternateName alt;
  alt.display = "Anna Leigh";
  alt.citations = {source_.get(), source_.get()};
  person_.names_within.push_back(alt);
  EXPECT_EQ(AlternateNameLines(formatter_, person_),
            "<span class=\"vx-lblpmt\">Name:</span> Anna Leigh (1)<br>");
  EXPECT_EQ(cited_, 2u);
}

}  // namespace
}  // namespace vellix::site
