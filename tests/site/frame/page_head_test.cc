// The head and body tag of a page: document type, user blocks, meta data,
// Start link, style sheets and the e-mail hiding script.
#include <gtest/gtest.h>

#include "site/frame/frame_fixture.h"

namespace vellix::site {
namespace {

constexpr char kStrictDoctype[] =
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\" "
    "\"http://www.w3.org/TR/html4/strict.dtd\">\r\n";

using PageHeadTest = FrameTest;

TEST_F(PageHeadTest, FamilyPageHeadWithDefaultOptions) {
  PageWriter writer = Prepared();
  const std::string head = writer.BuildHead("Smith &amp; Jones", "Smith");
  EXPECT_EQ(
      head,
      std::string(kStrictDoctype) +
          "<html><head>\r\n"
          "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\r\n"
          "<title>Smith &amp; Jones</title>\r\n"
          "<meta name=\"Keywords\" content=\"Genealogy,Group,Sheet,Smith\">\r\n"
          "<meta name=\"Description\" content=\"Family Group Sheets\">\r\n"
          "<meta name=\"Author\" content=\"\">\r\n"
          "<link rel=\"Start\" type=\"text/html\" title=\"Surnames\" "
          "href=\"grpmain.html\">\r\n"
          "<link rel=\"StyleSheet\" type=\"text/css\" href=\"grpbase.css\">\r\n"
          "</head>\r\n");
  EXPECT_EQ(writer.head(), head);
  EXPECT_EQ(writer.title_value(), "Smith &amp; Jones");
}

TEST_F(PageHeadTest, TransitionalDoctypeStartsThePageWithItsLineAndHtmlHead) {
  options_.m_strDtdPages = kDtdTransitional;
  PageWriter writer = Prepared();
  const std::string head = writer.BuildHead("T", "");
  EXPECT_EQ(
      head.rfind(std::string(kDtdTransitional) +
                     "\r\n<html><head>\r\n<meta http-equiv=\"Content-Type\" "
                     "content=\"text/html; charset=utf-8\">\r\n<title>T</title>\r\n",
                 0),
      0u)
      << head;
}

TEST_F(PageHeadTest, EmptyDoctypeAndKeywordsLeaveNoBlankLine) {
  options_.m_strDtdPages.clear();
  options_.m_strKeywords.clear();
  PageWriter writer = Prepared();
  const std::string head = writer.BuildHead("T", "Extra");
  EXPECT_EQ(head.rfind("<html><head>\r\n", 0), 0u);
  EXPECT_NE(head.find("<meta name=\"Keywords\" content=\"Extra\">"), std::string::npos);
}

TEST_F(PageHeadTest, StartPageHasGeneratorMetaAndNoStartLink) {
  PageWriter writer = Prepared();
  const std::string head = writer.BuildHead("Surnames", "", {.is_start_page = true});
  EXPECT_NE(head.find("<meta name=\"Author\" content=\"\">\r\n"
                      "<meta name=\"Generator\" content=\"VELLIX 1.8.1\">\r\n"
                      "<link rel=\"StyleSheet\""),
            std::string::npos)
      << head;
  EXPECT_EQ(head.find("rel=\"Start\""), std::string::npos);
}

TEST_F(PageHeadTest, EveryOtherPageLinksTheStartPageIncludingTheAlternateName) {
  options_.m_bAltSurnameFile = true;
  options_.m_strAltSurnameFile = "index.htm";
  PageWriter writer = Prepared();
  EXPECT_NE(writer.BuildHead("Index", "")
                .find("<link rel=\"Start\" type=\"text/html\" title=\"Surnames\" "
                      "href=\"index.htm\">\r\n"),
            std::string::npos);
  EXPECT_EQ(writer.BuildHead("Index", "").find("Generator"), std::string::npos);
}

TEST_F(PageHeadTest, FramesetHeadHasFramesDoctypeAndNoBlocksOrLinks) {
  options_.m_strStdAfterHead = "<!-- mine -->";
  options_.m_bHideMail = true;
  options_.m_strExternalCss = "my.css";
  PageWriter writer = Prepared();
  const std::string head = writer.BuildHead("F1", "", {.frameset = true});
  EXPECT_EQ(
      head.rfind(std::string(kDtdFrameset) + "\r\n<html><head>\r\n<meta http-equiv", 0),
      0u);
  EXPECT_EQ(head.find("mine"), std::string::npos);
  EXPECT_EQ(head.find("<link"), std::string::npos);
  EXPECT_EQ(head.find("<script"), std::string::npos);
  EXPECT_NE(head.find("<meta name=\"Author\" content=\"\">\r\n</head>\r\n"),
            std::string::npos);
}

TEST_F(PageHeadTest, UserBlocksStandAtTheirPlacesWithTheTitleFilledIn) {
  options_.m_strStdBeforeHtml = "<!-- before html -->";
  options_.m_strStdAfterHtml = "<!-- after html -->";
  options_.m_strStdAfterHead = "<!-- %TITLE% -->\r\n";
  options_.m_strStdBeforeHeadEnd = "<!-- end %Title% -->\r\n";
  options_.m_strDtdPages.clear();
  PageWriter writer = Prepared();
  const std::string head = writer.BuildHead("Page One", "");
  EXPECT_EQ(head.rfind("<!-- before html --><html><!-- after html --><head>\r\n"
                       "<!-- Page One -->\r\n<meta http-equiv",
                       0),
            0u)
      << head;
  EXPECT_NE(head.find("grpbase.css\">\r\n<!-- end Page One -->\r\n</head>\r\n"),
            std::string::npos);
}

TEST_F(PageHeadTest, MediaPagesUseTheirOwnBlocks) {
  options_.m_strStdAfterHead = "<!-- std -->";
  options_.m_strMediaAfterHead = "<!-- media -->";
  PageWriter writer = Prepared(true);
  const std::string head = writer.BuildHead("G", "", {.media = true});
  EXPECT_NE(head.find("<!-- media -->"), std::string::npos);
  EXPECT_EQ(head.find("<!-- std -->"), std::string::npos);
}

TEST_F(PageHeadTest, MediaPagesReachStyleSheetAndStartThroughTheRelativePrefix) {
  options_.m_strDestFolder = "C:\\site";
  options_.m_strExternalCss = "extra.css";
  PageWriter writer = Prepared(true);
  EXPECT_EQ(writer.relative_prefix(), "../");
  const std::string head = writer.BuildHead("G", "", {.media = true});
  EXPECT_NE(head.find("href=\"../grpmain.html\""), std::string::npos);
  EXPECT_NE(
      head.find("<link rel=\"StyleSheet\" type=\"text/css\" href=\"../grpbase.css\">"),
      std::string::npos);
  EXPECT_NE(head.find("href=\"../extra.css\""), std::string::npos);
  // The same writer's ordinary (non-media) head needs no prefix.
  EXPECT_NE(writer.BuildHead("G", "").find("href=\"grpbase.css\""), std::string::npos);
}

TEST_F(PageHeadTest, RelativePrefixClimbsOutOfDeeperMediaFolders) {
  options_.m_strDestFolder = "\\home\\ann\\my site\\";
  options_.m_strMediaDestFolder = "pics\\family album\\";
  EXPECT_EQ(Prepared(true).relative_prefix(), "../../");
  options_.m_strMediaDestFolder = "";
  EXPECT_EQ(Prepared(true).relative_prefix(), "");
  EXPECT_EQ(Prepared(false).relative_prefix(), "");
}

TEST_F(PageHeadTest, ExternalStyleSheetsSplitAtSemicolonsWithDoubledOnesKept) {
  options_.m_strExternalCss = "first.css; css\\second sheet.css";
  PageWriter writer = Prepared();
  std::string head = writer.BuildHead("T", "");
  EXPECT_NE(head.find("href=\"grpbase.css\">\r\n"
                      "<link rel=\"StyleSheet\" type=\"text/css\" href=\"first.css\">\r\n"
                      "<link rel=\"StyleSheet\" type=\"text/css\" "
                      "href=\"css/second%20sheet.css\">\r\n</head>"),
            std::string::npos)
      << head;

  options_.m_strExternalCss = "a;;b.css;c.css; ;";
  head = Prepared().BuildHead("T", "");
  EXPECT_NE(head.find("href=\"a;b.css\">\r\n<link rel=\"StyleSheet\" type=\"text/css\" "
                      "href=\"c.css\">\r\n</head>"),
            std::string::npos)
      << head;
  EXPECT_EQ(head.find("href=\"\""), std::string::npos);
}

TEST_F(PageHeadTest, HiddenMailScriptDefinesHide) {
  options_.m_bHideMail = true;
  const std::string head = Prepared().BuildHead("T", "");
  EXPECT_NE(head.find("grpbase.css\">\r\n"
                      "<script type=\"text/javascript\">\r\n"
                      "<!--\r\n"
                      "function hide(user, domain)\r\n"
                      "{ document.write('<a href=\"mailto:' + user);\r\n"
                      "  document.write('@' + domain + '\">' + user);\r\n"
                      "  document.write('@' + domain + '<\\/a>'); }\r\n"
                      "//-->\r\n"
                      "</script>\r\n"
                      "</head>\r\n"),
            std::string::npos)
      << head;
}

TEST_F(PageHeadTest, BodyClassPerKindAndOtherKindsAsFamily) {
  PageWriter writer = Prepared();
  const char* classes[] = {"vx-bfam", "vx-bsur", "vx-bidx", "vx-bfam", "vx-bbib",
                           "vx-brep", "vx-bfam", "vx-bthm", "vx-bsld", "vx-bfam"};
  for (int kind = 0; kind <= 9; ++kind) {
    EXPECT_EQ(writer.BodyTag(kind),
              std::string("<body class=\"vx-body ") + classes[kind] + "\">\r\n")
        << kind;
  }
}

TEST_F(PageHeadTest, MediaBodyAttributesComeFromTheMediaGroupOnly) {
  options_.m_strMediaBodyAttrs = "onload=\"go()\"";
  options_.m_strMediaAfterBody = "<div>%file%</div>";
  PageWriter writer = Prepared(true);
  writer.SetFileName("C:\\site\\media\\gi-f1-01.html");
  EXPECT_EQ(
      writer.BodyTag(kPageGallery),
      "<body class=\"vx-body vx-bthm\" onload=\"go()\">\r\n<div>gi-f1-01.html</div>");
  EXPECT_EQ(writer.BodyTag(kPageFamily), "<body class=\"vx-body vx-bfam\">\r\n");

  options_.m_strMediaBodyAttrs.clear();
  options_.m_strStdBodyAttrs = "id=\"std\"";
  EXPECT_EQ(writer.BodyTag(kPageSlide).rfind("<body class=\"vx-body vx-bsld\">\r\n", 0),
            0u);
  EXPECT_EQ(writer.BodyTag(kPageIndex),
            "<body class=\"vx-body vx-bidx\" id=\"std\">\r\n");
}

}  // namespace
}  // namespace vellix::site
