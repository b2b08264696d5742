// Pages written through PageWriter validate against the HTML 4.01 DTDs
// (onsgmls), and the validator helper itself reports what it must.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "site/frame/frame_fixture.h"
#include "testing/html_validator.h"

namespace vellix::site {
namespace {

class PageValidationTest : public FrameTest {
 protected:
  // A family page of default shape: head, body, title, bars, content, end.
  std::string FamilyPage(PageWriter& writer) {
    writer.SetTitle(kPageFamily, "John Smith &amp; Mary Jones", 0, 0);
    writer.SetFileName("C:\\site\\grpf1.html");
    std::string page;
    const std::string bar = writer.FamilyBar(false, true);
    writer.BeginPage(&page, kPageFamily,
                     writer.BuildHead("John Smith &amp; Mary Jones", "Smith,Jones"));
    writer.WriteTopLinks(&page, bar, true);
    PageWriter::WritePage(&page, writer.family_div_open() + "\r\n" +
                                     writer.OpenClassed("vx-lbl") + "Husband" +
                                     writer.CloseClassed() + "\r\nJohn Smith\xc3\xa9" +
                                     writer.line_break() + writer.div_close());
    PageWriter::WritePage(&page, writer.thick_divider());
    writer.WriteBottomLinks(&page, "", "", bar, true);
    writer.EndPage(&page, kPageFamily, false);
    return page;
  }

  // Options that put every optional piece of the frame into the page.
  void EverythingOn() {
    options_.m_bLinksTop = true;
    options_.m_bTitleAtTop = true;
    options_.m_bBiblioPages = true;
    options_.m_bRepositoryPages = true;
    options_.m_bHideMail = true;
    options_.m_strHomePage = "..\\index.html";
    options_.m_strHomeTarget = "_top";
    options_.m_strExternalCss = "mine.css;other sheet.css";
    options_.m_strCopyright = "&copy; 2024 Ann Smith";
    options_.m_strAuthor = "Ann Smith";
    options_.m_strFamilyHeader = "<p>Welcome to %file%</p>";
    options_.m_strFamilyFooter = "<p>End of %title%</p>";
    options_.m_bExtra1 = true;
    options_.m_strExtra1Dest = "news.html";
    options_.m_strExtra1Label = "News";
    options_.m_strExtra1Prompt = "What is new";
    options_.m_bExtra3 = true;
    options_.m_bExtra3SecondLine = true;
    options_.m_strExtra3Dest = "contact.html";
    options_.m_strExtra3Label = "Contact";
    options_.m_nDividerTop = 2;  // image form without an image file
  }
};

std::string Joined(const std::vector<std::string>& errors) {
  std::string text;
  for (const std::string& e : errors) text += e + "\n";
  return text;
}

TEST_F(PageValidationTest, DefaultOptionsPageIsValidStrictHtml) {
  PageWriter writer = Prepared(false, options_.IsStrictDtd());
  ASSERT_TRUE(writer.strict_doctype());
  const std::string page = FamilyPage(writer);
  EXPECT_EQ(page.find(" target="), std::string::npos);
  const auto errors = testing::ValidateHtmlText(page);
  EXPECT_TRUE(errors.empty()) << Joined(errors) << page;
}

TEST_F(PageValidationTest, DefaultOptionsPageIsValidTransitionalHtml) {
  options_.m_strDtdPages = COptions::GetDefaultDtd(false);
  PageWriter writer = Prepared(false, options_.IsStrictDtd());
  ASSERT_FALSE(writer.strict_doctype());
  const std::string page = FamilyPage(writer);
  EXPECT_NE(page.find(" target=\"_self\""), std::string::npos);
  const auto errors = testing::ValidateHtmlText(page);
  EXPECT_TRUE(errors.empty()) << Joined(errors) << page;
}

TEST_F(PageValidationTest, EveryFramePieceValidatesUnderBothDoctypes) {
  EverythingOn();
  for (bool strict : {true, false}) {
    options_.m_strDtdPages = COptions::GetDefaultDtd(strict);
    PageWriter writer = Prepared(false, options_.IsStrictDtd());
    const std::string page = FamilyPage(writer);
    EXPECT_NE(page.find("function hide(user, domain)"), std::string::npos);
    EXPECT_NE(page.find("vx-tbar"), std::string::npos);
    EXPECT_EQ(page.find(" target=") == std::string::npos, strict);
    const auto errors = testing::ValidateHtmlText(page);
    EXPECT_TRUE(errors.empty())
        << (strict ? "strict\n" : "transitional\n") << Joined(errors) << page;
  }
}

TEST_F(PageValidationTest, SurnameStartPageAndGalleryPageValidate) {
  EverythingOn();
  options_.m_strDtdPages = COptions::GetDefaultDtd(false);
  PageWriter writer = Prepared(true, false);
  writer.SetTitle(kPageSurname, "", 12, 5);
  std::string surname;
  writer.BeginPage(&surname, kPageSurname,
                   writer.BuildHead("Surnames", "", {.is_start_page = true}));
  writer.WriteTopLinks(&surname, writer.SurnameBar(false, true), true);
  PageWriter::WritePage(&surname, "<div class=\"vx-sur\"><a href=\"#A\">Adams</a></div>");
  writer.WriteBottomLinks(&surname, "", "", writer.SurnameBar(false, true), true);
  PageWriter::WritePage(&surname, PageWriter::GeneratedByLine());
  writer.EndPage(&surname, kPageSurname, false);
  auto errors = testing::ValidateHtmlText(surname);
  EXPECT_TRUE(errors.empty()) << Joined(errors) << surname;

  writer.SetTitle(kPageGallery, "Gallery of John Smith", 0, 0);
  std::string gallery;
  writer.BeginPage(&gallery, kPageGallery,
                   writer.BuildHead("Gallery", "", {.media = true}));
  PageWriter::WritePage(&gallery,
                        "<table class=\"vx-thmgal\"><tr><td>x</td></tr></table>");
  PageWriter::WritePage(&gallery,
                        writer.MediaBar(MediaBarLink::kGroupSheet, false, "grpf1.html"));
  writer.EndPage(&gallery, kPageGallery, true);
  EXPECT_NE(gallery.find("href=\"../grpbase.css\""), std::string::npos);
  errors = testing::ValidateHtmlText(gallery);
  EXPECT_TRUE(errors.empty()) << Joined(errors) << gallery;
}

TEST(HtmlValidatorTest, ReportsErrorsAndHonoursTheAllowList) {
  const std::string page =
      "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\" "
      "\"http://www.w3.org/TR/html4/strict.dtd\">\r\n"
      "<html><head><title>t</title></head>\r\n"
      "<body><p><a href=\"a.html\" target=\"_self\">a</a></p></body></html>\r\n";
  const auto errors = testing::ValidateHtmlText(page);
  ASSERT_EQ(errors.size(), 1u) << Joined(errors);
  EXPECT_NE(errors[0].find("there is no attribute \"TARGET\""), std::string::npos)
      << errors[0];
  EXPECT_TRUE(testing::ValidateHtmlText(page, {"no attribute \"TARGET\""}).empty());
  EXPECT_FALSE(testing::HtmlCatalogPath().empty());
}

}  // namespace
}  // namespace vellix::site
