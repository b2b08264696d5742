// The link checker itself must find broken links, or site tests prove nothing.
#include "testing/site_checker.h"

#include <gtest/gtest.h>

#include "testing/test_support.h"

namespace vellix {
namespace {

TEST(SiteCheckerTest, FindsMissingFilesAndAnchorsAndFollowsGoodLinks) {
  testing::TempDir site;
  site.Write(
      "a.html",
      "<a href=\"b.html#x1\">ok</a> <a href=\"b.html#nope\">bad anchor</a>"
      "<a href=\"media/c%20d.html\">ok</a> <a href=\"gone.html\">bad</a>"
      "<a href=\"http://example.org/\">external</a> <img src=\"pic.gif\">"
      "<a href=\"#top\">self</a><a name=\"top\"></a>"
      "<tt>&lt;a href=\"shown-as-text.html\"&gt;</tt><!-- <a href=\"old.html\"> -->");
  site.Write("b.html",
             "<a name=\"x1\"></a><p id=\"x2\"><a name=\"O&#39;Brien &amp; Co\">");
  site.Write("c.html",
             "<a href=\"b.html#O'Brien%20&amp;%20Co\">entities and escapes</a>");
  site.Write("media/c d.html", "<a href=\"../a.html#top\">up</a>");
  testing::SiteReport report = testing::CheckSiteLinks(site.path());
  EXPECT_EQ(report.pages, 4);
  ASSERT_EQ(report.broken.size(), 3u);
  EXPECT_NE(report.broken[0].find("b.html#nope (no such anchor)"), std::string::npos);
  EXPECT_NE(report.broken[1].find("gone.html (no such file)"), std::string::npos);
  EXPECT_NE(report.broken[2].find("pic.gif (no such file)"), std::string::npos);
  EXPECT_TRUE(report.invalid_utf8.empty());
}

TEST(SiteCheckerTest, ReportsPagesThatAreNotUtf8) {
  testing::TempDir site;
  site.Write("latin1.html", "Caf\xe9");
  EXPECT_EQ(testing::CheckSiteLinks(site.path()).invalid_utf8.size(), 1u);
}

}  // namespace
}  // namespace vellix
