#include "site/index/index_pages.h"

#include <gtest/gtest.h>

#include "index_fixture.h"
#include "site/frame/page_writer.h"
#include "site/index/index_run.h"
#include "testing/html_validator.h"
#include "testing/site_checker.h"

namespace vellix::site {
namespace {

using Texts = std::vector<std::string>;

class IndexPagesTest : public IndexTest {
 protected:
  /// Generates the pages and checks that they validate and that every link
  /// among them (and to stub family pages) resolves.
  bool GenerateChecked() {
    const bool ok = index_.Generate(ctx_, true);
    WriteStubFamilyPages();
    platform::WriteWholeFile(dir_.File("grpbase.css"), "");
    for (int p = 1; p <= std::max(index_.page_count(), 1); ++p) {
      const std::string name = "grpname" + std::to_string(p) + ".html";
      EXPECT_EQ(testing::ValidateHtmlFile(dir_.File(name)), Texts{}) << name;
    }
    const testing::SiteReport report = testing::CheckSiteLinks(dir_.path());
    EXPECT_EQ(report.broken, Texts{});
    EXPECT_EQ(report.invalid_utf8, Texts{});
    return ok;
  }

  /// The body of an index page: the index division, up to the bottom
  /// divider that follows it.
  std::string Body(const std::string& name) {
    const std::string page = Page(name);
    const size_t start = page.find("<div class=\"vx-idx\">");
    const size_t end = page.find("\r\n<div class=\"vx-bar mb\">", start);
    if (start == std::string::npos || end == std::string::npos)
      return "no body in " + name;
    return page.substr(start, end - start);
  }

  std::string Line(const IndexEntry& entry) {
    PageWriter writer(options_, clock_);
    writer.Prepare(false);
    return IndexLine(options_, writer, entry);
  }
};

std::string Link(int page, const std::string& text) {
  return "<a href=\"grpname" + std::to_string(page) + ".html\">" + text + "</a>";
}

TEST_F(IndexPagesTest, StripOnPageEightOfTwenty) {
  std::string expected =
      "\r\n<div class=\"vx-idxnav\">" + Link(7, "Prior") + "&nbsp; ...&nbsp; ";
  for (int p = 3; p <= 7; ++p)
    expected += (p > 3 ? "&nbsp; " : "") + Link(p, std::to_string(p));
  expected += "&nbsp; <span class=\"vx-idxpg\">8</span>";
  for (int p = 9; p <= 13; ++p) expected += "&nbsp; " + Link(p, std::to_string(p));
  expected += "&nbsp; ...&nbsp; " + Link(9, "Next") + "</div>";
  EXPECT_EQ(IndexNavigationStrip(options_, 8, 20), expected);
}

TEST_F(IndexPagesTest, StripAtTheEndsAndOnASinglePage) {
  EXPECT_EQ(IndexNavigationStrip(options_, 1, 1), "");
  EXPECT_EQ(
      IndexNavigationStrip(options_, 1, 2),
      "\r\n<div class=\"vx-idxnav\">&nbsp; <span class=\"vx-idxpg\">1</span>&nbsp; " +
          Link(2, "2") + "&nbsp; " + Link(2, "Next") + "</div>");
  EXPECT_EQ(IndexNavigationStrip(options_, 2, 2),
            "\r\n<div class=\"vx-idxnav\">" + Link(1, "Prior") + "&nbsp; " +
                Link(1, "1") + "&nbsp; <span class=\"vx-idxpg\">2</span></div>");
  // Page 6 still shows page 1 and no leading dots; page 7 shows them.
  EXPECT_EQ(IndexNavigationStrip(options_, 6, 11).find("..."), std::string::npos);
  EXPECT_NE(IndexNavigationStrip(options_, 7, 12).find("</a>&nbsp; ...&nbsp; <a"),
            std::string::npos);
}

TEST_F(IndexPagesTest, JumpTabsLinkEveryLetterToItsPage) {
  options_.m_strFilePrefix = "x";
  options_.m_strFileExt = "htm";
  EXPECT_EQ(
      IndexJumpTabs(options_, {{"?", 1}, {"A", 1}, {"&", 3}}),
      "\r\n<div class=\"vx-idxjmp\"><a href=\"xname1.htm#%3F\">?</a> "
      "<a href=\"xname1.htm#A\">A</a> <a href=\"xname3.htm#%26\">&amp;</a> </div>\r\n");
}

TEST_F(IndexPagesTest, GivenNameLinesInBothLayouts) {
  text::TextPool texts;
  IndexEntry e;
  e.name = texts.Keep("Smith, John <Jack>");
  e.pageName = texts.Keep("F-1.2");
  e.reference = texts.Keep("I12");
  e.lifespan = texts.Keep("(1850 - 1900)");
  e.relationship = texts.Keep("uncle & friend");
  e.flags = kIconBiography | kIconImage | kIconNarrative | kIconIndividualGallery;
  EXPECT_EQ(Line(e), " <a href=\"grpf12.html\">John &lt;Jack&gt;</a> (1850 - 1900)\r\n");
  options_.m_bMonoFont = false;
  options_.m_bRefNumbers = true;
  options_.m_bRelationship = true;
  options_.m_bCustomIcons = true;
  options_.m_bGalleryIcons = true;
  options_.m_bGalleryIconImages = false;
  options_.m_strIconTextImage.clear();  // an empty label gives no icon
  EXPECT_EQ(
      Line(e),
      "<p><a href=\"grpf12.html\">John &lt;Jack&gt;</a> (1850 - 1900) [I12]  "
      "<img class=\"vx-idxico\" src=\"grpb.gif\" alt=\"Biography\" title=\"Biography\"> "
      "<img class=\"vx-idxico\" src=\"grpn.gif\" alt=\"Narrative\" title=\"Narrative\"> "
      "Individual Gallery <span class=\"vx-rel\">uncle &amp; friend</span></p>\r\n");
  e.name = texts.Keep("?, ");
  options_.m_bRefNumbers = false;
  options_.m_bCustomIcons = false;
  options_.m_bGalleryIcons = false;
  EXPECT_EQ(Line(e),
            "<p><a href=\"grpf12.html\">?</a> (1850 - 1900) "
            "<span class=\"vx-rel\">uncle &amp; friend</span></p>\r\n");
}

TEST_F(IndexPagesTest, SinglePageBodyWithLetterAndSurnameHeadings) {
  options_.m_bSoundex = true;
  index_.AddIndividual(Person("I1", "John", "Adams", "1850", "1900", "F1"), uint8_t{0});
  index_.AddIndividual(Person("I2", "Mary", "Adams", "", "", "F1"), uint8_t{0});
  index_.AddIndividual(Person("I3", "Al", "", "", "", "oI3"), uint8_t{0});
  index_.AddIndividual(Person("I4", "Bea", "van Dyke", "ABT 1820", "", "F2"), uint8_t{0});
  EXPECT_TRUE(GenerateChecked());
  EXPECT_EQ(index_.page_count(), 1);
  EXPECT_EQ(
      Body("grpname1.html"),
      "<div class=\"vx-idx\">"
      "<a name=\"?\"></a><span class=\"vx-idxlet\">?</span>\r\n"
      "\r\n<div class=\"vx-idxsur\"><a name=\"Unknown\"></a><b>Unknown</b></div>"
      "<div class=\"vx-idxgvn\"> <a href=\"grpoi3.html\">Al</a> ( - )\r\n</div>"
      "\r\n<a name=\"A\"></a><span class=\"vx-idxlet\">A</span>\r\n"
      "\r\n<div class=\"vx-idxsur\"><a name=\"Adams\"></a><b>Adams</b> (A352)</div>"
      "<div class=\"vx-idxgvn\"> <a href=\"grpf1.html\">John</a> (1850 - 1900)\r\n"
      " <a href=\"grpf1.html\">Mary</a> ( - )\r\n</div>"
      "\r\n<a name=\"V\"></a><span class=\"vx-idxlet\">V</span>\r\n"
      "\r\n<div class=\"vx-idxsur\"><a name=\"van Dyke\"></a><b>van Dyke</b> (V532)</div>"
      "<div class=\"vx-idxgvn\"> <a href=\"grpf2.html\">Bea</a> (&#126;1820 - )\r\n</div>"
      "</div>");
  const std::string page = Page("grpname1.html");
  // One page: jump tabs, no strip.
  EXPECT_NE(page.find("<div class=\"vx-idxjmp\"><a href=\"grpname1.html#%3F\">?</a> "
                      "<a href=\"grpname1.html#A\">A</a> "
                      "<a href=\"grpname1.html#V\">V</a> </div>"),
            std::string::npos);
  EXPECT_EQ(page.find("vx-idxnav"), std::string::npos);
  EXPECT_NE(page.find("<div class=\"vx-subtitle\">4 individuals in 0 families</div>"),
            std::string::npos);
}

TEST_F(IndexPagesTest, GroupSpanningPagesCarriesContinuedLinks) {
  options_.m_nIndexPerPage = 10;
  AddMany("A", "Adams", 3);
  AddMany("S", "Smith", 25);
  EXPECT_TRUE(GenerateChecked());
  ASSERT_EQ(index_.page_count(), 3);
  const std::string body1 = Body("grpname1.html");
  const std::string body2 = Body("grpname2.html");
  const std::string body3 = Body("grpname3.html");
  EXPECT_NE(body1.find("G007</a> ( - )\r\n</div> <a name=\"vxcontinue\"></a>"
                       "<a href=\"grpname2.html\">continued...</a><br></div>"),
            std::string::npos);
  const std::string top2 =
      "<div class=\"vx-idx\"><span class=\"vx-idxlet\">S</span> (continued)\r\n"
      "\r\n<div class=\"vx-idxsur\"><a name=\"Smith\"></a><b>Smith</b></div> "
      "<a href=\"grpname1.html#vxcontinue\">...continued</a><br>"
      "<div class=\"vx-idxgvn\"> <a href=\"grpfs8.html\">G008</a>";
  EXPECT_EQ(body2.substr(0, top2.size()), top2);
  EXPECT_NE(body2.find("<a href=\"grpname3.html\">continued...</a>"), std::string::npos);
  EXPECT_NE(body3.find("<a href=\"grpname2.html#vxcontinue\">...continued</a>"),
            std::string::npos);
  EXPECT_EQ(body3.find("vxcontinue\"></a>"), std::string::npos);
  // Every page lists exactly its own entries.
  EXPECT_EQ(index_.groups()[1].chunks,
            (std::vector<IndexChunk>{{1, 7}, {2, 10}, {3, 8}}));
  EXPECT_NE(body3.find("G018<"), std::string::npos);
  EXPECT_EQ(body3.find("G017<"), std::string::npos);
  EXPECT_NE(
      Page("grpname3.html").find("\r\n<div class=\"vx-idxnav\">" + Link(2, "Prior")),
      std::string::npos);
  EXPECT_EQ(statistics_.filesWritten[static_cast<size_t>(FileGroup::kIndex)], 3u);
  EXPECT_EQ(statistics_.filesWritten[static_cast<size_t>(FileGroup::kSurname)], 1u);
}

TEST_F(IndexPagesTest, ParagraphLayoutValidatesToo) {
  options_.m_bMonoFont = false;
  options_.m_nIndexPerPage = 10;
  options_.m_strIndexIntro = "<p>Index of %file%</p>";
  AddMany("A", "Adams", 3);
  AddMany("S", "Smith", 25);
  AddMany("Q", "", 2);
  EXPECT_TRUE(GenerateChecked());
  const std::string page1 = Page("grpname1.html");
  EXPECT_NE(
      page1.find("<p>Index of grpname1.html</p>\r\n<p>\r\n<div class=\"vx-idx\">"
                 "<p><a name=\"?\"></a><span class=\"vx-idxlet\">?</span></p>\r\n"
                 "\r\n<p class=\"vx-idxsur\"><a name=\"Unknown\"></a><b>Unknown</b></p>"),
      std::string::npos);
  EXPECT_EQ(Page("grpname2.html").find("Index of"), std::string::npos);
  EXPECT_NE(Body("grpname2.html")
                .find("<p><span class=\"vx-idxlet\">S</span> (continued)</p>"
                      "\r\n\r\n<p class=\"vx-idxsur\">"),
            std::string::npos);
}

TEST_F(IndexPagesTest, RunWithoutEntriesStillHasItsFirstPages) {
  EXPECT_EQ(WriteIndexPages(ctx_, index_, true), 0);
  EXPECT_TRUE(platform::FileExists(dir_.File("grpname1.html")));
  EXPECT_TRUE(platform::FileExists(dir_.File("grpmain.html")));
  EXPECT_EQ(Body("grpname1.html"), "<div class=\"vx-idx\"></div>");
  platform::WriteWholeFile(dir_.File("grpbase.css"), "");
  EXPECT_EQ(testing::ValidateHtmlFile(dir_.File("grpname1.html")), Texts{});
  EXPECT_EQ(testing::ValidateHtmlFile(dir_.File("grpmain.html")), Texts{});
  EXPECT_EQ(testing::CheckSiteLinks(dir_.path()).broken, Texts{});
}

TEST_F(IndexPagesTest, PhasesAndEntryCountReachTheRun) {
  AddMany("I", "Lee", 3);
  EXPECT_EQ(WriteIndexPages(ctx_, index_, true), 3);
  EXPECT_EQ(statistics_.indexEntries, 3);
  EXPECT_EQ(progress_.phases,
            (Texts{"Sorting index... 0..2", "Generating index web pages... 0..2"}));
}

TEST_F(IndexPagesTest, WithoutPagesTheIndexIsOnlySortedAndCounted) {
  AddMany("I", "Lee", 3);
  EXPECT_EQ(WriteIndexPages(ctx_, index_, false), 3);
  EXPECT_EQ(statistics_.indexEntries, 3);
  EXPECT_FALSE(platform::FileExists(dir_.File("grpname1.html")));
  EXPECT_FALSE(platform::FileExists(dir_.File("grpmain.html")));
}

TEST_F(IndexPagesTest, CancelFinishesTheOpenPageAndSkipsTheRest) {
  options_.m_nIndexPerPage = 10;
  AddMany("S", "Smith", 25);
  progress_.stop_after = 2;  // the sort's step, then closing page 1
  EXPECT_FALSE(index_.Generate(ctx_, true));
  EXPECT_TRUE(platform::FileExists(dir_.File("grpname1.html")));
  const std::string page2 = Page("grpname2.html");
  EXPECT_NE(page2.find("</html>"), std::string::npos);
  EXPECT_FALSE(platform::FileExists(dir_.File("grpname3.html")));
  EXPECT_FALSE(platform::FileExists(dir_.File("grpmain.html")));
}

TEST_F(IndexPagesTest, CancelBeforePagesWritesNothing) {
  AddMany("S", "Smith", 2);
  progress_.stopped = true;
  EXPECT_FALSE(index_.Generate(ctx_, true));
  EXPECT_FALSE(platform::FileExists(dir_.File("grpname1.html")));
}

TEST_F(IndexPagesTest, IconImagesAreWrittenOnceAndShownOnLines) {
  options_.m_bCustomIcons = true;
  IndividualSummary s = Person("I1", "Ann", "Lee");
  s.biographyLink = "ann.html";
  index_.AddIndividual(s, kIconText);
  platform::WriteWholeFile(dir_.File("grpg.gif"), "mine");
  index_.Generate(ctx_, true);
  for (const char* name : {"b", "i", "n", "t", "gf", "gi", "gs"}) {
    const std::string gif = Page(std::string("grp") + name + ".gif");
    ASSERT_GE(gif.size(), 10u) << name;
    EXPECT_EQ(gif.substr(0, 6), "GIF89a") << name;
    const int width =
        static_cast<unsigned char>(gif[6]) | static_cast<unsigned char>(gif[7]) << 8;
    const int height =
        static_cast<unsigned char>(gif[8]) | static_cast<unsigned char>(gif[9]) << 8;
    EXPECT_EQ(height, 10) << name;
    if (std::string(name) == "gs") {
      EXPECT_EQ(width, 62);
    } else {
      EXPECT_TRUE(width >= 19 && width <= 24) << name << " " << width;
    }
  }
  EXPECT_EQ(Page("grpg.gif"), "mine");
  EXPECT_EQ(statistics_.filesWritten[static_cast<size_t>(FileGroup::kOther)], 7u);
  EXPECT_NE(Page("grpname1.html")
                .find("<img class=\"vx-idxico\" src=\"grpb.gif\" alt=\"Biography\" "
                      "title=\"Biography\"> <img class=\"vx-idxico\" src=\"grpt.gif\""),
            std::string::npos);
  WriteStubFamilyPages();
  platform::WriteWholeFile(dir_.File("grpbase.css"), "");
  EXPECT_EQ(testing::CheckSiteLinks(dir_.path()).broken, Texts{});
}

TEST_F(IndexPagesTest, GalleryIconsAloneStillGetTheirImages) {
  options_.m_bGalleryIcons = true;
  index_.AddIndividual(Person("I1", "Ann", "Lee"), kIconFamilyGallery);
  index_.Generate(ctx_, true);
  EXPECT_TRUE(platform::FileExists(dir_.File("grpgf.gif")));
  EXPECT_NE(Page("grpname1.html").find("src=\"grpgf.gif\""), std::string::npos);
}

TEST_F(IndexPagesTest, IconsShownAsTextWriteNoImages) {
  options_.m_bCustomIcons = true;
  options_.m_bCustomIconImages = false;
  index_.AddIndividual(Person("I1", "Ann", "Lee"), kIconGroup);
  index_.Generate(ctx_, true);
  EXPECT_FALSE(platform::FileExists(dir_.File("grpg.gif")));
  EXPECT_NE(Page("grpname1.html").find("</a> ( - ) Group\r\n"), std::string::npos);
}

}  // namespace
}  // namespace vellix::site
