#include "site/index/surname_pages.h"

#include <gtest/gtest.h>

#include "index_fixture.h"
#include "site/frame/page_writer.h"
#include "testing/html_validator.h"
#include "testing/site_checker.h"

namespace vellix::site {
namespace {

using Texts = std::vector<std::string>;
using Partitions = std::vector<SurnamePartition>;

Texts Letters(const std::string& chars) {
  Texts letters;
  for (char c : chars) letters.push_back(std::string(1, c));
  return letters;
}

TEST(PartitionTest, TwentySixLettersInThree) {
  EXPECT_EQ(PartitionLetters(Letters("ABCDEFGHIJKLMNOPQRSTUVWXYZ"), 3),
            (Partitions{{"A-I", 9}, {"J-R", 9}, {"S-Z", 8}}));
}

TEST(PartitionTest, FiveLettersInThree) {
  EXPECT_EQ(PartitionLetters(Letters("ABCDE"), 3),
            (Partitions{{"A-B", 2}, {"C-D", 2}, {"E", 1}}));
}

TEST(PartitionTest, MorePartitionsThanLettersGiveOneLetterEach) {
  EXPECT_EQ(PartitionLetters(Letters("?BK"), 10),
            (Partitions{{"?", 1}, {"B", 1}, {"K", 1}}));
}

TEST(PartitionTest, AtLeastOnePartition) {
  EXPECT_EQ(PartitionLetters(Letters("ABC"), 0), (Partitions{{"A-C", 3}}));
  EXPECT_EQ(PartitionLetters({}, 3), (Partitions{{"", 0}}));
}

class SurnamePagesTest : public IndexTest {
 protected:
  void Build() {
    index_.Sort(NameIndex::SortMode::kIndex);
    index_.Paginate();
  }
  bool GenerateChecked() {
    const bool ok = index_.Generate(ctx_, true);
    WriteStubFamilyPages();
    platform::WriteWholeFile(dir_.File("grpbase.css"), "");
    for (const char* name :
         {"grpmain.html", "grpmain2.html", "grpmain3.html", "index.html"}) {
      if (!platform::FileExists(dir_.File(name))) continue;
      EXPECT_EQ(testing::ValidateHtmlFile(dir_.File(name)), Texts{}) << name;
    }
    const testing::SiteReport report = testing::CheckSiteLinks(dir_.path());
    EXPECT_EQ(report.broken, Texts{});
    return ok;
  }
  /// The surname division of a page.
  std::string List(const std::string& name) {
    const std::string page = Page(name);
    const size_t start = page.find("\r\n<div class=\"vx-sur\">");
    const size_t end = page.find("\r\n<div class=\"vx-bar mb\">", start);
    if (start == std::string::npos || end == std::string::npos)
      return "no list in " + name;
    return page.substr(start, end - start);
  }
  static std::string A(const std::string& href, const std::string& text) {
    return "<a href=\"" + href + "\">" + text + "</a>";
  }
};

TEST_F(SurnamePagesTest, FileNames) {
  EXPECT_EQ(SurnamePageFile(options_, 1), "grpmain.html");
  EXPECT_EQ(SurnamePageFile(options_, 2), "grpmain2.html");
  options_.m_bAltSurnameFile = true;
  EXPECT_EQ(SurnamePageFile(options_, 1), "index.html");
  EXPECT_EQ(SurnamePageFile(options_, 3), "grpmain3.html");
}

TEST_F(SurnamePagesTest, SurnameWithBlanksLinksToItsAnchor) {
  SurnameGroup group{"van der Berg", 2, true, {{3, 2}}};
  EXPECT_EQ(SurnameLink(options_, group),
            A("grpname3.html#van%20der%20Berg", "van&nbsp;der&nbsp;Berg"));
  SurnameGroup odd{"O'Neil & <Sons>", 1, true, {{1, 1}}};
  EXPECT_EQ(SurnameLink(options_, odd), A("grpname1.html#O'Neil%20%26%20%3CSons%3E",
                                          "O&#39;Neil&nbsp;&amp;&nbsp;&lt;Sons&gt;"));
  SurnameGroup unknown{"?", 1, true, {{1, 1}}};
  EXPECT_EQ(SurnameLink(options_, unknown), A("grpname1.html#Unknown", "Unknown"));
}

TEST_F(SurnamePagesTest, MostCommonSurnamesLeaveOutTheUnknown) {
  AddMany("Q", "", 9);
  AddMany("B", "Baker", 2);
  AddMany("C", "Clark", 3);
  AddMany("A", "Adams", 2);
  AddMany("D", "Dunn", 1);
  Build();
  options_.m_nTopSurnames = 3;
  EXPECT_EQ(MostCommonSurnames(options_, index_.groups()),
            "\r\n<div class=\"vx-secmost\">Most Common Surnames</div>\r\n<p>" +
                A("grpname1.html#Clark", "Clark") + "&nbsp;(3) &nbsp;" +
                A("grpname1.html#Adams", "Adams") + "&nbsp;(2) &nbsp;" +
                A("grpname1.html#Baker", "Baker") + "&nbsp;(2)" +
                "</p>\r\n<div class=\"vx-cbar\"></div>\r\n");
  options_.m_nTopSurnames = 10;
  const std::string all = MostCommonSurnames(options_, index_.groups());
  EXPECT_NE(all.find("Baker</a>&nbsp;(2) &nbsp;" + A("grpname1.html#Dunn", "Dunn") +
                     "&nbsp;(1)</p>"),
            std::string::npos);
  EXPECT_EQ(all.find("Unknown"), std::string::npos);
}

TEST_F(SurnamePagesTest, OnePartitionIsTheSitesStartPage) {
  options_.m_bTopSurnames = true;
  options_.m_bSurnameCounts = true;
  options_.m_strSurnameIntro = "<p>Welcome to %file%</p>";
  AddMany("A", "Adams", 2);
  AddMany("L", "Allen", 1);
  AddMany("B", "van Dyke", 1);
  AddMany("Q", "", 1);
  EXPECT_TRUE(GenerateChecked());
  const std::string page = Page("grpmain.html");
  EXPECT_EQ(page.find("vx-idxjmp"), std::string::npos);
  EXPECT_NE(page.find("<meta name=\"Generator\" content=\"VELLIX "), std::string::npos);
  EXPECT_EQ(page.find("rel=\"Start\""), std::string::npos);
  EXPECT_NE(
      page.find("<p>Welcome to grpmain.html</p>\r\n<p>\r\n\r\n<div class=\"vx-sur\">"),
      std::string::npos);
  EXPECT_NE(page.find("\r\n<p class=\"vx-ver\">Generated by <span class=\"vx-vx\">"),
            std::string::npos);
  EXPECT_NE(page.find("<div class=\"vx-subtitle\">5 individuals in 0 families</div>"),
            std::string::npos);
  const std::string list = List("grpmain.html");
  EXPECT_NE(
      list.find("<div class=\"vx-cbar\"></div>\r\n"
                "<p>" +
                A("grpname1.html#Unknown", "Unknown") +
                "&nbsp;(1)</p>\r\n"
                "<p>" +
                A("grpname1.html#Adams", "Adams") + "&nbsp;(2) &nbsp;" +
                A("grpname1.html#Allen", "Allen") +
                "&nbsp;(1)</p>\r\n"
                "<p>" +
                A("grpname1.html#van%20Dyke", "van&nbsp;Dyke") + "&nbsp;(1)</div>\r\n"),
      std::string::npos)
      << list;
  EXPECT_EQ(statistics_.filesWritten[static_cast<size_t>(FileGroup::kSurname)], 1u);
}

TEST_F(SurnamePagesTest, PartitionsSplitTheLettersWithJumpTabs) {
  options_.m_nSurnamePartitions = 3;
  options_.m_bTopSurnames = true;
  AddMany("A", "Adams", 1);
  AddMany("L", "Allen", 1);
  AddMany("B", "Baker", 1);
  AddMany("C", "Clark", 1);
  AddMany("D", "Dunn", 1);
  AddMany("E", "Evans", 1);
  AddMany("F", "Éclair", 1);
  EXPECT_TRUE(GenerateChecked());
  EXPECT_EQ(List("grpmain.html").substr(0, 24), "\r\n<div class=\"vx-sur\">\r\n");
  EXPECT_NE(List("grpmain.html")
                .find("<p>" + A("grpname1.html#Adams", "Adams") + " &nbsp;" +
                      A("grpname1.html#Allen", "Allen") + "</p>\r\n<p>" +
                      A("grpname1.html#Baker", "Baker") + "</div>\r\n"),
            std::string::npos);
  EXPECT_EQ(List("grpmain2.html"), "\r\n<div class=\"vx-sur\"><p>" +
                                       A("grpname1.html#Clark", "Clark") + "</p>\r\n<p>" +
                                       A("grpname1.html#Dunn", "Dunn") + "</div>\r\n");
  EXPECT_EQ(List("grpmain3.html"), "\r\n<div class=\"vx-sur\"><p>" +
                                       A("grpname1.html#Éclair", "Éclair") + " &nbsp;" +
                                       A("grpname1.html#Evans", "Evans") + "</div>\r\n");
  const std::string tabs2 = "\r\n<div class=\"vx-idxjmp\">" + A("grpmain.html", "A-B") +
                            "&nbsp; C-D&nbsp; " + A("grpmain3.html", "E") + "</div>";
  const std::string page2 = Page("grpmain2.html");
  EXPECT_NE(page2.find(tabs2 + "\r\n"), std::string::npos);
  // Top and bottom both carry the tabs.
  EXPECT_NE(page2.find(tabs2, page2.find(tabs2) + 1), std::string::npos);
  EXPECT_EQ(page2.find("Generated by"), std::string::npos);
  EXPECT_EQ(page2.find("Most Common"), std::string::npos);
  EXPECT_EQ(page2.find("name=\"Generator\""), std::string::npos);
  EXPECT_NE(page2.find("<link rel=\"Start\" type=\"text/html\" title=\"Surnames\" "
                       "href=\"grpmain.html\">"),
            std::string::npos);
  EXPECT_EQ(statistics_.filesWritten[static_cast<size_t>(FileGroup::kSurname)], 3u);
}

TEST_F(SurnamePagesTest, AlternateFirstFileName) {
  options_.m_bAltSurnameFile = true;
  options_.m_nSurnamePartitions = 2;
  AddMany("A", "Adams", 1);
  AddMany("B", "Baker", 1);
  EXPECT_TRUE(GenerateChecked());
  EXPECT_TRUE(platform::FileExists(dir_.File("index.html")));
  EXPECT_TRUE(platform::FileExists(dir_.File("grpmain2.html")));
  EXPECT_FALSE(platform::FileExists(dir_.File("grpmain.html")));
  EXPECT_NE(Page("grpmain2.html").find(A("index.html", "A")), std::string::npos);
  EXPECT_NE(Page("grpname1.html").find(A("index.html", "Surnames")), std::string::npos);
}

TEST_F(SurnamePagesTest, CancelStopsBeforeTheNextPartition) {
  options_.m_nSurnamePartitions = 2;
  AddMany("A", "Adams", 1);
  AddMany("B", "Baker", 1);
  Build();
  PageWriter writer(ctx_);
  writer.Prepare(false);
  progress_.stopped = true;
  bool all = true;
  EXPECT_FALSE(WriteSurnamePages(ctx_, index_, writer, &all));
  EXPECT_FALSE(all);
  EXPECT_FALSE(platform::FileExists(dir_.File("grpmain.html")));
}

TEST_F(SurnamePagesTest, LivingExcludedIndividualsAreNotCounted) {
  options_.m_bExcludeLiving = true;
  options_.m_bSurnameCounts = true;
  options_.m_bTopSurnames = true;
  AddMany("A", "Adams", 2);
  IndividualSummary living = Person("X1", "Kid", "Adams");
  living.living = true;
  index_.AddIndividual(living, uint8_t{0});
  IndividualSummary hidden = Person("X2", "Kid", "Zeta");
  hidden.living = true;
  index_.AddIndividual(hidden, uint8_t{0});
  EXPECT_TRUE(GenerateChecked());
  const std::string page = Page("grpmain.html");
  EXPECT_NE(page.find("Adams</a>&nbsp;(2)"), std::string::npos);
  EXPECT_EQ(page.find("Zeta"), std::string::npos);
  EXPECT_EQ(Page("grpname1.html").find("Kid"), std::string::npos);
}

}  // namespace
}  // namespace vellix::site
