// The summary log page: whole-page comparison of one hand-checked run, its
// sections under other settings, warnings, links and failed runs.
#include <gtest/gtest.h>

#include <string>

#include "logs/log_fixture.h"
#include "logs/log_page.h"
#include "logs/summary_log.h"
#include "platform/app_paths.h"
#include "run/warning_log.h"

namespace vellix {
namespace {

using logtest::Between;
using logtest::Hrefs;

constexpr int64_t kStart = 1700000000;  // Tuesday November 14, 2023 22:13:20 UTC

class SummaryLogTest : public logtest::LogFixture {
 protected:
  SummaryLogTest() {
    warnings_.Reset();
    warnings_.SetLinkResolver(
        [](const std::string& ref) { return "../site/" + ref + ".html"; });
  }

  // Writes the summary of `mode` ending as `result`; returns the page with
  // the temporary root shown as /ROOT/.
  std::string Write(int mode = 0, RunResult result = RunResult::kComplete,
                    int64_t elapsed = 75) {
    LogPage page(files_, log_folder_);
    EXPECT_TRUE(page.Open(LogPageKind::kSummary, kStart));
    SummaryLogInputs in{options_, stats_,  mode,
                        result,   elapsed, root_.path() + "Options.dat"};
    WriteSummaryBody(page, in, warnings_);
    EXPECT_TRUE(page.Close());
    return Normalized(ReadLog("vx-summary.html"));
  }

  WarningLog warnings_{prompter_, root_.path() + "warnings.txt"};
};

const char kTable2[] =
    "\r\n<table width=\"85%\" align=\"center\" border=\"1\" summary=\"Summary\" "
    "cellpadding=\"3\" cellspacing=\"1\"><col width=\"35%\">\r\n";

TEST_F(SummaryLogTest, WholePageOfACompleteRun) {
  stats_.familyRecords = 3;
  stats_.individualRecords = 7;
  stats_.familiesSelected = 2;
  stats_.indexEntries = 6;
  stats_.CountFile(FileGroup::kSurname, 2048);
  stats_.CountFile(FileGroup::kIndex, 512);
  stats_.CountFile(FileGroup::kFamily, 1048000);
  stats_.CountFile(FileGroup::kFamily, 576);
  root_.Write("site/media/thumb/a.jpg", std::string(100, 'x'));
  root_.Write("site/media/port/b.jpg", std::string(1024, 'x'));
  root_.Write("site/media/port/c.jpg", std::string(1024, 'x'));
  options_.m_bFilterDates = true;
  options_.m_bLivingDetails = false;
  options_.m_nNameFilter = 0;
  options_.m_bExcludeLiving = false;
  options_.m_bUseFactTags = false;
  options_.m_bBiography = true;
  options_.m_bRelationship = false;
  options_.m_bIndivImages = false;
  options_.m_bNarrative = false;
  options_.m_bImportText = false;
  options_.m_bGroupImages = true;
  options_.m_bAltSurnameFile = false;
  options_.m_strHomePage.clear();
  options_.m_strBioFolder = "bio\\";
  options_.m_strIndivImageFolder.clear();
  options_.m_strNarrFolder = "..\\stories";
  options_.m_strImportFolder.clear();
  options_.m_strGroupImageFolder = "img\\";
  options_.m_strMediaDestFolder = "media\\";
  options_.m_strMediaSourceFolder.clear();
  options_.m_strFilePrefix = "grp";
  options_.m_strFileExt = ".html";

  const std::string expected =
      std::string(
          "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 "
          "Transitional//EN\">\r\n<html><head>\r\n"
          "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\r\n"
          "<title>VELLIX Summary</title>\r\n"
          "<meta name=\"Description\" content=\"VELLIX Log\">\r\n"
          "</head>\r\n<body style=\"font-family:Arial,Helvetica,sans-serif;\" "
          "bgcolor=\"#ffffff\" text=\"#000000\" link=\"#0000ff\" vlink=\"#800080\" "
          "alink=\"#ff0000\">"
          "\r\n<table width=\"100%\" border=\"0\" summary=\"Heading\" cellpadding=\"1\" "
          "cellspacing=\"2\"><tr><td><tt>/ROOT/logs/vx-summary.html</tt></td>"
          "<td width=\"20%\" align=\"right\">Page 1 of 3</td></tr>\r\n</table>\r\n<p>"
          "\r\n<div align=\"center\"><font size=\"+2\"><b><i>VELLIX</i> "
          "Log</b></font><br>"
          "Tuesday November 14, 2023 22:13:20</div>"
          "<p>\r\n<div align=\"center\">Summary | <a "
          "href=\"vx-individual.html\">Individuals"
          "</a> | <a href=\"vx-family.html\">Families</a></div>"
          "<p>This is a summary of the web pages generated. It is not intended for use "
          "as an "
          "actual web page. <font color=\"red\">This file is overwritten each time you "
          "use "
          "the <i>Generate</i> command. </font>To save it for future reference, use your "
          "browser's <i>Save As...</i> command."
          "<p><hr width=\"90%\" size=\"3\">\r\n<p>"
          // See your results
          "<h2>See your results!</h2><p>"
          "<p>Your web pages were generated and placed in the destination folder: "
          "<span style=\"font-weight:bold\">/ROOT/site/</span>. You should transfer all "
          "files "
          "in that folder to your website. Be sure to transfer other related files like "
          "your "
          "biography web pages and multimedia files too.</p>\r\n"
          "<p>The following links provide an easy way to start browsing your new web "
          "pages. "
          "(They are valid only from within this log file.)</p>\r\n"
          "<p>\r\n"
          "\r\n<table width=\"90%\" align=\"center\" border=\"0\"><col width=\"50%\"><tr>"
          "<td style=\"font-size:120%\">"
          "View the <a href=\"../site/grpmain.html\">Surname</a> page.<br><br>"
          "View the <a href=\"../site/grpname1.html\">Index</a> page.<br><br>"
          "</td><td><i>Note:</i> When you transfer web pages to your website, remember "
          "to "
          "copy <tt><b>grpbase.css</b></tt> also. This file is created in the "
          "destination "
          "folder. Without it, your family pages will not display properly.</td></tr>\r\n"
          "</table>\r\n<p>"
          // Summary
          "<h2>Summary</h2><p>") +
      kTable2 +
      "<tr><td><b>Pages Generated</b></td><td>&nbsp;All Web Pages</td></tr>\r\n"
      "<tr><td><b>Options Set</b></td><td><tt>&nbsp;/ROOT/Options.dat</tt></td></tr>\r\n"
      "<tr><td><b>Elapsed Time</b></td><td>&nbsp;00:01:15</td></tr>\r\n"
      "<tr><td><b>Warnings</b></td><td>&nbsp;0</td></tr>\r\n"
      "\r\n</table>\r\n"
      // GEDCOM File
      "<h2>GEDCOM File</h2>\r\n" +
      kTable2 +
      "<tr><td><b>GEDCOM File</b></td><td><tt>&nbsp;/ROOT/family.ged</tt></td></tr>\r\n"
      "<tr><td><b>Families in GEDCOM</b></td><td>&nbsp;3</td></tr>\r\n"
      "<tr><td><b>Individuals in GEDCOM</b></td><td>&nbsp;7</td></tr>\r\n"
      "<tr><td><b>Living Individuals</b></td><td>&nbsp;Included; Filters: dates "
      "facts</td>"
      "</tr>\r\n"
      "<tr><td><b>Families Processed</b></td><td>&nbsp;2</td></tr>\r\n"
      "<tr><td><b>Individuals Processed</b></td><td>&nbsp;6</td></tr>\r\n"
      "<tr><td><b>Bibliography Entries</b></td><td>&nbsp;0</td></tr>\r\n"
      "<tr><td><b>Repository Entries</b></td><td>&nbsp;0</td></tr>\r\n"
      "\r\n</table>\r\n"
      // Folders
      "<h2>Folders</h2>\r\n<p>Remember to transfer to your website the indicated folders "
      "(<tt><b>*</b></tt>) and the files and sub-folders they contain.</p>\r\n" +
      kTable2 +
      "<tr><td><b><tt>* </tt>Destination "
      "Folder</b></td><td><tt>&nbsp;/ROOT/site/</tt></td>"
      "</tr>\r\n"
      "<tr><td><b><tt>* </tt>Biography File "
      "Path</b></td><td><tt>&nbsp;/ROOT/site/bio/</tt>"
      "</td></tr>\r\n"
      "<tr><td><b><tt>* </tt>Individual Image Path</b></td><td><tt>&nbsp;/ROOT/site/</tt>"
      "</td></tr>\r\n"
      "<tr><td><b><tt>* </tt>Narrative File "
      "Path</b></td><td><tt>&nbsp;/ROOT/stories/</tt>"
      "</td></tr>\r\n"
      "<tr><td><b><tt>&nbsp;&nbsp;</tt>Import Text File Path</b></td><td><tt>&nbsp;"
      "/ROOT/site/</tt></td></tr>\r\n"
      "<tr><td><b><tt>* </tt>Group Image Path</b></td><td><tt>&nbsp;/ROOT/site/img/</tt>"
      "</td></tr>\r\n"
      "<tr><td><b><tt>* </tt>Multimedia Gallery Path</b></td><td><tt>&nbsp;"
      "/ROOT/site/media/</tt></td></tr>\r\n"
      "<tr><td><b><tt>&nbsp;&nbsp;</tt>Multimedia Source Path</b></td><td><tt>&nbsp;</tt>"
      "</td></tr>\r\n"
      "<tr><td><b><tt>&nbsp;&nbsp;</tt>Your Home Page</b></td><td><tt>&nbsp;</tt></td>"
      "</tr>\r\n"
      "\r\n</table>\r\n"
      // Custom Features
      "<h2>Custom Features</h2>\r\n" +
      kTable2 +
      "<tr><td><b>Customization Method</b></td><td>&nbsp;Stored "
      "Configuration</td></tr>\r\n"
      "<tr><td><b>Biography Links</b></td><td>&nbsp;Enabled</td></tr>\r\n"
      "<tr><td><b>Relationship Text</b></td><td>&nbsp;<font color=\"red\">Disabled</font>"
      "</td></tr>\r\n"
      "<tr><td><b>Individual Images</b></td><td>&nbsp;<font color=\"red\">Disabled</font>"
      "</td></tr>\r\n"
      "<tr><td><b>Narrative Links</b></td><td>&nbsp;<font color=\"red\">Disabled</font>"
      "</td></tr>\r\n"
      "<tr><td><b>Imported Text</b></td><td>&nbsp;<font color=\"red\">Disabled</font>"
      "</td></tr>\r\n"
      "<tr><td><b>Group Images</b></td><td>&nbsp;Enabled</td></tr>\r\n"
      "\r\n</table>\r\n"
      // Files Generated
      "<h2>Files Generated</h2>\r\n"
      "\r\n<table width=\"85%\" align=\"center\" border=\"1\" summary=\"Summary\" "
      "cellpadding=\"3\" cellspacing=\"1\">\r\n<col width=\"35%\">\r\n"
      "<col width=\"33%\" align=\"right\">\r\n<col width=\"32%\" align=\"right\">\r\n"
      "<tr><th>Files</th><th>Count</th><th>Size</th></tr>\r\n"
      "<tr><td><b>Surname Files</b></td><td align=\"right\">1</td>"
      "<td align=\"right\">2.00 KB</td></tr>\r\n"
      "<tr><td><b>Index Files</b></td><td align=\"right\">1</td>"
      "<td align=\"right\">0.50 KB</td></tr>\r\n"
      "<tr><td><b>Bibliography Files</b></td><td align=\"right\">0</td>"
      "<td align=\"right\">0.00 KB</td></tr>\r\n"
      "<tr><td><b>Repository Files</b></td><td align=\"right\">0</td>"
      "<td align=\"right\">0.00 KB</td></tr>\r\n"
      "<tr><td><b>Family Files</b></td><td align=\"right\">2</td>"
      "<td align=\"right\">1.00 MB</td></tr>\r\n"
      "<tr><td><b>Multimedia Gallery Files</b></td><td align=\"right\">0</td>"
      "<td align=\"right\">0.00 KB</td></tr>\r\n"
      "<tr><td><b>Multimedia Slide Files</b></td><td align=\"right\">0</td>"
      "<td align=\"right\">0.00 KB</td></tr>\r\n"
      "<tr><td><b>Other Files</b></td><td align=\"right\">0</td>"
      "<td align=\"right\">0.00 KB</td></tr>\r\n"
      "<tr><td><b>Total Files Generated</b></td><td align=\"right\">4</td>"
      "<td align=\"right\">1.00 MB</td></tr>\r\n"
      "<tr><td><b>Multimedia Items Processed</b></td><td align=\"right\">0</td>"
      "<td align=\"right\">0.00 KB</td></tr>\r\n"
      "<tr><td><b>Multimedia Items Total</b></td><td align=\"right\">0</td>"
      "<td align=\"right\">0.00 KB</td></tr>\r\n"
      "<tr><td><b>&nbsp; &nbsp;Thumbnails</b></td><td align=\"right\">1</td>"
      "<td align=\"right\">0.10 KB</td></tr>\r\n"
      "<tr><td><b>&nbsp; &nbsp;Slides</b></td><td align=\"right\">0</td>"
      "<td align=\"right\">0.00 KB</td></tr>\r\n"
      "<tr><td><b>&nbsp; &nbsp;Originals</b></td><td align=\"right\">0</td>"
      "<td align=\"right\">0.00 KB</td></tr>\r\n"
      "<tr><td><b>&nbsp; &nbsp;Portraits</b></td><td align=\"right\">2</td>"
      "<td align=\"right\">2.00 KB</td></tr>\r\n"
      "<tr><td><b>Grand Total</b></td><td align=\"right\">4</td>"
      "<td align=\"right\">1.00 MB</td></tr>\r\n"
      "</table>\r\n"
      // Warnings
      "<a name=\"Warn\"></a><h2>Warnings</h2><p><p>None.</p>\r\n"
      // Link
      "<h2>Link</h2><p><p><p>To add a link from your Home Page to the Surname Page, use "
      "your "
      "mouse to select the following line of HTML text. Then copy (CTRL+C) and paste it "
      "(CTRL+V) into your own web page while you are editing it. If you paste it into "
      "another file, verify the relative path is still correct."
      "<p>\r\n<div align=\"center\"><tt>View my &lt;a href=\"grpmain.html\"&gt;Family "
      "Group "
      "Sheets&lt;/a&gt;</tt>.</div>"
      "<p>"
      // Page end
      "<p><hr width=\"90%\" size=\"3\">\r\n<p><p><b><i>VELLIX</i></b> " +
      std::string(platform::ProductVersion()) + "  " +
      std::string(platform::kLegalNotice) + "<p></body></html>\r\n";
  EXPECT_EQ(Write(), expected);
}

TEST_F(SummaryLogTest, ModeTexts) {
  EXPECT_EQ(PagesGeneratedText(0), "All Web Pages");
  EXPECT_EQ(PagesGeneratedText(1), "All Web Pages; Copy Multimedia");
  EXPECT_EQ(PagesGeneratedText(2), "All Web Pages; Skip Multimedia");
  EXPECT_EQ(PagesGeneratedText(3), "Family Web Pages");
  EXPECT_EQ(PagesGeneratedText(4), "Index Web Pages");
  EXPECT_EQ(PagesGeneratedText(5), "Sample Web Pages");
  EXPECT_EQ(PagesGeneratedText(6), "Standalone Bibliography Web Pages");
  EXPECT_NE(Write(1).find("<td><b>Pages Generated</b></td><td>&nbsp;All Web Pages; Copy "
                          "Multimedia</td>"),
            std::string::npos);
}

TEST_F(SummaryLogTest, OlderPagesRemarkOnlyInFamilyAndBibliographyModes) {
  const std::string kFamily = "<p>Since you did not generate index pages";
  const std::string kBib = "<p>Since you generated only a bibliography";
  std::string family = Write(3);
  EXPECT_NE(family.find(kFamily), std::string::npos);
  EXPECT_EQ(family.find(kBib), std::string::npos);
  std::string bib = Write(6);
  EXPECT_NE(
      bib.find(kBib + ", the Surname and Index links will point to older web pages, "
                      "which may not exist.</p>\r\n<p>\r\n"),
      std::string::npos);
  EXPECT_NE(bib.find("There were no bibliography entries found.<br><br>"),
            std::string::npos);
  for (int mode : {0, 4, 5}) {
    std::string page = Write(mode);
    EXPECT_EQ(page.find("<p>Since you"), std::string::npos) << mode;
    EXPECT_EQ(page.find("There were no bibliography"), std::string::npos) << mode;
  }
}

TEST_F(SummaryLogTest, BibliographyAndHomeLinksWhenPresent) {
  stats_.CountFile(FileGroup::kBibliography, 10);
  options_.m_strHomePage = "..\\home\\index.html";
  const std::string page = Write(6);
  EXPECT_NE(
      page.find(
          "View the <a href=\"../site/grpbib1.html\">Bibliography</a> page."
          "<br><br>View your <a href=\"../home/index.html\">Home</a> page.<br><br>"),
      std::string::npos);
  EXPECT_EQ(page.find("There were no bibliography"), std::string::npos);
  EXPECT_NE(page.find("<td><b><tt>&nbsp;&nbsp;</tt>Your Home Page</b></td><td><tt>&nbsp;"
                      "/ROOT/home/index.html</tt></td>"),
            std::string::npos);
  // From the home page's folder to the destination folder.
  EXPECT_NE(page.find("View my &lt;a href=\"../site/grpmain.html\"&gt;"),
            std::string::npos);
}

TEST_F(SummaryLogTest, AlternateSurnameFileDropsTheLinkSection) {
  options_.m_bAltSurnameFile = true;
  options_.m_strAltSurnameFile = "index.htm";
  const std::string page = Write();
  EXPECT_NE(page.find("View the <a href=\"../site/index.htm\">Surname</a> page."),
            std::string::npos);
  EXPECT_EQ(page.find("<h2>Link</h2>"), std::string::npos);
  EXPECT_EQ(page.find("Family Group Sheets"), std::string::npos);
}

TEST_F(SummaryLogTest, LinksIntoTheSiteResolveFromTheLogFolder) {
  options_.m_strHomePage = "my home\\start.html";
  stats_.CountFile(FileGroup::kBibliography, 10);
  for (const char* name :
       {"site/grpmain.html", "site/grpname1.html", "site/grpbib1.html",
        "site/my home/start.html", "logs/vx-individual.html", "logs/vx-family.html"}) {
    root_.Write(name, "x");
  }
  const std::string page = Write();
  std::vector<std::string> links = Hrefs(page);
  EXPECT_EQ(links.size(), 6u);  // 2 page links, 4 into the site
  for (const std::string& href : links) {
    EXPECT_TRUE(Resolves(href)) << href;
  }
  EXPECT_NE(page.find("href=\"../site/my%20home/start.html\""), std::string::npos);
  // The line to paste into the home page leads from the home page's folder.
  EXPECT_NE(page.find("View my &lt;a href=\"../grpmain.html\"&gt;"), std::string::npos);
}

TEST_F(SummaryLogTest, LivingIndividualsRow) {
  auto row = [&] {
    return Between(Write(), "<td><b>Living Individuals</b></td>", "</tr>");
  };
  options_.m_bExcludeLiving = true;
  EXPECT_EQ(row(),
            "<td><b>Living Individuals</b></td><td>&nbsp;<font color=\"red\">"
            "Excluded</font></td>");
  options_.m_bExcludeLiving = false;
  options_.m_nNameFilter = 0;
  options_.m_bFilterDates = false;
  options_.m_bLivingDetails = true;
  EXPECT_EQ(row(), "<td><b>Living Individuals</b></td><td>&nbsp;Included</td>");
  options_.m_nNameFilter = 2;
  options_.m_bFilterDates = true;
  options_.m_bLivingDetails = false;
  EXPECT_EQ(row(),
            "<td><b>Living Individuals</b></td><td>&nbsp;Included; Filters: names "
            "dates facts</td>");
  options_.m_bFilterDates = false;
  options_.m_bLivingDetails = true;
  EXPECT_EQ(row(),
            "<td><b>Living Individuals</b></td><td>&nbsp;Included; Filters: names</td>");
}

TEST_F(SummaryLogTest, WarningsGroupedUnderHeadingsInCategoryOrder) {
  warnings_.Add(WarningCode::kNonstandardTagIgnored, "_UID");       // category 8
  warnings_.Add(WarningCode::kFileNotWritten, "GENDEX.txt");        // category 1
  warnings_.Add(WarningCode::kMarriageFactsExcluded);               // category 0
  warnings_.Add(WarningCode::kNonstandardTagRemapped, "_MILT");     // category 8
  warnings_.Add(WarningCode::kGroupImageMissing, "fam.jpg", "F1");  // category 3
  const std::string page = Write();
  EXPECT_NE(page.find("<tr><td><b>Warnings</b></td><td>&nbsp;5 &nbsp;(<a href=\"#Warn\" "
                      "title=\"Warnings\">see below</a>)</td></tr>"),
            std::string::npos);
  const std::string section = Between(page, "<a name=\"Warn\">", "<h2>Link</h2>");
  const std::string expected =
      "<a name=\"Warn\"></a><h2>Warnings</h2><p>"
      "<p>See <i>Warning Messages</i> under <i>Appendices</i> in the "
      "<b><i>VELLIX</i></b> "
      "help for an explanation of messages.</p>\r\n"
      "<p><b>General:</b></p>\r\n<ol start=\"1\">\r\n"
      "<li>Marriage facts have been excluded and are therefore not displayed.</li>\r\n"
      "</ol>\r\n<p><b>Missing Files:</b> The following files do not exist.</p>\r\n"
      "<ol start=\"2\">\r\n<li>'GENDEX.txt' ().</li>\r\n"
      "</ol>\r\n<p><b>Group Images:</b> These images of family groups are missing. "
      "Ensure "
      "they exist prior to publishing your website.</p>\r\n<ol start=\"3\">\r\n"
      "<li>'fam.jpg' (<a href=\"../site/F1.html\">F1</a>).</li>\r\n"
      "</ol>\r\n<p><b>GEDCOM Tags:</b> The following nonstandard tags were encountered "
      "in "
      "your GEDCOM file. They were either ignored or remapped to a standard tag.</p>\r\n"
      "<ol start=\"4\">\r\n<li>Nonstandard tag _UID ignored.</li>\r\n"
      "<li>Remapped nonstandard tag _MILT.</li>\r\n</ol>\r\n";
  EXPECT_EQ(section, expected);
}

TEST_F(SummaryLogTest, NoWarningsShowsZeroAndNone) {
  const std::string page = Write();
  EXPECT_NE(page.find("<tr><td><b>Warnings</b></td><td>&nbsp;0</td></tr>"),
            std::string::npos);
  EXPECT_NE(page.find("<h2>Warnings</h2><p><p>None.</p>\r\n"), std::string::npos);
  EXPECT_EQ(page.find("<ol"), std::string::npos);
  EXPECT_EQ(page.find("Appendices"), std::string::npos);
}

TEST_F(SummaryLogTest, FailedRunSaysSoAndOffersNoResults) {
  warnings_.Add(WarningCode::kNotGedcom);
  const std::string page = Write(0, RunResult::kFailed, 0);
  EXPECT_NE(
      page.find("<p><hr width=\"90%\" size=\"3\">\r\n<p><h2>Web page generation "
                "FAILED.</h2><p>No web pages were generated. The warnings below give "
                "the reason.</p>\r\n<p><h2>Summary</h2>"),
      std::string::npos);
  EXPECT_EQ(page.find("See your results!"), std::string::npos);
  EXPECT_EQ(page.find("View the <a"), std::string::npos);
  EXPECT_NE(page.find("<td><b>Families Processed</b></td><td>&nbsp;0</td>"),
            std::string::npos);
  EXPECT_NE(
      page.find("<ol start=\"1\">\r\n<li>Web page generation FAILED. The input file "
                "is not a GEDCOM file.</li>\r\n</ol>\r\n"),
      std::string::npos);
  EXPECT_NE(page.find("<td><b>Warnings</b></td><td>&nbsp;1 &nbsp;("), std::string::npos);
}

TEST_F(SummaryLogTest, CancelledRunWarnsThatPagesMayBeIncomplete) {
  warnings_.Add(WarningCode::kCanceled);
  const std::string page = Write(0, RunResult::kCancelled);
  EXPECT_NE(
      page.find("<h2>Web page generation CANCELED.</h2><p>The run was stopped before "
                "it finished, so some web pages may be missing or incomplete.</p>\r\n"
                "<h2>See your results!</h2>"),
      std::string::npos);
  EXPECT_NE(page.find("<li>Web page generation was CANCELED.</li>"), std::string::npos);
  EXPECT_EQ(page.find("FAILED"), std::string::npos);
}

TEST_F(SummaryLogTest, PathsAreEscapedInText) {
  options_.m_strGedcomFile = "\\data\\Smith & <Jones>.ged";
  const std::string page = Write();
  EXPECT_NE(page.find("<tt>&nbsp;/data/Smith &amp; &lt;Jones&gt;.ged</tt>"),
            std::string::npos);
}

TEST(SummaryFormatTest, CancellingOutranksFailure) {
  EXPECT_EQ(RunResultOf(true, false), RunResult::kComplete);
  EXPECT_EQ(RunResultOf(false, false), RunResult::kFailed);
  EXPECT_EQ(RunResultOf(false, true), RunResult::kCancelled);
  EXPECT_EQ(RunResultOf(true, true), RunResult::kCancelled);
}

TEST(SummaryFormatTest, ElapsedTimeKeepsCountingHours) {
  EXPECT_EQ(FormatElapsed(0), "00:00:00");
  EXPECT_EQ(FormatElapsed(59), "00:00:59");
  EXPECT_EQ(FormatElapsed(3661), "01:01:01");
  EXPECT_EQ(FormatElapsed(90000), "25:00:00");
  EXPECT_EQ(FormatElapsed(-5), "00:00:00");
}

TEST(SummaryFormatTest, TallyCountsOnlyFilesDirectlyInTheFolder) {
  testing::TempDir dir;
  platform::LocalFileAccess files_;
  dir.Write("a.jpg", std::string(10, 'a'));
  dir.Write("b.jpg", std::string(30, 'b'));
  dir.Write("sub/c.jpg", std::string(1000, 'c'));
  FileTally tally = TallyFolder(files_, dir.path());
  EXPECT_EQ(tally.count, 2);
  EXPECT_EQ(tally.bytes, 40u);
  FileTally none = TallyFolder(files_, dir.path() + "missing/");
  EXPECT_EQ(none.count, 0);
  EXPECT_EQ(none.bytes, 0u);
}

}  // namespace
}  // namespace vellix
