#include "media/gallery_pages.h"

#include <gtest/gtest.h>

#include "media/media_catalogue.h"
#include "options/options.h"
#include "platform/clock.h"
#include "site/frame/page_writer.h"
#include "text/text_converter.h"

namespace vellix::media {
namespace {

/// Dates in brackets, one list item per citation: easy to recognise.
class FakeServices : public GalleryServices {
 public:
  std::string DateText(std::string_view date) const override {
    return "[" + std::string(date) + "]";
  }
  std::string CitationItems(
      const std::vector<std::shared_ptr<const GedcomNode>>& lines) override {
    std::string items;
    for (size_t i = 0; i < lines.size(); ++i) {
      items +=
          "<li><a name=\"" + std::to_string(i + 1) + "\"></a>" + lines[i]->value + "\r\n";
    }
    return items;
  }
};

/// A family gallery of family F1 in a site at /site with its media folder
/// one level down, pages built with the default option set except where a
/// test says otherwise.
class GalleryPagesTest : public ::testing::Test {
 protected:
  GalleryPagesTest() {
    options_.m_strDestFolder = "\\site";
    options_.m_strMediaDestFolder = "media\\";
    options_.m_strDtdPages =
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">";
    options_.m_strLblRevised.clear();
    options_.m_strKeywords.clear();
    options_.m_strDescription.clear();
    catalogue_.LoadFromText(
        "[pdf]\nMIME=application/pdf\nIcon=icon-pdf.jpg\nObject=doc.txt\n",
        [](std::string_view) -> std::optional<std::string> {
          return "<object data=\"%DATA%\" type=\"%MIME%\" width=\"%Width%\">\n"
                 "<a href=\"%FILE%\" onclick=\"%onclick%\" title=\"%PROMPT%\" "
                 "target=\"%TARGET%\">%IMAGE%</a></object>";
        });
    gallery_.kind = GalleryKind::kFamily;
    gallery_.owner.page_id = "F1";
    gallery_.owner.owner_page = "grpf1.html";
    gallery_.owner.name_html = "Jan &amp; Ewa";
  }

  /// Adds an item for `file` placed as a picture or a document would be.
  MediaItem& Add(const std::string& file, const std::string& title = {}) {
    MediaItem item = MakeMediaItem(file);
    item.title = title;
    item.derived_name = item.file_name;
    PlacedItem placed;
    if (IsPicture(item.code)) {
      placed.thumbnail = item.ThumbPath();
      placed.slide = item.SlidePath();
    } else {
      placed.icon = "thumb/icon-pdf.jpg";
      placed.thumbnail = placed.icon;
      placed.original = item.OrigPath();
    }
    gallery_.media.Add(std::move(item));
    placed_.push_back(placed);
    return gallery_.media.items().back();
  }

  std::vector<GalleryPageText> Build(bool strict = false) {
    site::PageWriter writer(options_, clock_, strict);
    writer.Prepare(true);
    text::TextConverter converter;
    GalleryPageBuilder builder(options_, writer, catalogue_, converter, strict);
    return builder.Build(gallery_, placed_, services_);
  }

  static std::string Body(const std::string& page) {
    const size_t body = page.find("<body");
    return body == std::string::npos ? page : page.substr(body);
  }

  COptions options_;
  platform::FixedClock clock_;
  MediaCatalogue catalogue_;
  MediaGallery gallery_;
  std::vector<PlacedItem> placed_;
  FakeServices services_;
};

// A whole gallery page, checked by hand: the head with the way back to the
// style sheet and the start page, the owner's name above the gallery title,
// a table of 2 columns whose last row is filled with an empty cell, each
// cell with its thumbnail linked to its slide, the file name, caption and
// reference lines the options ask for, and the bar back to the group sheet.
TEST_F(GalleryPagesTest, AGalleryPageCheckedByHand) {
  options_.m_nThumbColumns = 2;
  options_.m_bThumbFileName = true;
  options_.m_bThumbCaption = true;
  options_.m_bThumbRef = true;
  MediaItem& first = Add("photos\\Jan & Ewa.jpg", "Wedding <1920>");
  first.reference_numbers = {"R1", "R<2>"};
  Add("letter.pdf");
  MediaItem& movie = Add("dance.gif");
  movie.code = MediaCode::kAnimatedGif;
  movie.width = 400;
  const std::vector<GalleryPageText> pages = Build();
  ASSERT_EQ(pages.size(), 4u);  // one gallery page, three slides
  EXPECT_EQ(pages[0].file_name, "gf-f1-01.html");
  EXPECT_FALSE(pages[0].slide);
  EXPECT_EQ(
      pages[0].html,
      "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n"
      "<html><head>\r\n"
      "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\r\n"
      "<title>Family Gallery</title>\r\n"
      "<meta name=\"Keywords\" content=\"\">\r\n"
      "<meta name=\"Description\" content=\"\">\r\n"
      "<meta name=\"Author\" content=\"\">\r\n"
      "<link rel=\"Start\" type=\"text/html\" title=\"Surnames\" "
      "href=\"../grpmain.html\">\r\n"
      "<link rel=\"StyleSheet\" type=\"text/css\" href=\"../grpbase.css\">\r\n"
      "</head>\r\n"
      "<body class=\"vx-body vx-bthm\">\r\n"
      "<div class=\"vx-thmtitle\"><div class=\"vx-namtitle\">Jan &amp; Ewa</div>Family "
      "Gallery</div>\r\n"
      "\r\n<div class=\"vx-bar mt\"></div>"
      "\r\n<p><table class=\"vx-thmgal\">\r\n"
      "<tr>\r\n"
      "<td>\r\n"
      "<p><a href=\"sf-f1-01.html\" title=\"Click to View\"><img class=\"vx-thmimg\" "
      "src=\"thumb/Jan%20%26%20Ewa.jpg\" title=\"Click to View\" alt=\"Click to "
      "View\"></a></p>\r\n"
      "<p class=\"vx-thmfil\">Jan &amp; Ewa.jpg</p>\r\n"
      "<p class=\"vx-thmcap\">Wedding &lt;1920&gt;</p>\r\n"
      "<p class=\"vx-thmref\">R1; R&lt;2&gt;</p>\r\n"
      "</td>\r\n"
      "<td>\r\n"
      "<p><a href=\"sf-f1-02.html\" title=\"Click to View\"><img class=\"vx-thmimg\" "
      "src=\"thumb/icon-pdf.jpg\" title=\"Click to View\" alt=\"Click to "
      "View\"></a></p>\r\n"
      "<p class=\"vx-thmfil\">letter.pdf</p>\r\n"
      "</td>\r\n"
      "</tr>\r\n"
      "<tr>\r\n"
      "<td>\r\n"
      "<p><a href=\"sf-f1-03.html\" title=\"Click to View\"><img width=\"150\" "
      "class=\"vx-thmimg\" src=\"thumb/dance.gif\" title=\"Click to View\" alt=\"Click "
      "to View\"></a></p>\r\n"
      "<p class=\"vx-thmfil\">dance.gif</p>\r\n"
      "</td>\r\n"
      "<td></td></tr>\r\n"
      "</table>\r\n"
      "\r\n<div class=\"vx-bar mb\"></div>\r\n"
      "\r\n<div class=\"vx-lnkmed\"><a href=\"../grpf1.html\" target=\"_self\">Group "
      "Sheet</a></div>\r\n"
      "</body></html>\r\n");
}

// A whole slide page, checked by hand: navigation strip (second of three),
// caption above, the slide image linked to the original, the download link
// inside its text, then file, caption and date, notes and reference in
// display order 3 (file last), the source list, the bar back to the gallery
// page.
TEST_F(GalleryPagesTest, ASlidePageCheckedByHand) {
  options_.m_bSlideCaptionBelow = true;
  options_.m_bSlideDate = true;
  options_.m_bSlideFileName = true;
  options_.m_bSlideRef = true;
  options_.m_bSlideCitations = true;
  options_.m_bSlideLinkOriginal = true;
  options_.m_bSlideDownload = true;
  options_.m_strSlideLinkText = "Get it: %LINK% (full size)";
  options_.m_nSlideOrder = 3;
  options_.m_bImageTextCaption = true;
  Add("a.jpg");
  MediaItem& item = Add("Ann's farm.png", "The farm");
  item.date = "1 MAY 1930";
  item.notes = {{"Painted red.", "See http://example.org/farm"}};
  item.reference_numbers = {"P-2"};
  item.citations.push_back(std::make_shared<GedcomNode>(2, kTagSour, "SOUR", "Census"));
  placed_[1].original = "orig/Ann's farm.png";
  Add("c.jpg");
  const std::vector<GalleryPageText> pages = Build();
  ASSERT_EQ(pages.size(), 4u);
  EXPECT_EQ(pages[2].file_name, "sf-f1-02.html");
  EXPECT_TRUE(pages[2].slide);
  EXPECT_EQ(
      Body(pages[2].html),
      "<body class=\"vx-body vx-bsld\">\r\n"
      "<div class=\"vx-sldtitle\">Family Gallery</div>\r\n"
      "\r\n<div class=\"vx-sldnav\"><a href=\"sf-f1-01.html\">Prior</a><span "
      "class=\"vx-page\">&nbsp; (2 / 3) &nbsp;</span><a "
      "href=\"sf-f1-03.html\">Next</a></div>\r\n"
      "\r\n<div class=\"vx-bar mt\"></div>"
      "<p class=\"vx-sldcap\">The farm</p>\r\n"
      "<div class=\"vx-sldgal\"><a href=\"orig/Ann%27s%20farm.png\"><img "
      "class=\"vx-sldimg\" src=\"slide/Ann%27s%20farm.png\" title=\"Image The farm\" "
      "alt=\"Image The farm\"></a></div>\r\n"
      "<p class=\"vx-slddwn\">Get it: <a href=\"orig/Ann%27s%20farm.png\" "
      "title=\"Right-click to Download\">Download</a> (full size)</p>\r\n"
      "<p class=\"vx-sldcap\">The farm</p>\r\n"
      "<p class=\"vx-slddate\">[1 MAY 1930]</p>\r\n"
      "<div class=\"vx-sldnot\">\r\n<p>Painted red.<br>\r\nSee "
      "http://example.org/farm</p>\r\n</div>\r\n"
      "<p class=\"vx-sldref\">P-2</p>\r\n"
      "<p class=\"vx-sldfil\">Ann&#39;s farm.png</p>\r\n"
      "<p><div class=\"vx-ftsec\">Footnotes</div>\r\n"
      "<p><div class=\"vx-sldsrc\"><ol><li><a name=\"1\"></a>Census\r\n</ol></div>"
      "\r\n<div class=\"vx-bar mb\"></div>\r\n"
      "\r\n<div class=\"vx-sldnav\"><a href=\"sf-f1-01.html\">Prior</a><span "
      "class=\"vx-page\">&nbsp; (2 / 3) &nbsp;</span><a "
      "href=\"sf-f1-03.html\">Next</a></div>"
      "\r\n<div class=\"vx-lnkmed\"><a href=\"gf-f1-01.html\" "
      "target=\"_self\">Gallery</a></div>\r\n"
      "</body></html>\r\n");
}

// 20 items in pages of 6 rows of 3: two gallery pages of 18 and 2 items;
// the second page's table has one row with two cells and one empty cell,
// and both pages carry the strip between them.
TEST_F(GalleryPagesTest, TwentyItemsInSixRowsOfThreeGiveEighteenAndTwo) {
  for (int i = 1; i <= 20; ++i) Add("p" + std::to_string(i) + ".jpg");
  const std::vector<GalleryPageText> pages = Build();
  ASSERT_EQ(pages.size(), 22u);
  auto count = [](const std::string& text, const std::string& what) {
    int n = 0;
    for (size_t at = text.find(what); at != std::string::npos;
         at = text.find(what, at + 1))
      ++n;
    return n;
  };
  EXPECT_EQ(pages[0].file_name, "gf-f1-01.html");
  EXPECT_EQ(pages[1].file_name, "gf-f1-02.html");
  EXPECT_EQ(count(pages[0].html, "<td>\r\n"), 18);
  EXPECT_EQ(count(pages[0].html, "<tr>"), 6);
  EXPECT_EQ(count(pages[0].html, "<td></td>"), 0);
  EXPECT_EQ(count(pages[1].html, "<td>\r\n"), 2);
  EXPECT_EQ(count(pages[1].html, "<tr>"), 1);
  EXPECT_EQ(count(pages[1].html, "<td></td>"), 1);
  EXPECT_NE(pages[1].html.find("sf-f1-19.html"), std::string::npos);
  EXPECT_NE(pages[1].html.find("sf-f1-20.html"), std::string::npos);
  const std::string strip2 =
      "<div class=\"vx-thmnav\"><a href=\"gf-f1-01.html\">Prior</a><span "
      "class=\"vx-page\">&nbsp; (2 / 2) &nbsp;</span></div>";
  EXPECT_EQ(count(pages[1].html, strip2), 2);  // above and below the table
  EXPECT_EQ(count(pages[0].html, "(1 / 2) &nbsp;</span><a href=\"gf-f1-02.html\">Next"),
            2);
  // The slides of the second page lead back to it.
  EXPECT_NE(pages[21].html.find("<a href=\"gf-f1-02.html\" target=\"_self\">Gallery</a>"),
            std::string::npos);
  EXPECT_NE(pages[19].html.find("<a href=\"gf-f1-01.html\" target=\"_self\">Gallery</a>"),
            std::string::npos);
}

// One page and one slide: no strips at all.
TEST_F(GalleryPagesTest, ASinglePageHasNoStrip) {
  Add("only.jpg");
  const std::vector<GalleryPageText> pages = Build();
  ASSERT_EQ(pages.size(), 2u);
  for (const GalleryPageText& page : pages) {
    EXPECT_EQ(page.html.find("vx-thmnav"), std::string::npos);
    EXPECT_EQ(page.html.find("vx-sldnav"), std::string::npos);
  }
}

// The slide of a document: the kind's template with every placeholder
// filled (any letter case), the scripts of thumbnails and slides with
// %page% and %file%, targets only outside a strict document type.
TEST_F(GalleryPagesTest, TemplatesScriptsAndTargets) {
  options_.m_strThumbHref = "javascript:show('%PAGE%','%file%')";
  options_.m_strThumbOnClick = "return go('%page%')";
  options_.m_strThumbTarget = "view";
  options_.m_strSlideOnClick = "track('%File%')";
  options_.m_strSlideTarget = "big";
  Add("My Letter.pdf", "Letter");
  for (bool strict : {false, true}) {
    const std::vector<GalleryPageText> pages = Build(strict);
    ASSERT_EQ(pages.size(), 2u);
    const std::string target = strict ? "" : " target=\"view\"";
    EXPECT_NE(
        pages[0].html.find(
            "<p><a href=\"javascript:show('sf-f1-01.html','orig/My%20Letter.pdf')\"" +
            target + " onclick=\"return go('sf-f1-01.html')\" title=\"Click to View\">"),
        std::string::npos)
        << pages[0].html;
    EXPECT_NE(
        pages[1].html.find(
            "<div class=\"vx-sldgal\"><object data=\"orig/My%20Letter.pdf\" "
            "type=\"application/pdf\" width=\"\">\r\n<a "
            "href=\"orig/My%20Letter.pdf\" onclick=\"track('orig/My%20Letter.pdf')\" "
            "title=\"Right-click to Download\" target=\"big\"><img "
            "class=\"vx-sldimg\" src=\"thumb/icon-pdf.jpg\" title=\"Image\" "
            "alt=\"Image\"></a></object></div>"),
        std::string::npos)
        << pages[1].html;
    EXPECT_EQ(pages[0].html.find(" target=") != std::string::npos, !strict);
  }
}

// Items whose files are missing still show, by their icon or, without one,
// by the prompt; nothing links to what is not there.
TEST_F(GalleryPagesTest, MissingFilesLinkNowhere) {
  options_.m_bSlideDownload = true;
  Add("gone.pdf");
  placed_[0].original.clear();
  Add("broken.jpg");
  placed_[1] = PlacedItem{};
  const std::vector<GalleryPageText> pages = Build();
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_NE(pages[0].html.find("title=\"Click to View\">Click to View</a>"),
            std::string::npos);
  EXPECT_NE(pages[1].html.find("<div class=\"vx-sldgal\"><img class=\"vx-sldimg\" "
                               "src=\"thumb/icon-pdf.jpg\" title=\"Image\" "
                               "alt=\"Image\"></div>"),
            std::string::npos);
  EXPECT_NE(pages[2].html.find("<div class=\"vx-sldgal\"></div>"), std::string::npos);
  for (const GalleryPageText& page : pages) {
    EXPECT_EQ(page.html.find("orig/"), std::string::npos) << page.file_name;
    EXPECT_EQ(page.html.find("vx-slddwn"), std::string::npos) << page.file_name;
  }
}

TEST(GalleryHeadTitle, TheAltTextOfAnImageTitle) {
  const struct {
    const char* title;
    const char* head;
  } cases[] = {
      {"Family Gallery", "Family Gallery"},
      {"<IMG src=\"g.gif\" ALT=\" Our pictures \">", "Our pictures"},
      {"<img src='g.gif' alt='Pics'> more", "Pics"},
      {"<img src=g.gif alt=Pics>", "Pics"},
      {"<img src=\"g.gif\">", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GalleryPageBuilder::HeadTitle(c.title), c.head) << c.title;
  }
}

}  // namespace
}  // namespace vellix::media
