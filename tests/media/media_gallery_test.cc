#include "media/media_gallery.h"

#include <gtest/gtest.h>

#include "media/portrait.h"
#include "options/options.h"
#include "text/text_converter.h"

namespace vellix::media {
namespace {

GalleryOwner Owner(std::string page_id, std::string individual = {}) {
  GalleryOwner owner;
  owner.page_id = std::move(page_id);
  owner.individual = std::move(individual);
  return owner;
}

// Page names: letter by page and kind, the owner part made safe for a file
// name and a link, two digits at least.
TEST(GalleryFileName, KindOwnerAndNumber) {
  const struct {
    GalleryKind kind;
    GalleryOwner owner;
    GalleryPage page;
    int number;
    const char* name;
  } cases[] = {
      {GalleryKind::kFamily, Owner("F12"), GalleryPage::kThumbnails, 2, "gf-f12-02.html"},
      {GalleryKind::kFamily, Owner("F12"), GalleryPage::kSlide, 117, "sf-f12-117.html"},
      {GalleryKind::kIndividual, Owner("F1", "I-3"), GalleryPage::kThumbnails, 1,
       "gi-f1-i3-01.html"},
      {GalleryKind::kCitation, Owner("oI9"), GalleryPage::kSlide, 3, "ss-oi9-03.html"},
      {GalleryKind::kBibliography, Owner("bib"), GalleryPage::kThumbnails, 1,
       "gb-bib-01.html"},
      // Nothing of a hostile identifier can name a folder or break a link.
      {GalleryKind::kIndividual, Owner("../x/\"<a>", "#1?%"), GalleryPage::kSlide, 1,
       "si-xa-1-01.html"},
      {GalleryKind::kFamily, Owner(""), GalleryPage::kThumbnails, 1, "gf-_-01.html"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GalleryFileName(c.kind, c.owner, c.page, c.number, ".html"), c.name);
  }
}

// The link: its text around %LINK% (any letter case) kept, or the text alone
// without one; the target by option, frame and document type; the media
// folder in link form.
TEST(GalleryLink, TextTargetAndFolder) {
  struct Case {
    GalleryKind kind;
    std::string text;
    std::string target;
    std::string folder;
    GalleryLinkOptions link;
    std::string expected;
  };
  const std::string family_anchor =
      "<p class=\"vx-thmlnk\"><a class=\"vx-afam\" href=\"media/gf-f1-01.html\" "
      "title=\"View Gallery\"";
  const Case cases[] = {
      {GalleryKind::kFamily,
       "%LINK%",
       "",
       "media\\",
       {},
       family_anchor + " target=\"_self\">Family Gallery</a></p>\r\n"},
      {GalleryKind::kFamily,
       "See the %link% please",
       "",
       "media\\",
       {.owner_in_frame = true},
       "See the " + family_anchor +
           " target=\"_parent\">Family Gallery</a></p>\r\n please"},
      {GalleryKind::kFamily, "No link here", "", "media\\", {}, "No link here"},
      {GalleryKind::kFamily,
       "%LINK%",
       "pics",
       "media\\",
       {.strict = true},
       family_anchor + ">Family Gallery</a></p>\r\n"},
      {GalleryKind::kBibliography,
       "%Link%",
       "",
       "my media",
       {.standalone = true},
       "<p class=\"vx-thmlnk\"><a class=\"vx-abib\" href=\"my%20media/gb-bib-01.html\" "
       "title=\"View Gallery\">Bibliography Gallery</a></p>\r\n"},
      {GalleryKind::kCitation,
       "%LINK%",
       "side",
       "",
       {},
       "<p class=\"vx-thmlnk\"><a class=\"vx-asrc\" href=\"gs-f1-01.html\" "
       "title=\"View Gallery\" target=\"side\">Source Gallery</a></p>\r\n"},
  };
  for (const Case& c : cases) {
    COptions options;
    options.m_strMediaDestFolder = c.folder;
    options.m_strFamilyGalleryText = c.text;
    options.m_strBiblioGalleryText = c.text;
    options.m_strCitationGalleryTarget = c.target;
    options.m_strFamilyGalleryTarget = c.target;
    const GalleryOwner owner = Owner(c.kind == GalleryKind::kBibliography ? "bib" : "F1");
    EXPECT_EQ(GalleryLink(options, c.kind, owner, c.link), c.expected) << c.text;
  }
}

TEST(UrlOf, EscapesEverythingButPlainPathCharacters) {
  EXPECT_EQ(UrlOf("thumb/Anna Łucja's #1 (100%).jpg"),
            "thumb/Anna%20%C5%81ucja%27s%20%231%20%28100%25%29.jpg");
  EXPECT_EQ(UrlOf("orig/a-b_c.d~e/f.PDF"), "orig/a-b_c.d~e/f.PDF");
  EXPECT_EQ(UrlOf("slide/x?y&z=\"<>\""), "slide/x%3Fy%26z%3D%22%3C%3E%22");
}

MediaItem Picture(std::string file, bool primary = false) {
  MediaItem item = MakeMediaItem(file);
  item.primary = primary;
  return item;
}

// The portrait: a primary picture first, else the first picture; documents
// and web addresses are never portraits.
TEST(Portrait, WhichPictureBecomesThePortrait) {
  MediaItem web = Picture("http://x.org/a.jpg");
  web.web_address = true;
  web.primary = true;
  const struct {
    std::vector<MediaItem> items;
    int index;
  } cases[] = {
      {{}, -1},
      {{Picture("a.pdf"), Picture("b.bmp")}, -1},
      {{Picture("a.pdf"), Picture("b.jpg"), Picture("c.png")}, 1},
      {{Picture("a.jpg"), Picture("b.gif", true), Picture("c.png", true)}, 1},
      {{web, Picture("d.pdf", true), Picture("e.jpeg")}, 2},
  };
  for (const auto& c : cases) EXPECT_EQ(PortraitIndex(c.items), c.index);
}

// Caption and date lines by the kind's switches; the width of an animated
// GIF wider than the maximum; the source in the media folder in link form.
TEST(Portrait, ImageElementAndCaption) {
  COptions options;
  options.m_strMediaDestFolder = "my media\\";
  text::TextConverter converter;
  MediaItem item = Picture("photos\\Ann & Bob.jpg");
  item.title = "Ann <and> Bob";
  PortraitResult portrait;
  portrait.path = "port/Ann & Bob.jpg";
  portrait.size = {75, 113};
  const std::string img =
      "<img class=\"vx-indimg\" src=\"my%20media/port/Ann%20%26%20Bob.jpg\" "
      "alt=\"Image\" title=\"Image\">\r\n";
  struct Case {
    bool caption;
    bool date;
    std::string date_text;
    std::string expected;
  };
  const Case cases[] = {
      {false, false, "1900", img},
      {true, false, "1900",
       img + "<br><span class=\"vx-cap\">Ann &lt;and&gt; Bob</span>\r\n"},
      {false, true, "1 JAN 1900",
       img + "<br><span class=\"vx-cap\">1 JAN 1900</span>\r\n"},
      {true, true, "1900",
       img + "<br><span class=\"vx-cap\">Ann &lt;and&gt; Bob<br>1900</span>\r\n"},
      {false, true, "", img},
  };
  for (const Case& c : cases) {
    options.m_bIndivPortraitCaption = c.caption;
    options.m_bIndivPortraitDate = c.date;
    EXPECT_EQ(PortraitHtml(options, PortraitKind::kIndividual, item, portrait, converter,
                           c.date_text),
              c.expected);
  }
  portrait.animated = true;
  portrait.size = {400, 300};
  options.m_bFamilyPortraitCaption = false;
  options.m_nFamilyPortraitSize = 350;
  EXPECT_EQ(
      PortraitHtml(options, PortraitKind::kFamily, item, portrait, converter, {}),
      "<img width=\"350\" class=\"vx-grpimg\" "
      "src=\"my%20media/port/Ann%20%26%20Bob.jpg\" alt=\"Image\" title=\"Image\">\r\n");
}

}  // namespace
}  // namespace vellix::media
