// Writing bibliography and repository pages: page boundaries, strips,
// statistics, cancellation, pages that cannot be created, and the run's
// entry points.
#include <gtest/gtest.h>

#include <filesystem>

#include "site/sources/source_pages.h"
#include "sources_fixture.h"

namespace vellix::site {
namespace {

size_t Count(const std::string& text, const std::string& what) {
  size_t n = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
    ++n;
  return n;
}

std::string Sources(int count) {
  std::string records;
  for (int i = 1; i <= count; ++i) {
    char title[24];
    std::snprintf(title, sizeof title, "Title %03d", i);
    records += "0 @S" + std::to_string(i) + "@ SOUR\r\n1 TITL " + title + "\r\n";
  }
  return records;
}

std::string Repositories(int count) {
  std::string records;
  for (int i = 1; i <= count; ++i) {
    char name[24];
    std::snprintf(name, sizeof name, "Name %03d", i);
    records += "0 @R" + std::to_string(i) + "@ REPO\r\n1 NAME " + name + "\r\n";
  }
  return records;
}

class PagesTest : public SourcesTest {
 protected:
  void WriteBibliography(const std::string& records, bool standalone = true) {
    Load(records);
    sources_.Collect(ctx_);
    sources_.WriteBibliography(ctx_, standalone);
  }
  uint32_t Files(FileGroup group) const {
    return statistics_.filesWritten[static_cast<size_t>(group)];
  }
  SourcePages sources_;
};

TEST_F(PagesTest, TwentyFiveEntriesFitOnePageWithoutStrip) {
  WriteBibliography(Sources(25));
  const std::string page = Page("grpbib1.html");
  EXPECT_EQ(Count(page, "<div class=\"vx-bibent\">"), 25u);
  EXPECT_EQ(page.find("vx-bibnav"), std::string::npos);
  EXPECT_FALSE(PageExists("grpbib2.html"));
  EXPECT_EQ(statistics_.sourcesWritten, 25);
  EXPECT_EQ(Files(FileGroup::kBibliography), 1u);
  EXPECT_EQ(progress_.phase, "Generating bibliography web pages...");
  EXPECT_EQ(progress_.range, 1);
}

TEST_F(PagesTest, TheTwentySixthEntryOpensPageTwo) {
  WriteBibliography(Sources(26));
  const std::string first = Page("grpbib1.html");
  const std::string second = Page("grpbib2.html");
  EXPECT_EQ(Count(first, "<div class=\"vx-bibent\">"), 25u);
  EXPECT_NE(first.find("<a name=\"S25\">"), std::string::npos);
  EXPECT_EQ(Count(second, "<div class=\"vx-bibent\">"), 1u);
  EXPECT_NE(second.find("<a name=\"S26\"></a><div class=\"vx-bibnbr\">  26. </div>"),
            std::string::npos);
  const std::string strip1 =
      "\r\n<div class=\"vx-bibnav\"><span class=\"vx-page\">&nbsp; (1 / 2) &nbsp;</span>"
      "<a href=\"grpbib2.html\">Next</a></div>";
  const std::string strip2 =
      "\r\n<div class=\"vx-bibnav\"><a href=\"grpbib1.html\">Prior</a><span "
      "class=\"vx-page\">&nbsp; (2 / 2) &nbsp;</span></div>";
  EXPECT_EQ(Count(first, strip1), 2u);  // above and below the entries
  EXPECT_EQ(Count(second, strip2), 2u);
  EXPECT_EQ(statistics_.sourcesWritten, 26);
  EXPECT_EQ(Files(FileGroup::kBibliography), 2u);
  EXPECT_EQ(progress_.steps, 2);
}

TEST_F(PagesTest, IntroductionOpensTheFirstPageOnly) {
  options_.m_nBiblioPerPage = 1;
  options_.m_strBiblioIntro = "<p>Sources of %file%</p>";
  WriteBibliography(Sources(2));
  EXPECT_NE(Page("grpbib1.html")
                .find("\r\n<p>Sources of grpbib1.html</p>\r\n<div class=\"vx-bib\">"),
            std::string::npos);
  EXPECT_EQ(Page("grpbib2.html").find("Sources of"), std::string::npos);
}

TEST_F(PagesTest, CancelStopsAtThePageChangeAndClosesTheOpenPage) {
  progress_.cancel_at = 1;  // cancelled while page 1 is written
  WriteBibliography(Sources(60));
  const std::string first = Page("grpbib1.html");
  EXPECT_EQ(Count(first, "<div class=\"vx-bibent\">"), 25u);
  EXPECT_NE(first.find("</html>\r\n"), std::string::npos);
  EXPECT_FALSE(PageExists("grpbib2.html"));
  EXPECT_EQ(statistics_.sourcesWritten, 25);
}

TEST_F(PagesTest, CancelledRunWritesNoPages) {
  progress_.cancelled = true;
  WriteBibliography(Sources(3));
  EXPECT_FALSE(PageExists("grpbib1.html"));
  EXPECT_EQ(statistics_.sourcesWritten, 0);
}

TEST_F(PagesTest, PageThatCannotBeCreatedIsSkippedAndTheNextOnesWritten) {
  std::filesystem::create_directory(site_.File("grpbib1.html"));
  WriteBibliography(Sources(26));
  EXPECT_TRUE(std::filesystem::is_directory(site_.File("grpbib1.html")));
  EXPECT_EQ(Count(Page("grpbib2.html"), "<div class=\"vx-bibent\">"), 1u);
  EXPECT_EQ(Files(FileGroup::kBibliography), 1u);
}

TEST_F(PagesTest, BibliographyPagesOnlyWhenAskedOrStandalone) {
  WriteBibliography(Sources(1), false);
  EXPECT_FALSE(PageExists("grpbib1.html"));
  options_.m_bBiblioPages = true;
  sources_.WriteBibliography(ctx_, false);
  EXPECT_TRUE(PageExists("grpbib1.html"));
}

TEST_F(PagesTest, StandaloneBarLeavesOutSurnamesAndIndex) {
  options_.m_strHomePage = "home.html";
  WriteBibliography(Sources(1), true);
  const std::string standalone = Page("grpbib1.html");
  EXPECT_NE(standalone.find("<div class=\"vx-lnkbib\">"), std::string::npos);
  EXPECT_EQ(standalone.find("grpmain.html\" target"), std::string::npos);
  EXPECT_EQ(standalone.find("grpname1.html"), std::string::npos);
  options_.m_bBiblioPages = true;
  sources_.WriteBibliography(ctx_, false);
  EXPECT_NE(Page("grpbib1.html").find("grpname1.html"), std::string::npos);
}

TEST_F(PagesTest, RepositoryPagesSplitAtTheTwentySixthEntry) {
  options_.m_bRepositoryPages = true;
  Load(Repositories(26));
  sources_.Collect(ctx_);
  sources_.WriteRepositories(ctx_);
  EXPECT_EQ(progress_.phase, "Generating repository web pages...");
  const std::string first = Page("grprep1.html");
  const std::string second = Page("grprep2.html");
  EXPECT_EQ(Count(first, "<div class=\"vx-repent\">"), 25u);
  EXPECT_EQ(Count(second, "<div class=\"vx-repent\">"), 1u);
  EXPECT_NE(second.find("<body class=\"vx-body vx-brep\""), std::string::npos);
  EXPECT_NE(
      second.find("\r\n<div class=\"vx-rep\">\r\n<div class=\"vx-repent\"><a "
                  "name=\"R26\"></a><div class=\"vx-repnbr\">  26. </div>Name 026."),
      std::string::npos);
  EXPECT_EQ(Count(second,
                  "\r\n<div class=\"vx-repnav\"><a href=\"grprep1.html\">Prior</a><span "
                  "class=\"vx-page\">&nbsp; (2 / 2) &nbsp;</span></div>"),
            2u);
  EXPECT_EQ(statistics_.repositoriesWritten, 26);
  EXPECT_EQ(Files(FileGroup::kRepository), 2u);
}

TEST_F(PagesTest, RepositoryPagesOnlyWhenAsked) {
  Load(Repositories(2));
  sources_.Collect(ctx_);
  sources_.WriteRepositories(ctx_);
  EXPECT_FALSE(PageExists("grprep1.html"));
  EXPECT_EQ(statistics_.repositoriesWritten, 0);
}

TEST_F(PagesTest, AFileWithoutSourcesStillGetsAnEmptyFirstPageForItsLinks) {
  options_.m_bRepositoryPages = true;
  WriteBibliography("");
  sources_.WriteRepositories(ctx_);
  const std::string bibliography = Page("grpbib1.html");
  EXPECT_NE(bibliography.find("<div class=\"vx-bib\">\r\n</div>"), std::string::npos);
  EXPECT_EQ(bibliography.find("vx-bibnav"), std::string::npos);
  EXPECT_NE(Page("grprep1.html").find("<div class=\"vx-rep\">\r\n</div>"),
            std::string::npos);
  EXPECT_EQ(statistics_.sourcesWritten, 0);
  EXPECT_EQ(statistics_.repositoriesWritten, 0);
  EXPECT_EQ(Files(FileGroup::kBibliography), 1u);
  EXPECT_EQ(Files(FileGroup::kRepository), 1u);
}

TEST_F(PagesTest, DiscardDropsTheRunData) {
  Load(Sources(2));
  sources_.Collect(ctx_);
  ASSERT_NE(sources_.bibliography(), nullptr);
  EXPECT_EQ(sources_.bibliography()->NumberOf("S2"), 2);
  sources_.Discard();
  EXPECT_EQ(sources_.bibliography(), nullptr);
  EXPECT_EQ(sources_.repositories(), nullptr);
}

}  // namespace
}  // namespace vellix::site
