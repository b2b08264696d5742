// The log page writer: head per page kind, navigation between the three
// pages, the end line, and a page that cannot be created.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "logs/log_fixture.h"
#include "logs/log_page.h"
#include "platform/app_paths.h"
#include "run/run_log_entries.h"

namespace vellix {
namespace {

using logtest::Between;

class LogPageTest : public logtest::LogFixture {
 protected:
  std::string WriteEmpty(LogPageKind kind, int64_t start = 0) {
    LogPage page(files_, log_folder_);
    EXPECT_TRUE(page.Open(kind, start));
    EXPECT_TRUE(page.Close());
    return Normalized(testing::ReadFile(page.path()));
  }
};

TEST_F(LogPageTest, FileNamesTitlesAndPageNumbers) {
  EXPECT_EQ(LogPageFileName(LogPageKind::kSummary), "vx-summary.html");
  EXPECT_EQ(LogPageFileName(LogPageKind::kIndividuals), "vx-individual.html");
  EXPECT_EQ(LogPageFileName(LogPageKind::kFamilies), "vx-family.html");
  const std::string individuals = WriteEmpty(LogPageKind::kIndividuals);
  EXPECT_NE(individuals.find("<title>VELLIX Individuals</title>"), std::string::npos);
  EXPECT_NE(
      individuals.find("<tt>/ROOT/logs/vx-individual.html</tt></td><td width=\"20%\" "
                       "align=\"right\">Page 2 of 3</td>"),
      std::string::npos);
  const std::string families = WriteEmpty(LogPageKind::kFamilies);
  EXPECT_NE(families.find("<title>VELLIX Families</title>"), std::string::npos);
  EXPECT_NE(families.find("Page 3 of 3"), std::string::npos);
}

TEST_F(LogPageTest, CurrentPageIsPlainTextOthersAreLinks) {
  auto nav = [&](LogPageKind kind) {
    return Between(WriteEmpty(kind), "</div><p>\r\n<div align=\"center\">", "<p>This is");
  };
  EXPECT_EQ(nav(LogPageKind::kSummary),
            "</div><p>\r\n<div align=\"center\">Summary | <a href=\"vx-individual.html\">"
            "Individuals</a> | <a href=\"vx-family.html\">Families</a></div>");
  EXPECT_EQ(
      nav(LogPageKind::kIndividuals),
      "</div><p>\r\n<div align=\"center\"><a href=\"vx-summary.html\">Summary</a> | "
      "Individuals | <a href=\"vx-family.html\">Families</a></div>");
  EXPECT_EQ(
      nav(LogPageKind::kFamilies),
      "</div><p>\r\n<div align=\"center\"><a href=\"vx-summary.html\">Summary</a> | "
      "<a href=\"vx-individual.html\">Individuals</a> | Families</div>");
}

TEST_F(LogPageTest, OnlyTheFamiliesPageHasTheEnlargeScript) {
  const std::string kScript =
      "<meta name=\"Description\" content=\"VELLIX Log\">\r\n"
      "<script type=\"text/javascript\" language=\"JavaScript\">\r\n"
      "<!--\r\nfunction NewWindow(url, x, y)\r\n{\r\n"
      "   window.open(url, \"\", "
      "\"toolbar=0,status=0,menubar=1,scrollbars=1,resizable=1,\" "
      "+\r\n\"width=\" + x + \",height=\" + "
      "y);\r\n}\r\n//-->\r\n</script>\r\n</head>\r\n";
  EXPECT_NE(WriteEmpty(LogPageKind::kFamilies).find(kScript), std::string::npos);
  EXPECT_EQ(WriteEmpty(LogPageKind::kSummary).find("<script"), std::string::npos);
  EXPECT_EQ(WriteEmpty(LogPageKind::kIndividuals).find("<script"), std::string::npos);
}

TEST_F(LogPageTest, StartTimeIsShownInLocalTime) {
  EXPECT_EQ(FormatLogTime(0), "Thursday January 01, 1970 00:00:00");
  EXPECT_EQ(FormatLogTime(951782400), "Tuesday February 29, 2000 00:00:00");
  setenv("TZ", "EST5", 1);
  tzset();
  EXPECT_EQ(FormatLogTime(0), "Wednesday December 31, 1969 19:00:00");
  EXPECT_NE(WriteEmpty(LogPageKind::kSummary, 0)
                .find("<br>Wednesday December 31, 1969 "
                      "19:00:00</div>"),
            std::string::npos);
}

TEST_F(LogPageTest, PrintFormatsAndEndLineCloses) {
  LogPage page(files_, log_folder_);
  ASSERT_TRUE(page.Open(LogPageKind::kSummary, 0));
  page.Print("<b>%d%%</b> %s", 42, "done");
  page.Append(" 100%");
  ASSERT_TRUE(page.Close());
  const std::string text = testing::ReadFile(page.path());
  const std::string tail =
      "<p><hr width=\"90%\" size=\"3\">\r\n<p><b>42%</b> done 100%"
      "<p><hr width=\"90%\" size=\"3\">\r\n<p><p><b><i>VELLIX</i></b> " +
      std::string(platform::ProductVersion()) + "  " +
      std::string(platform::kLegalNotice) + "<p></body></html>\r\n";
  ASSERT_GE(text.size(), tail.size());
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
  EXPECT_FALSE(page.is_open());
  EXPECT_FALSE(page.Close());  // a second close writes nothing
}

// Texts longer than the formatting buffer are formatted whole all the same.
TEST_F(LogPageTest, PrintTakesTextsOfEveryLength) {
  LogPage page(files_, log_folder_);
  ASSERT_TRUE(page.Open(LogPageKind::kSummary, 0));
  std::string expected;
  for (size_t length : {0u, 1u, 500u, 510u, 511u, 512u, 513u, 5000u}) {
    const std::string text(length, 'x');
    page.Print("[%s|%zu]", text.c_str(), length);
    expected += "[" + text + "|" + std::to_string(length) + "]";
  }
  ASSERT_TRUE(page.Close());
  EXPECT_NE(testing::ReadFile(page.path()).find(expected), std::string::npos);
}

TEST_F(LogPageTest, APageOfManyMegabytesIsWrittenWholeAndInOrder) {
  LogPage page(files_, log_folder_);
  ASSERT_TRUE(page.Open(LogPageKind::kIndividuals, 0));
  const std::string row =
      "<tr><td>I12345</td><td>a row of the individuals table</td></tr>\r\n";
  constexpr int kRows = 60000;  // about four megabytes
  for (int i = 0; i < kRows; ++i) {
    page.Print("<!-- %d -->", i);
    page.Append(row);
  }
  ASSERT_TRUE(page.Close());
  const std::string text = testing::ReadFile(page.path());
  size_t at = 0;
  for (int i = 0; i < kRows; i += 9973) {
    const std::string marker = "<!-- " + std::to_string(i) + " -->" + row;
    at = text.find(marker, at);
    ASSERT_NE(at, std::string::npos) << "row " << i;
  }
  EXPECT_NE(text.find("<!-- 59999 -->" + row + "<p><hr"), std::string::npos);
  EXPECT_EQ(text.rfind("</body></html>\r\n"), text.size() - 16);
}

TEST_F(LogPageTest, ReopeningReplacesTheOlderPage) {
  LogPage page(files_, log_folder_);
  ASSERT_TRUE(page.Open(LogPageKind::kSummary, 0));
  page.Append("FIRST RUN");
  ASSERT_TRUE(page.Close());
  ASSERT_TRUE(page.Open(LogPageKind::kSummary, 0));
  page.Append("SECOND RUN");
  ASSERT_TRUE(page.Close());
  const std::string text = ReadLog("vx-summary.html");
  EXPECT_EQ(text.find("FIRST RUN"), std::string::npos);
  EXPECT_NE(text.find("SECOND RUN"), std::string::npos);
}

TEST_F(LogPageTest, PageThatCannotBeCreatedIgnoresEveryWrite) {
  LogPage page(files_, root_.path() + "no-such-folder/");
  EXPECT_FALSE(page.Open(LogPageKind::kSummary, 0));
  EXPECT_FALSE(page.is_open());
  page.Print("%s", "lost");
  page.Append("lost");
  EXPECT_FALSE(page.Close());
  EXPECT_FALSE(std::filesystem::exists(root_.path() + "no-such-folder"));
}

TEST_F(LogPageTest, TheFolderGetsItsTrailingSlash) {
  LogPage page(files_, root_.path() + "logs");
  EXPECT_EQ(page.folder(), log_folder_);
  ASSERT_TRUE(page.Open(LogPageKind::kFamilies, 0));
  page.Close();
  EXPECT_TRUE(std::filesystem::exists(log_folder_ + "vx-family.html"));
}

}  // namespace
}  // namespace vellix
