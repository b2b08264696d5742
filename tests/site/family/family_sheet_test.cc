#include <gtest/gtest.h>

#include "testing/log_entry_pages.h"

#include "sheet_fixture.h"
#include "site/family/family_sheet_writer.h"
#include "site/frame/dividers.h"
#include "testing/html_validator.h"
#include "testing/site_checker.h"

namespace vellix::site {
namespace {

using testing::Pages;

// A couple with two children; the husband's birth cites one source twice.
const char kCouple[] =
    "0 @I1@ INDI\r\n1 NAME John /Smith/\r\n1 SEX M\r\n"
    "1 BIRT\r\n2 DATE 1 JAN 1900\r\n2 PLAC Springfield,Ohio\r\n"
    "2 SOUR @S1@\r\n3 PAGE p. 12\r\n2 SOUR @S1@\r\n3 PAGE p. 13\r\n"
    "1 DEAT\r\n2 DATE 1970\r\n1 FAMS @F1@\r\n"
    "0 @I2@ INDI\r\n1 NAME Mary /Jones/\r\n1 SEX F\r\n1 DEAT\r\n2 DATE 1980\r\n1 FAMS "
    "@F1@\r\n"
    "0 @I3@ INDI\r\n1 NAME Ann /Smith/\r\n1 SEX F\r\n1 DEAT\r\n2 DATE 1980\r\n1 FAMC "
    "@F1@\r\n"
    "0 @I4@ INDI\r\n1 NAME Tom /Smith/\r\n1 SEX M\r\n1 DEAT\r\n2 DATE 1980\r\n1 FAMC "
    "@F1@\r\n"
    "1 FAMS @F2@\r\n"
    "0 @I5@ INDI\r\n1 NAME Eve /Brown/\r\n1 SEX F\r\n1 DEAT Y\r\n1 FAMS @F2@\r\n"
    "0 @F1@ FAM\r\n1 HUSB @I1@\r\n1 WIFE @I2@\r\n1 CHIL @I3@\r\n1 CHIL @I4@\r\n"
    "1 MARR\r\n2 DATE 5 JUN 1925\r\n"
    "0 @F2@ FAM\r\n1 HUSB @I4@\r\n1 WIFE @I5@\r\n"
    "0 @S1@ SOUR\r\n1 AUTH Doe, Jane\r\n1 TITL Parish Records\r\n1 PUBL London, 1950.\r\n"
    "0 @I9@ INDI\r\n1 NAME Lone /Walker/\r\n1 SEX F\r\n1 DEAT Y\r\n";

class FamilySheetTest : public SheetTest {
 protected:
  FamilySheetTest() { options_.m_bCitations = true; }

  // The class attributes of the rows of the group sheet table, in order.
  static std::vector<std::string> RowClasses(const std::string& page) {
    std::vector<std::string> classes;
    const std::string open = "<tr><td class=\"vx-bar";
    for (size_t at = page.find(open); at != std::string::npos;
         at = page.find(open, at + 1)) {
      const size_t end = page.find('"', at + open.size());
      classes.push_back(page.substr(at + open.size(), end - at - open.size()));
    }
    return classes;
  }
};

// Checked line by line: the spouse blocks (name row, details row with the
// Born, Married, Died, Father, Mother and Spouses lines), the children block
// with its numbered labels and row classes, the linked child, the footnote
// references in parentheses.
TEST_F(FamilySheetTest, GroupSheetOfACoupleWithTwoChildren) {
  Load(kCouple);
  ASSERT_TRUE(WriteFamily("F1"));
  const std::string lbl =
      "<tr><td class=\"vx-lbl\"><div class=\"vx-fam\"><span class=\"vx-lblpmt\">";
  const std::string mid = "</span></div></td><td>";
  const std::string table = "\r\n<table summary=\"layout\" class=\"vx-tbllbl\">";
  EXPECT_EQ(SheetTable(Page("grpf1.html")),
            "<table summary=\"layout\" class=\"vx-tblgrp\">\r\n"
            "<tr><td class=\"vx-bar mt\">" +
                table + lbl + "Husband:" + mid +
                "John Smith</td></tr>\r\n"
                "</table>\r\n</td></tr>\r\n"
                "<tr><td class=\"vx-bar mt\">" +
                table + lbl + "Born:" + mid +
                "<span class=\"vx-fam vx-date\">01 JAN 1900</span><span class=\"vx-fam "
                "vx-place\">&nbsp;in "
                "Springfield, Ohio (<a href=\"#1\">1</a> <a "
                "href=\"#2\">2</a>)</span></td></tr>\r\n" +
                lbl + "Married:" + mid +
                "<span class=\"vx-fam vx-date\">05 JUN 1925</span></td></tr>\r\n" + lbl +
                "Died:" + mid +
                "<span class=\"vx-fam vx-date\">1970</span></td></tr>\r\n" + lbl +
                "Father:" + mid + "</td></tr>\r\n" + lbl + "Mother:" + mid +
                "</td></tr>\r\n" + lbl + "Spouses:" + mid +
                "</td></tr>\r\n</table>\r\n</td></tr>\r\n"
                "<tr><td class=\"vx-bar mt\">" +
                table + lbl + "Wife:" + mid +
                "Mary Jones</td></tr>\r\n"
                "</table>\r\n</td></tr>\r\n"
                "<tr><td class=\"vx-bar mt\">" +
                table + lbl + "Born:" + mid + "</td></tr>\r\n" + lbl + "Died:" + mid +
                "<span class=\"vx-fam vx-date\">1980</span></td></tr>\r\n" + lbl +
                "Father:" + mid + "</td></tr>\r\n" + lbl + "Mother:" + mid +
                "</td></tr>\r\n" + lbl + "Spouses:" + mid +
                "</td></tr>\r\n</table>\r\n</td></tr>\r\n"
                "<tr><td class=\"vx-bar mt\"><div "
                "class=\"vx-secchild\">Children</div></td></tr>\r\n"
                "<tr><td class=\"vx-bar mt\">" +
                table + lbl + "01&nbsp; (F):" + mid + "Ann Smith</td></tr>\r\n" + lbl +
                "Born:" + mid + "</td></tr>\r\n" + lbl + "Died:" + mid +
                "<span class=\"vx-fam vx-date\">1980</span></td></tr>\r\n" + lbl +
                "Spouses:" + mid +
                "</td></tr>\r\n</table>\r\n</td></tr>\r\n"
                "<tr><td class=\"vx-bar tt mb\">" +
                table + lbl + "02&nbsp; (M):" + mid +
                "<a href=\"grpf2.html\" target=\"_self\">Tom Smith</a></td></tr>\r\n" +
                lbl + "Born:" + mid + "</td></tr>\r\n" + lbl + "Died:" + mid +
                "<span class=\"vx-fam vx-date\">1980</span></td></tr>\r\n" + lbl +
                "Spouses:" + mid +
                "<a href=\"grpf2.html\" target=\"_self\">Eve "
                "Brown</a></td></tr>\r\n</table>\r\n"
                "</td></tr>\r\n</table>\r\n");
  const std::string page = Page("grpf1.html");
  EXPECT_NE(page.find("<title>John Smith &amp; Mary Jones</title>"), std::string::npos);
  EXPECT_NE(
      page.find(
          "</table>\r\n<div class=\"vx-ftsec\">Footnotes</div>\r\n"
          "<div class=\"vx-ftnote\"><ol><li><a name=\"1\"></a>Doe, Jane, <i>Parish "
          "Records</i> (London, 1950), p. 12.\r\n<li><a name=\"2\"></a><i>Ibid</i>., "
          "p. 13.\r\n</ol></div>"),
      std::string::npos);
  EXPECT_FALSE(Exists("grpf1g.html"));
  EXPECT_EQ(statistics_.filesWritten[static_cast<size_t>(FileGroup::kFamily)], 1u);
  EXPECT_EQ(statistics_.bytesWritten[static_cast<size_t>(FileGroup::kFamily)],
            page.size());
}

TEST_F(FamilySheetTest, RowClassesFollowTheDividerModes) {
  Load(kCouple +
       std::string("0 @F3@ FAM\r\n1 HUSB @I5@\r\n1 CHIL @I9@\r\n"
                   "0 @F4@ FAM\r\n1 CHIL @I1@\r\n1 CHIL @I2@\r\n1 CHIL @I3@\r\n"));
  ASSERT_TRUE(WriteFamily("F3"));  // an only child
  EXPECT_EQ(RowClasses(Page("grpf3.html")),
            (std::vector<std::string>{" mt", " mt", " mt", " mt", " mt", " mt mb"}));
  ASSERT_TRUE(WriteFamily("F4"));  // three children, thin lines between them
  EXPECT_EQ(RowClasses(Page("grpf4.html")),
            (std::vector<std::string>{" mt", " mt", " mt", " mt", " mt", " mt", " tt",
                                      " tt mb"}));
  ASSERT_TRUE(WriteFamily("F2"));  // no children: the wife's details close the sheet
  EXPECT_EQ(RowClasses(Page("grpf2.html")),
            (std::vector<std::string>{" mt", " mt", " mt", " mt mb"}));
  options_.m_nDividerThick = kDividerExclude;
  options_.m_nDividerThin = kDividerExclude;
  writer_.reset();
  ASSERT_TRUE(WriteFamily("F4"));
  EXPECT_EQ(RowClasses(Page("grpf4.html")), std::vector<std::string>(8, ""));
}

TEST_F(FamilySheetTest, FootnotesInAFrameMakeThreeFiles) {
  options_.m_bCitationsInFrame = true;
  Load(kCouple);
  ASSERT_TRUE(WriteFamily("F1"));
  const std::string frameset = Page("grpf1.html");
  EXPECT_NE(
      frameset.find("<frameset rows=\"85%,*\"><frame name=\"gp\" src=\"grpf1g.html\">"
                    "<frame name=\"fn\" src=\"grpf1f.html\"><noframes>This page requires "
                    "a browser supporting frames.<p><a href=\"grpf1g.html\">Group "
                    "Sheet</a><br><a href=\"grpf1f.html\">Footnotes</a></noframes>"
                    "</frameset></html>"),
      std::string::npos);
  const std::string sheet = Page("grpf1g.html");
  EXPECT_NE(sheet.find("(<a href=\"grpf1f.html#1\" target=\"fn\">1</a> "
                       "<a href=\"grpf1f.html#2\" target=\"fn\">2</a>)"),
            std::string::npos);
  EXPECT_EQ(sheet.find("vx-ftsec"), std::string::npos);
  const std::string notes = Page("grpf1f.html");
  EXPECT_NE(notes.find("<li><a name=\"2\"></a><i>Ibid</i>., p. 13."), std::string::npos);
  EXPECT_NE(notes.find("<a href=\"grpf1.html\" target=\"_parent\">Group Sheet</a>"),
            std::string::npos);  // the way back to the frameset
  EXPECT_EQ(statistics_.filesWritten[static_cast<size_t>(FileGroup::kFamily)], 3u);
  EXPECT_TRUE(testing::ValidateHtmlFile(dir_.path() + "site/grpf1.html").empty());
  EXPECT_TRUE(testing::ValidateHtmlFile(dir_.path() + "site/grpf1g.html").empty());
  EXPECT_TRUE(testing::ValidateHtmlFile(dir_.path() + "site/grpf1f.html").empty());
}

TEST_F(FamilySheetTest, FramesOnlyForAFamilyWithFootnotes) {
  options_.m_bCitationsInFrame = true;
  Load(kCouple);
  ASSERT_TRUE(WriteFamily("F2"));  // no citations
  EXPECT_TRUE(Exists("grpf2.html"));
  EXPECT_FALSE(Exists("grpf2g.html"));
  EXPECT_FALSE(Exists("grpf2f.html"));
  EXPECT_EQ(Page("grpf2.html").find("_parent"), std::string::npos);
  options_.m_bCitations = false;  // citations off: never frames
  writer_.reset();
  ASSERT_TRUE(WriteFamily("F1"));
  EXPECT_FALSE(Exists("grpf1g.html"));
  EXPECT_EQ(Page("grpf1.html").find("<sup>"), std::string::npos);
  EXPECT_EQ(Page("grpf1.html").find("(<a href"), std::string::npos);
}

TEST_F(FamilySheetTest, StrictDoctypeKeepsFootnotesOnTheOnePage) {
  options_.m_bCitationsInFrame = true;
  options_.m_strDtdPages = COptions::GetDefaultDtd(true);
  Load(kCouple);
  ASSERT_TRUE(WriteFamily("F1"));
  EXPECT_FALSE(Exists("grpf1g.html"));
  const std::string page = Page("grpf1.html");
  EXPECT_NE(page.find("<a href=\"#1\">1</a>"), std::string::npos);
  EXPECT_NE(page.find("<div class=\"vx-ftsec\">"), std::string::npos);
  EXPECT_EQ(page.find("target="), std::string::npos);
  EXPECT_TRUE(testing::ValidateHtmlFile(dir_.path() + "site/grpf1.html").empty());
}

TEST_F(FamilySheetTest, LonerPageHasOneSlot) {
  Load(kCouple);
  ASSERT_TRUE(WriteLoner("I9"));
  const std::string page = Page("grpoi9.html");
  ASSERT_FALSE(page.empty());
  EXPECT_NE(page.find(">Wife:<"), std::string::npos);
  EXPECT_EQ(page.find(">Husband:<"), std::string::npos);
  EXPECT_EQ(page.find("vx-secchild"), std::string::npos);
  EXPECT_EQ(RowClasses(page), (std::vector<std::string>{" mt", " mt mb"}));
  ASSERT_EQ(log_.individuals().size(), 1u);
  EXPECT_EQ(Pages(log_.individuals()[0]), std::vector<std::string>{"grpoi9.html"});
  EXPECT_TRUE(log_.families().empty());
}

TEST_F(FamilySheetTest, FixedFontModeWrapsBlocksInTheFamilyDivision) {
  options_.m_bMonoFont = true;
  Load(kCouple);
  ASSERT_TRUE(WriteFamily("F2"));
  const std::string table = SheetTable(Page("grpf2.html"));
  EXPECT_EQ(table.find("vx-tbllbl"), std::string::npos);
  EXPECT_EQ(Count(table, "<div class=\"vx-fam\">"), 4u);  // two rows per spouse
  EXPECT_NE(table.find("<tr><td class=\"vx-bar mt\"><div class=\"vx-fam\">"),
            std::string::npos);
}

TEST_F(FamilySheetTest, LogEntriesAndIndexMarks) {
  options_.m_bImportText = true;
  options_.m_bNarrative = true;
  options_.m_strNarrFolder = "stories";
  options_.m_strImportFolder = dir_.path();
  CAttributes* family = options_.m_familyAttributes.Add("F2");
  family->m_strReference = "F2";
  family->m_strLink = "tom.html";
  family->m_strText = "notes.txt";
  dir_.Write("notes.txt", "line 1\r\nline <2>\r\n");
  Load(kCouple);
  ASSERT_TRUE(WriteFamily("F2"));
  ASSERT_EQ(log_.families().size(), 1u);
  EXPECT_EQ(log_.families()[0].page_file, "grpf2.html");
  EXPECT_EQ(log_.families()[0].husband, "Tom Smith");
  EXPECT_EQ(log_.families()[0].wife, "Eve Brown");
  EXPECT_EQ(log_.families()[0].narrative_file, "tom.html");
  EXPECT_EQ(store_.Find(RecordKind::kIndividual, "I4")->markValue,
            kMarkNarrative | kMarkImportedText);
  const std::string page = Page("grpf2.html");
  EXPECT_NE(
      page.find("</table>\r\n<div class=\"vx-imp\">line 1<br>\r\nline &lt;2&gt;<br>\r\n"
                "</div>\r\n<p class=\"vx-nar\">View <a href=\"stories/tom.html\" "
                "title=\"Read about this family\" target=\"_self\">family narrative</a>."
                "</p>\r\n"),
      std::string::npos);
  // The narrative page does not exist: warning 10 names it.
  const std::vector<std::string> warnings = WarningLines();
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_NE(warnings[0].find("stories/tom.html"), std::string::npos);
}

// A husband who is also his own child makes the family circular (warning
// 21); a child listed twice is only repeated, and the warning says so (28).
TEST_F(FamilySheetTest, AFamilyThatHoldsAMemberTwiceIsWrittenOnce) {
  struct Case {
    const char* lines;
    std::vector<std::string> warnings;
  };
  const Case cases[] = {
      {"1 HUSB @I1@\r\n1 WIFE @I2@\r\n1 CHIL @I1@\r\n1 CHIL @I3@\r\n",
       {"Family F7 (<a href=\"\">F7</a>) has a circular reference. Web page "
        "generation is incomplete."}},
      {"1 HUSB @I1@\r\n1 WIFE @I2@\r\n1 CHIL @I3@\r\n1 CHIL @I3@\r\n",
       {"Family F7 (<a href=\"\">F7</a>) names individual I3 more than once. The "
        "repeat was left out."}},
      {"1 HUSB @I1@\r\n1 WIFE @I1@\r\n1 CHIL @I3@\r\n",
       {"Family F7 (<a href=\"\">F7</a>) names individual I1 more than once. The "
        "repeat was left out."}},
  };
  for (const Case& c : cases) {
    test_env_.env.warnings().Reset();
    Load(kCouple + std::string("0 @F7@ FAM\r\n") + c.lines);
    writer_.reset();
    ASSERT_TRUE(WriteFamily("F7"));
    const std::string page = Page("grpf7.html");
    EXPECT_EQ(Count(page, "John Smith</"), 2u) << c.lines;  // title and husband line
    EXPECT_EQ(Count(page, "Ann Smith"), 1u) << c.lines;
    EXPECT_EQ(WarningLines(), c.warnings);
  }
}

// With living individuals excluded, a family of a dead husband and a living
// wife still has its page; her surname must not show in the keywords (the
// title shows only ">>>"), and the individuals log says she was excluded.
TEST_F(FamilySheetTest, AnExcludedSpouseLeavesNoSurnameInTheKeywords) {
  options_.m_bKeywordSurnames = true;
  options_.m_bExcludeLiving = true;
  options_.m_bAssumeLiving = true;
  Load(
      "0 @I1@ INDI\r\n1 NAME Otto /Brandt/\r\n1 SEX M\r\n1 DEAT Y\r\n1 FAMS @F1@\r\n"
      "0 @I2@ INDI\r\n1 NAME Yolanda /Zeferino/\r\n1 SEX F\r\n1 BIRT\r\n2 DATE "
      "1990\r\n1 FAMS @F1@\r\n"
      "0 @F1@ FAM\r\n1 HUSB @I1@\r\n1 WIFE @I2@\r\n");
  ASSERT_TRUE(WriteFamily("F1"));
  const std::string page = Page("grpf1.html");
  EXPECT_NE(
      page.find("<meta name=\"Keywords\" content=\"Genealogy,Group,Sheet,Brandt\">"),
      std::string::npos);
  EXPECT_EQ(page.find("Zeferino"), std::string::npos);
  EXPECT_EQ(page.find("Yolanda"), std::string::npos);
  EXPECT_EQ(page.find("1990"), std::string::npos);
  EXPECT_FALSE(log_.Individual("I1").excluded);
  EXPECT_TRUE(log_.Individual("I2").excluded);
}

TEST_F(FamilySheetTest, EvaluatePassWritesNothing) {
  Load(kCouple);
  ASSERT_TRUE(WriteFamily("F1", true));
  EXPECT_FALSE(Exists("grpf1.html"));
  EXPECT_EQ(statistics_.filesWritten[static_cast<size_t>(FileGroup::kFamily)], 0u);
  EXPECT_TRUE(log_.families().empty());
}

TEST_F(FamilySheetTest, WrittenSiteLinksResolveAndValidate) {
  Load(kCouple);
  for (const char* key : {"F1", "F2"}) ASSERT_TRUE(WriteFamily(key));
  ASSERT_TRUE(WriteLoner("I9"));
  const testing::SiteReport report = testing::CheckSiteLinks(dir_.path() + "site");
  EXPECT_EQ(report.pages, 3);
  EXPECT_GE(report.links, 4);
  // Only the style sheet and the bar's links to index and surname pages
  // (not written here) fail.
  for (const std::string& broken : report.broken) {
    EXPECT_TRUE(broken.find("grpmain.html") != std::string::npos ||
                broken.find("grpname1.html") != std::string::npos ||
                broken.find("grpbase.css") != std::string::npos)
        << broken;
  }
  for (const char* name : {"grpf1.html", "grpf2.html", "grpoi9.html"}) {
    EXPECT_EQ(testing::ValidateHtmlFile(dir_.path() + "site/" + name),
              std::vector<std::string>{})
        << name;
  }
}

// Thirty generations, each son the husband of the next family: every link
// between the family pages (child to his own family, husband to his
// parents' family, Father and Mother lines) resolves.
TEST_F(FamilySheetTest, LinksBetweenGenerationsResolve) {
  std::string records;
  const int generations = 30;
  for (int i = 1; i <= generations; ++i) {
    const std::string n = std::to_string(i);
    records += "0 @H" + n + "@ INDI\r\n1 NAME Son" + n +
               " /Line/\r\n1 SEX M\r\n1 DEAT Y\r\n" + "1 FAMS @F" + n + "@\r\n";
    if (i > 1) records += "1 FAMC @F" + std::to_string(i - 1) + "@\r\n";
    records += "0 @W" + n + "@ INDI\r\n1 NAME Wife" + n + " /Other/\r\n1 SEX F\r\n" +
               "1 DEAT Y\r\n1 FAMS @F" + n + "@\r\n";
    records += "0 @F" + n + "@ FAM\r\n1 HUSB @H" + n + "@\r\n1 WIFE @W" + n + "@\r\n";
    if (i < generations) records += "1 CHIL @H" + std::to_string(i + 1) + "@\r\n";
  }
  Load(records);
  for (int i = 1; i <= generations; ++i)
    ASSERT_TRUE(WriteFamily("F" + std::to_string(i)));
  const testing::SiteReport report = testing::CheckSiteLinks(dir_.path() + "site");
  EXPECT_EQ(report.pages, generations);
  int family_links = 0;
  for (const std::string& broken : report.broken) {
    const std::string href = broken.substr(broken.find(": ") + 2);
    EXPECT_EQ(href.find("grpf"), std::string::npos) << broken;
  }
  const std::string middle = Page("grpf10.html");
  family_links += static_cast<int>(Count(middle, "<a href=\"grpf9.html\""));
  family_links += static_cast<int>(Count(middle, "<a href=\"grpf11.html\""));
  // Husband to his parents' page, his Father and Mother lines, the son's
  // name and the son's Spouses line (his own family).
  EXPECT_EQ(family_links, 5);
  EXPECT_EQ(log_.families().size(), static_cast<size_t>(generations));
}

}  // namespace
}  // namespace vellix::site
