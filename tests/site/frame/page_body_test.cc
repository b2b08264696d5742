// Title blocks, closing lines, templates, links and the assembly of a whole
// page through BeginPage ... EndPage.
#include <gtest/gtest.h>

#include "gedcom/gedcom_reader.h"
#include "gedcom/record_store.h"
#include "model/dialects.h"
#include "model/run_context.h"
#include "platform/progress.h"
#include "site/frame/frame_fixture.h"
#include "testing/test_environment.h"

namespace vellix::site {
namespace {

using PageBodyTest = FrameTest;

TEST_F(PageBodyTest, SurnameAndIndexTitlesCarryTheCountsSubtitle) {
  PageWriter writer = Prepared();
  writer.SetTitle(kPageSurname, "ignored", 1234, 456);
  EXPECT_EQ(writer.title_block(),
            "<div class=\"vx-title\">Surnames</div>\r\n"
            "<div class=\"vx-subtitle\">1234 individuals in 456 families</div>");
  options_.m_strHeadingIndex = "Name Index";
  writer.SetTitle(kPageIndex, "", 7, 3);
  EXPECT_EQ(writer.title_block(),
            "<div class=\"vx-title\">Name Index</div>\r\n"
            "<div class=\"vx-subtitle\">7 individuals in 3 families</div>");
}

TEST_F(PageBodyTest, BibliographyRepositoryAndMediaTitles) {
  PageWriter writer = Prepared();
  writer.SetTitle(kPageBibliography, "", 0, 0);
  EXPECT_EQ(writer.title_block(), "<div class=\"vx-title\">Bibliography</div>\r\n");
  writer.SetTitle(kPageRepository, "", 0, 0);
  EXPECT_EQ(writer.title_block(), "<div class=\"vx-title\">Repository</div>\r\n");
  writer.SetTitle(kPageGallery, "Gallery of John", 0, 0);
  EXPECT_EQ(writer.title_block(), "<div class=\"vx-thmtitle\">Gallery of John</div>\r\n");
  writer.SetTitle(kPageSlide, "Wedding", 0, 0);
  EXPECT_EQ(writer.title_block(), "<div class=\"vx-sldtitle\">Wedding</div>\r\n");
}

TEST_F(PageBodyTest, FamilyTitleFollowsTheTitleChoice) {
  options_.m_strHeadingFamily = "The family of ";
  PageWriter writer = Prepared();
  // Off: the block keeps what it held (empty after Prepare).
  writer.SetTitle(kPageFamily, "John &amp; Mary", 0, 0);
  EXPECT_EQ(writer.title_block(), "");

  options_.m_bTitleAtTop = true;
  writer.SetTitle(kPageFamily, "John &amp; Mary", 0, 0);
  EXPECT_EQ(writer.title_block(),
            "<div class=\"vx-famtitle\"><div class=\"vx-namtitle\">John &amp; Mary</div>"
            "</div>\r\n");
  options_.m_bTitleAndNames = true;
  writer.SetTitle(kPageFamily, "John", 0, 0);
  EXPECT_EQ(
      writer.title_block(),
      "<div class=\"vx-famtitle\"><div class=\"vx-namtitle\">The family of John</div>"
      "</div>\r\n");
  options_.m_bTitleAndNames = false;
  options_.m_bTitleNames = false;
  writer.SetTitle(kPageFamily, "John", 0, 0);
  EXPECT_EQ(writer.title_block(),
            "<div class=\"vx-famtitle\"><div class=\"vx-namtitle\">The family of </div>"
            "</div>\r\n");
}

TEST_F(PageBodyTest, EmptyTitleKeepsThePreviousBlockUntilPrepare) {
  PageWriter writer = Prepared();
  writer.SetTitle(kPageBibliography, "", 0, 0);
  writer.SetTitle(kPageFootnotes, "x", 0, 0);
  EXPECT_EQ(writer.title_block(), "<div class=\"vx-title\">Bibliography</div>\r\n");
  writer.Prepare(false);
  EXPECT_EQ(writer.title_block(), "");
}

TEST_F(PageBodyTest, ClosingWithRevisionDateAndCopyright) {
  PageWriter writer = Prepared();
  EXPECT_EQ(writer.revised_value(), "March 05, 2024");
  EXPECT_EQ(writer.Closing(false),
            "\r\n<p class=\"vx-rev\">Revised: March 05, 2024</p>\r\n</body></html>\r\n");
  options_.m_strCopyright = "&copy; 2024 Ann";
  options_.m_strStdBeforeBodyEnd = "<!--bb-->";
  options_.m_strStdBeforeHtmlEnd = "<!--bh-->";
  options_.m_strStdAfterHtmlEnd = "<!--ah %revised%-->";
  EXPECT_EQ(writer.Closing(false),
            "\r\n<p class=\"vx-rev\">Revised: March 05, 2024</p>\r\n"
            "\r\n<p class=\"vx-copy\">&copy; 2024 Ann</p>"
            "<!--bb--></body><!--bh--></html>\r\n<!--ah March 05, 2024-->");
  // Media pages take the multimedia blocks.
  options_.m_strMediaBeforeBodyEnd = "<!--mb-->";
  EXPECT_NE(writer.Closing(true).find("Ann</p><!--mb--></body></html>\r\n"),
            std::string::npos);
}

TEST_F(PageBodyTest, EmptyRevisedLabelDropsTheRevisionLine) {
  options_.m_strLblRevised.clear();
  options_.m_strRevisedFormat = "d MMM yyyy";
  PageWriter writer = Prepared();
  EXPECT_EQ(writer.revised_value(), "5 Mar 2024");
  EXPECT_EQ(writer.Closing(false), "</body></html>\r\n");
}

TEST_F(PageBodyTest, RevisionDateUsesTheConfiguredPicture) {
  options_.m_strRevisedFormat = "dddd, d. MMMM yyyy";
  EXPECT_EQ(Prepared().revised_value(), "Tuesday, 5. March 2024");
}

TEST_F(PageBodyTest, TemplateReplacesPlaceholdersInAnyLetterCase) {
  PageWriter writer = Prepared();
  writer.SetFileName("C:\\site\\grpf12.html");
  writer.BuildHead("Smith Family", "");
  EXPECT_EQ(writer.ApplyTemplate("%FILE% | %Title% | %revised% | 100% sure"),
            "grpf12.html | Smith Family | March 05, 2024 | 100% sure");
  EXPECT_EQ(writer.ApplyTemplate("no placeholders"), "no placeholders");
  writer.SetFileName("/home/ann/site/grpf13.html");
  EXPECT_EQ(writer.ApplyTemplate("%file%"), "grpf13.html");
}

TEST_F(PageBodyTest, LinksWithTargetsAndTitles) {
  PageWriter writer = Prepared();
  EXPECT_EQ(writer.MakeLink(false, "a.html", "", "", "A"),
            "<a href=\"a.html\" target=\"_self\">A</a>");
  EXPECT_EQ(writer.MakeLink(true, "a.html", "", "Go", "A"),
            "<a href=\"a.html\" target=\"_parent\" title=\"Go\">A</a>");
  EXPECT_EQ(writer.MakeLink(true, "a.html", "main", "", "A"),
            "<a href=\"a.html\" target=\"main\">A</a>");
  writer.set_strict_doctype(true);
  EXPECT_EQ(writer.MakeLink(true, "a.html", "main", "Go", "A"),
            "<a href=\"a.html\" title=\"Go\">A</a>");
}

TEST_F(PageBodyTest, RunWritersTakeTheRunsStrictFlag) {
  testing::TestEnvironment test_env;
  RecordStore store;
  GedcomReader reader(store, test_env.env);
  RunStatistics statistics;
  platform::NullProgress progress;
  DialectTable dialects;
  RunContext ctx{test_env.env, options_, reader,     store, statistics,
                 progress,     dialects, RunFlags{}, 0};
  ctx.flags.strictConformance = true;
  EXPECT_TRUE(PageWriter(ctx).strict_doctype());
  ctx.flags.strictConformance = false;
  PageWriter writer(ctx);
  EXPECT_FALSE(writer.strict_doctype());
  writer.Prepare(false);
  EXPECT_NE(writer.MakeLink(false, "a", "", "", "b").find(" target=\"_self\""),
            std::string::npos);
}

TEST_F(PageBodyTest, ClassedElementsAndBreaksFollowTheFixedFontOption) {
  PageWriter writer = Prepared();  // fixed font is the default
  EXPECT_EQ(writer.OpenClassed("vx-imp"), "<div class=\"vx-imp\">");
  EXPECT_EQ(writer.CloseClassed(), "</div>");
  EXPECT_EQ(writer.line_break(), "\r\n");
  EXPECT_EQ(writer.paragraph_open(), "");
  EXPECT_EQ(writer.paragraph_close(), "\r\n");
  options_.m_bMonoFont = false;
  writer.Prepare(false);
  EXPECT_EQ(writer.OpenClassed("vx-imp"), "<p class=\"vx-imp\">");
  EXPECT_EQ(writer.CloseClassed(), "</p>");
  EXPECT_EQ(writer.line_break(), "<br>");
  EXPECT_EQ(writer.paragraph_open(), "<p>");
  EXPECT_EQ(writer.paragraph_close(), "</p>\r\n");
  EXPECT_EQ(writer.family_div_open(), "<div class=\"vx-fam\">");
  EXPECT_EQ(writer.index_div_open(), "<div class=\"vx-idx\">");
  EXPECT_EQ(writer.div_close(), "</div>");
}

TEST_F(PageBodyTest, ListPageFileNames) {
  PageWriter writer = Prepared();
  EXPECT_EQ(writer.first_index_file(), "grpname1.html");
  EXPECT_EQ(writer.first_surname_file(), "grpmain.html");
  EXPECT_EQ(writer.first_bibliography_file(), "grpbib1.html");
  EXPECT_EQ(writer.first_repository_file(), "grprep1.html");
  options_.m_strFilePrefix = "fam";
  options_.m_strFileExt = "htm";
  options_.m_bAltSurnameFile = true;
  writer.Prepare(false);
  EXPECT_EQ(writer.first_index_file(), "famname1.htm");
  EXPECT_EQ(writer.first_surname_file(), "index.html");
  EXPECT_EQ(writer.first_bibliography_file(), "fambib1.htm");
}

TEST_F(PageBodyTest, WholeFamilyPageInCallingOrder) {
  options_.m_strDtdPages = kDtdTransitional;
  options_.m_strFamilyHeader = "<p>Header of %file%</p>";
  options_.m_strFamilyFooter = "<p>Footer: %TITLE%</p>";
  options_.m_bLinksTop = true;
  PageWriter writer = Prepared();
  writer.SetTitle(kPageFamily, "J", 0, 0);
  writer.SetFileName("C:\\site\\grpf1.html");
  std::string page;
  const std::string bar = writer.FamilyBar(false, false);
  writer.BeginPage(&page, kPageFamily, writer.BuildHead("J", ""), "", "");
  writer.WriteTopLinks(&page, bar, true);
  PageWriter::WritePage(&page, "<p>content</p>");
  writer.WriteBottomLinks(&page, "", "", bar, true);
  writer.EndPage(&page, kPageFamily, false);

  const std::string links =
      "\r\n<div class=\"vx-lnkfam\"><a href=\"grpmain.html\" "
      "target=\"_self\">Surnames</a>"
      "&nbsp;|&nbsp;<a href=\"grpname1.html\" target=\"_self\">Index</a></div>";
  EXPECT_EQ(page, writer.head() +
                      "<body class=\"vx-body vx-bfam\">\r\n"
                      "<p>Header of grpf1.html</p>\r\n" +
                      links +
                      "\r\n<div class=\"vx-bar mt\"></div>"
                      "<p>content</p>"
                      "\r\n<div class=\"vx-bar mb\"></div>\r\n" +
                      links +
                      "\r\n<p>Footer: J</p>\r\n"
                      "\r\n<p class=\"vx-rev\">Revised: March 05, 2024</p>\r\n"
                      "</body></html>\r\n");
}

TEST_F(PageBodyTest, ExtrasAndExcludedDividersAndLinkPlacement) {
  options_.m_nDividerTop = 0;
  options_.m_nDividerBottom = 0;
  PageWriter writer = Prepared();
  writer.SetTitle(kPageBibliography, "", 0, 0);
  std::string page;
  writer.BeginPage(&page, kPageBibliography, "", "<e1>", "<e2>");
  EXPECT_EQ(page,
            "<body class=\"vx-body vx-bbib\">\r\n"
            "<div class=\"vx-title\">Bibliography</div>\r\n<e1><e2>\r\n");
  page.clear();
  writer.WriteTopLinks(&page, "<bar>", true);  // links at the top are off by default
  EXPECT_EQ(page, "");
  writer.WriteBottomLinks(&page, "<x1>", "<x2>", "<bar>", true);
  EXPECT_EQ(page, "<x1><x2><bar>");
  options_.m_bLinksBottom = false;
  page.clear();
  writer.WriteBottomLinks(&page, "", "", "<bar>", false);
  EXPECT_EQ(page, "");
}

TEST_F(PageBodyTest, FootnotesFrameHasNoHeaderTitleOrFooter) {
  options_.m_strFamilyHeader = "HEADER";
  options_.m_strFamilyFooter = "FOOTER";
  PageWriter writer = Prepared();
  writer.SetTitle(kPageBibliography, "", 0, 0);
  std::string page;
  writer.BeginPage(&page, kPageFootnotes, "", "<e1>", "<e2>");
  writer.EndPage(&page, kPageFootnotes, false);
  EXPECT_EQ(page,
            "<body class=\"vx-body vx-bfam\">\r\n\r\n"
            "\r\n<p class=\"vx-rev\">Revised: March 05, 2024</p>\r\n</body></html>\r\n");
}

TEST_F(PageBodyTest, SurnameAndMediaPagesUseTheirOwnHeadersAndFooters) {
  options_.m_strFamilyHeader = "FH";
  options_.m_strSurnameHeader = "SH";
  options_.m_strSurnameFooter = "SF";
  options_.m_strMediaHeader = "MH";
  options_.m_strMediaFooter = "MF";
  PageWriter writer = Prepared(true);
  std::string surname, gallery, index;
  writer.BeginPage(&surname, kPageSurname, "");
  writer.EndPage(&surname, kPageSurname, false);
  writer.BeginPage(&gallery, kPageGallery, "");
  writer.EndPage(&gallery, kPageGallery, true);
  writer.BeginPage(&index, kPageIndex, "");
  EXPECT_EQ(surname.find("FH"), std::string::npos);
  EXPECT_NE(surname.find(">\r\nSH\r\n"), std::string::npos);
  EXPECT_NE(surname.find("\r\nSF\r\n"), std::string::npos);
  EXPECT_NE(gallery.find(">\r\nMH\r\n"), std::string::npos);
  EXPECT_NE(gallery.find("\r\nMF\r\n"), std::string::npos);
  EXPECT_NE(index.find(">\r\nFH\r\n"), std::string::npos);
}

TEST_F(PageBodyTest, WritePageKeepsTheTextUtf8) {
  std::string page;
  PageWriter::WritePage(&page, "Zo\xc3\xab ");
  PageWriter::WritePage(&page, "bad\xff byte");
  EXPECT_EQ(page, "Zo\xc3\xab bad\xef\xbf\xbd byte");
}

TEST_F(PageBodyTest, GeneratedByLine) {
  EXPECT_EQ(
      PageWriter::GeneratedByLine(),
      "\r\n<p class=\"vx-ver\">Generated by <span class=\"vx-vx\"><a "
      "href=\"https://vellix.org/\" title=\"Download your copy now!\">VELLIX</a></span> "
      "1.8.1</p>");
}

}  // namespace
}  // namespace vellix::site
