#include <gtest/gtest.h>

#include "sheet_fixture.h"
#include "site/family/family_sheet_writer.h"

namespace vellix::site {
namespace {

// The pieces that come from the user's files, on a family made in the test.
class SheetPiecesTest : public SheetTest {
 protected:
  SheetPiecesTest() {
    options_.m_strImportFolder = dir_.path();
    options_.m_bImportText = true;
    Load("0 @I1@ INDI\r\n1 NAME Ann /Lee/\r\n1 SEX F\r\n1 DEAT Y\r\n");
    family_.key = "F1";
    family_.page_id = "F1";
    person_.key = "I1";
    person_.facts.display_name = "Ann Lee";
  }

  std::string Imported(const std::string& content, int kind) {
    options_.m_nImportContent = kind;
    dir_.Write("text.txt", content);
    family_.attributes.m_strText = "text.txt";
    return Writer().ImportedText(family_);
  }

  SheetFamily family_;
  SheetPerson person_;
};

TEST_F(SheetPiecesTest, ImportedPlainTextIsEscapedWithLineBreaks) {
  EXPECT_EQ(Imported("a & b\r\nc", 0),
            "<div class=\"vx-imp\">a &amp; b<br>\r\nc</div>\r\n");
  // A byte-order mark is dropped; a file in the Windows code page is
  // converted ("\xE9" is e acute there).
  EXPECT_EQ(Imported("\xEF\xBB\xBFJos\xC3\xA9", 0),
            "<div class=\"vx-imp\">Jos\xC3\xA9</div>\r\n");
  EXPECT_EQ(Imported("Jos\xE9", 0), "<div class=\"vx-imp\">Jos\xC3\xA9</div>\r\n");
  options_.m_bImportText = false;
  EXPECT_EQ(Writer().ImportedText(family_), "");
}

TEST_F(SheetPiecesTest, ImportedHtmlKeepsWhatLiesBetweenTheBodyTags) {
  EXPECT_EQ(Imported("<html><head><title>x</title></head><BODY class=\"a\"><p>Story</p>"
                     "</body></html>",
                     1),
            "<div class=\"vx-imp\"><p>Story</p></div>\r\n");
  EXPECT_EQ(Imported("<p>No body</p>\r\n", 1),
            "<div class=\"vx-imp\"><p>No body</p>\r\n</div>\r\n");
}

TEST_F(SheetPiecesTest, MissingImportedTextLeavesTheWrapperAndAWarning) {
  family_.attributes.m_strText = "gone.txt";
  EXPECT_EQ(Writer().ImportedText(family_), "<div class=\"vx-imp\"></div>\r\n");
  const std::vector<std::string> warnings = WarningLines();
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_NE(warnings[0].find("gone.txt"), std::string::npos);
}

TEST_F(SheetPiecesTest, GroupImageWithCaptionAndMissingFileWarning) {
  options_.m_bGroupImages = true;
  options_.m_strGroupImageFolder = "my images";
  family_.attributes.m_strImage = "us.jpg";
  family_.attributes.m_strCaption = "The \"Lees\"";
  EXPECT_EQ(
      Writer().GroupImage(family_),
      "\r\n<div class=\"vx-grp\"><img class=\"vx-grpimg\" src=\"my%20images/us.jpg\" "
      "alt=\"The &#34;Lees&#34;\" title=\"The &#34;Lees&#34;\"><br><span "
      "class=\"vx-cap\">The &#34;Lees&#34;</span></div>\r\n");
  EXPECT_EQ(WarningLines().size(), 1u);  // the image is not in the site
  family_.attributes.m_strCaption.clear();
  EXPECT_NE(Writer().GroupImage(family_).find("alt=\"us.jpg\" title=\"us.jpg\">"),
            std::string::npos);
}

TEST_F(SheetPiecesTest, BiographyLinkReplacesTheLinkPlaceholder) {
  options_.m_bBiography = true;
  options_.m_strBioFolder = "bio";
  options_.m_bLowerCaseNames = true;
  person_.attributes.m_strLink = "Ann.HTML";
  platform::CreateFolders(platform::NativePath(options_.m_strDestFolder + "/bio"));
  dir_.Write("site/bio/ann.html", "x");
  EXPECT_EQ(Writer().BiographyLink(person_),
            " <span class=\"vx-bio\">(<a href=\"bio/ann.html\" title=\"Read about this "
            "person\" "
            "target=\"_self\">biography</a>)</span>");
  EXPECT_TRUE(WarningLines().empty());  // the page exists
  options_.m_strBioLinkText = "See ";
  EXPECT_EQ(
      Writer().BiographyLink(person_),
      " <span class=\"vx-bio\">See <a href=\"bio/ann.html\" title=\"Read about this "
      "person\" target=\"_self\">biography</a></span>");
  person_.facts.excluded = true;  // a living person left out shows no link
  EXPECT_EQ(Writer().BiographyLink(person_), "");
}

TEST_F(SheetPiecesTest, RelationshipTextAndLabelTables) {
  options_.m_bRelationship = true;
  person_.attributes.m_strText = "great-aunt <3";
  EXPECT_EQ(Writer().RelationshipText(person_),
            "<span class=\"vx-rel\">great-aunt &lt;3</span>");
  person_.facts.excluded = true;  // a living person left out: nothing but the name
  EXPECT_EQ(Writer().RelationshipText(person_), "");
  EXPECT_EQ(Writer().OpenLabelTable("vx-tbllbl"),
            "\r\n<table summary=\"layout\" class=\"vx-tbllbl\">");
  EXPECT_EQ(Writer().CloseLabelTable(), "</table>\r\n");
  options_.m_bAlignLabels = false;
  EXPECT_EQ(Writer().OpenLabelTable("vx-tbllbl"), "");
  EXPECT_EQ(Writer().CloseLabelTable(), "");
}

TEST_F(SheetPiecesTest, ImageColumnParts) {
  EXPECT_EQ(
      Writer().ImageColumn(1),
      "\r\n<table summary=\"layout\" class=\"vx-tblimg\">\r\n<col width=\"85%\">\r\n"
      "<tr><td class=\"vx-tblimggrp\">");
  EXPECT_EQ(Writer().ImageColumn(2), "</td>\r\n<td class=\"vx-tblimgpic\">");
  EXPECT_EQ(Writer().ImageColumn(3), "</td></tr>\r\n</table>\r\n");
}

TEST_F(SheetPiecesTest, IndividualImageInTheImageColumnOfTheSheet) {
  options_.m_bIndivImages = true;
  options_.m_strIndivImageFolder = "img";
  CAttributes* a = options_.m_indivAttributes.Add("I1");
  a->m_strReference = "I1";
  a->m_strImage = "ann.gif";
  Load(
      "0 @I1@ INDI\r\n1 NAME Ann /Lee/\r\n1 SEX F\r\n1 DEAT Y\r\n"
      "0 @F1@ FAM\r\n1 WIFE @I1@\r\n");
  ASSERT_TRUE(WriteFamily("F1"));
  const std::string page = Page("grpf1.html");
  EXPECT_NE(
      page.find(
          "</table>\r\n</td>\r\n<td class=\"vx-tblimgpic\"><img class=\"vx-indimg\" "
          "src=\"img/ann.gif\" alt=\"ann.gif\" title=\"ann.gif\"></td></tr>\r\n"
          "</table>\r\n"),
      std::string::npos);
  EXPECT_EQ(store_.Find(RecordKind::kIndividual, "I1")->markValue & kMarkImage,
            kMarkImage);
  const std::vector<std::string> warnings = WarningLines();
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_NE(warnings[0].find("img/ann.gif"), std::string::npos);
  EXPECT_NE(warnings[0].find("Ann Lee"), std::string::npos);
}

}  // namespace
}  // namespace vellix::site
