// Whole pages of a small hand-checked site: the exact second bibliography
// page, validation of every page with onsgmls, and links between the
// bibliography and repository pages.
#include <gtest/gtest.h>

#include "site/sources/source_pages.h"
#include "sources_fixture.h"
#include "testing/html_validator.h"
#include "testing/site_checker.h"

namespace vellix::site {
namespace {

class SourceSiteTest : public SourcesTest {
 protected:
  void SetUp() override {
    options_.m_bBiblioComments = true;
    options_.m_bRepositoryComments = true;
    options_.m_bAuthorLifespan = true;
    options_.m_bBiblioPages = true;
    options_.m_bRepositoryPages = true;
    options_.m_strIgnorePrefix = "~";
    options_.m_nBiblioPerPage = 2;
    ctx_.mode = 6;
    ctx_.flags.strictConformance = options_.IsStrictDtd();
    LoadFixture("sources.ged");
  }

  /// The bibliography-only run: sources collected, both kinds of pages.
  void WriteSite() {
    sources_.Collect(ctx_);
    sources_.WriteBibliography(ctx_, true);
    sources_.WriteRepositories(ctx_);
  }

  SourcePages sources_;
};

TEST_F(SourceSiteTest, SecondBibliographyPageMatchesTheHandCheckedPage) {
  WriteSite();
  const std::string page = Page("grpbib2.html");
  EXPECT_EQ(page, testing::ReadFile(testing::DataFile("sources/grpbib2.html")));
}

TEST_F(SourceSiteTest, PagesValidateAsHtml401Transitional) {
  options_.m_strDtdPages = COptions::GetDefaultDtd(false);
  WriteSite();
  for (const char* name : {"grpbib1.html", "grpbib2.html", "grprep1.html"}) {
    EXPECT_EQ(testing::ValidateHtmlFile(site_.File(name)), std::vector<std::string>{})
        << name;
  }
}

TEST_F(SourceSiteTest, PagesValidateUnderTheStrictDoctype) {
  options_.m_strDtdPages = COptions::GetDefaultDtd(true);
  ctx_.flags.strictConformance = options_.IsStrictDtd();
  WriteSite();
  for (const char* name : {"grpbib1.html", "grpbib2.html", "grprep1.html"}) {
    const std::string page = Page(name);
    EXPECT_EQ(page.find(" target="), std::string::npos) << name;
    EXPECT_EQ(testing::ValidateHtmlFile(site_.File(name)), std::vector<std::string>{})
        << name;
  }
}

TEST_F(SourceSiteTest, LinksBetweenBibliographyAndRepositoryPagesResolve) {
  WriteSite();
  // The pages the rest of a run writes, which every page links to.
  site_.Write("grpbase.css", "");
  site_.Write("grpmain.html", "<html><body></body></html>");
  const testing::SiteReport report = testing::CheckSiteLinks(site_.path());
  EXPECT_EQ(report.pages, 4);
  EXPECT_GT(report.links, 10);
  EXPECT_EQ(report.broken, std::vector<std::string>{});
  EXPECT_EQ(report.invalid_utf8, std::vector<std::string>{});
  EXPECT_NE(
      Page("grpbib2.html").find("<a href=\"grprep1.html#R1\" title=\"Repository\">2</a>"),
      std::string::npos);
}

}  // namespace
}  // namespace vellix::site
