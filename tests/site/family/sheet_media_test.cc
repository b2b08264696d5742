// Galleries and portraits of the family pages, with pictures drawn by libgd
// in a media source folder of the test's own.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "media/media_run.h"
#include "media/test_pictures.h"
#include "sheet_fixture.h"
#include "testing/site_checker.h"

namespace vellix::site {
namespace {

using media::testing::MakeJpeg;
using media::testing::MakePng;

// Jan (three pictures and a document, one picture primary), Ewa (one
// picture), their daughter Ola (one document), the family's wedding picture
// and a citation of the marriage with a scan of the register.
const char kFamily[] =
    "0 @I1@ INDI\n1 NAME Jan /Nowak/\n1 SEX M\n"
    "1 BIRT\n2 DATE 1900\n2 OBJE\n3 FILE birth.pdf\n3 TITL Birth record\n"
    "1 OBJE\n2 FILE jan.jpg\n2 TITL Jan in 1930\n"
    "1 OBJE\n2 FILE sub\\jan2.png\n2 _PRIM Y\n"
    "1 FAMS @F1@\n"
    "0 @I2@ INDI\n1 NAME Ewa /Nowak/\n1 SEX F\n1 OBJE\n2 FILE ewa.jpg\n1 FAMS @F1@\n"
    "0 @I3@ INDI\n1 NAME Ola /Nowak/\n1 SEX F\n1 OBJE\n2 FILE ola.pdf\n1 FAMC @F1@\n"
    "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 CHIL @I3@\n1 OBJE\n2 FILE wedding.jpg\n"
    "1 MARR\n2 DATE 1925\n2 SOUR @S1@\n3 OBJE\n4 FILE register.png\n"
    "0 @S1@ SOUR\n1 TITL Parish register\n";

class SheetMediaTest : public SheetTest {
 protected:
  SheetMediaTest() {
    options_.m_bGalleries = true;
    options_.m_bIgnoreScrapbookFlag = true;
    options_.m_bCitations = true;
    options_.m_strMediaSourceFolder = dir_.path() + "pictures";
    mkdir(dir_.File("pictures").c_str(), 0755);
    mkdir(dir_.File("pictures/sub").c_str(), 0755);
    Picture("jan.jpg", MakeJpeg(240, 160));
    Picture("sub/jan2.png", MakePng(160, 240));
    Picture("ewa.jpg", MakeJpeg(300, 400));
    Picture("wedding.jpg", MakeJpeg(200, 140));
    Picture("register.png", MakePng(50, 40));
    Picture("birth.pdf", "%PDF-1.4 birth");
    Picture("ola.pdf", "%PDF-1.4 ola");
  }

  void Picture(const std::string& name, const std::string& data) {
    dir_.Write("pictures/" + name, data);
  }

  /// Writes family F1 in a run of its own (a new writer and media run).
  void WriteF1() {
    writer_.reset();
    media_ = std::make_unique<media::MediaRun>(ctx_);
    Writer().set_media(media_.get());
    ASSERT_TRUE(WriteFamily("F1"));
    media_->Finish();
  }

  bool InMedia(const std::string& name) { return Exists("media/" + name); }

  int32_t MarksOf(const std::string& key) {
    const GedcomRecord* entry = store_.Find(RecordKind::kIndividual, key);
    return entry == nullptr ? -1 : entry->markValue;
  }

  /// The broken links of the site written so far, but for the style sheet,
  /// index and surname pages, which no family page test writes.
  std::vector<std::string> BrokenLinks() {
    std::vector<std::string> broken;
    for (const std::string& line :
         testing::CheckSiteLinks(options_.m_strDestFolder).broken) {
      bool elsewhere = false;
      for (const char* page : {"grpmain.html (", "grpname1.html (", "grpbase.css ("}) {
        elsewhere = elsewhere || line.find(page) != std::string::npos;
      }
      if (!elsewhere) broken.push_back(line);
    }
    return broken;
  }

  std::unique_ptr<media::MediaRun> media_;
};

// The group sheet with portraits and gallery links, checked piece by piece:
// Jan's primary picture as his portrait and his gallery of three; Ewa's one
// picture as her portrait without a gallery of its own; Ola's document in a
// gallery (no portrait); the wedding picture as the family portrait without
// a gallery; the citation's scan in the footnotes' gallery. The name index
// marks, the log entries and the pages in the media folder follow.
TEST_F(SheetMediaTest, PortraitsGalleriesAndTheirLinks) {
  options_.m_bIndivPortraits = true;
  options_.m_bFamilyPortraits = true;
  options_.m_bSuppressPortraitGallery = true;
  options_.m_bCitationGallery = true;
  Load(kFamily);
  WriteF1();
  const std::string page = Page("grpf1.html");
  const std::string jan_link =
      "<tr><td><p class=\"vx-thmlnk\"><a class=\"vx-aind\" "
      "href=\"media/gi-f1-i1-01.html\" title=\"View Gallery\" "
      "target=\"_self\">Gallery</a></p>\r\n"
      "</td><td>&nbsp;</td></tr>";
  EXPECT_NE(page.find(jan_link + "</table>\r\n</td>\r\n<td class=\"vx-tblimgpic\">"),
            std::string::npos)
      << page;
  EXPECT_NE(page.find("<img class=\"vx-indimg\" src=\"media/port/sub/jan2.png\" "
                      "alt=\"Image\" title=\"Image\">\r\n"),
            std::string::npos);
  EXPECT_NE(page.find("<img class=\"vx-indimg\" src=\"media/port/ewa.jpg\""),
            std::string::npos);
  EXPECT_EQ(page.find("gi-f1-i2-01.html"), std::string::npos);
  EXPECT_NE(page.find("href=\"media/gi-f1-i3-01.html\""), std::string::npos);
  EXPECT_NE(page.find("\r\n<div class=\"vx-grp\"><img class=\"vx-grpimg\" "
                      "src=\"media/port/wedding.jpg\" alt=\"Image\" title=\"Image\">\r\n"
                      "</div>\r\n"),
            std::string::npos);
  EXPECT_EQ(page.find("vx-afam"), std::string::npos);
  EXPECT_NE(
      page.find(
          "<div class=\"vx-ftsec\">Footnotes</div>\r\n<p "
          "class=\"vx-thmlnk\"><a class=\"vx-asrc\" "
          "href=\"media/gs-f1-01.html\" title=\"View Gallery\" target=\"_self\">Source "
          "Gallery</a></p>\r\n<div class=\"vx-ftnote\">"),
      std::string::npos);

  EXPECT_EQ(MarksOf("I1"), kMarkGalleryUsed | kMarkPortraitUsed);
  EXPECT_EQ(MarksOf("I2"), kMarkPortraitUsed);
  EXPECT_EQ(MarksOf("I3"), kMarkGalleryUsed);
  EXPECT_EQ(log_.DetailsOf(log_.Individual("I1")).portrait_file, "port/sub/jan2.png");
  EXPECT_EQ(log_.DetailsOf(log_.Individual("I2")).portrait_file, "port/ewa.jpg");

  for (const char* name :
       {"gi-f1-i1-01.html", "si-f1-i1-01.html", "si-f1-i1-02.html", "si-f1-i1-03.html",
        "gi-f1-i3-01.html", "si-f1-i3-01.html", "gs-f1-01.html", "si-f1-i3-01.html",
        "ss-f1-01.html", "thumb/jan.jpg", "slide/sub/jan2.png", "thumb/icon-pdf.jpg",
        "orig/birth.pdf", "orig/ola.pdf", "port/wedding.jpg", "thumb/register.png"}) {
    EXPECT_TRUE(InMedia(name)) << name;
  }
  for (const char* name : {"gi-f1-i2-01.html", "gf-f1-01.html", "si-f1-i1-04.html"}) {
    EXPECT_FALSE(InMedia(name)) << name;
  }
  // Jan's gallery: scrapbook media first, then the media of his facts.
  const std::string gallery = Page("media/gi-f1-i1-01.html");
  const size_t jan = gallery.find("thumb/jan.jpg");
  const size_t jan2 = gallery.find("thumb/sub/jan2.png");
  const size_t pdf = gallery.find("thumb/icon-pdf.jpg");
  EXPECT_TRUE(jan < jan2 && jan2 < pdf) << gallery;
  EXPECT_EQ(statistics_.filesWritten[static_cast<size_t>(FileGroup::kGallery)], 3u);
  EXPECT_EQ(statistics_.filesWritten[static_cast<size_t>(FileGroup::kSlide)], 5u);

  EXPECT_EQ(BrokenLinks(), std::vector<std::string>{});
}

// The rule that leaves out a gallery whose one item is the portrait: only
// with the option, with portraits of the kind on, and only when the sheet
// really shows that item as the portrait (a custom image preferred over it,
// or a single document, keeps the gallery).
TEST_F(SheetMediaTest, SinglePortraitGalleries) {
  struct Case {
    bool suppress;
    bool portraits;
    bool custom_image;
    bool gallery;   // Ewa's gallery written and linked
    bool portrait;  // her portrait shown
  };
  const Case cases[] = {
      {true, true, false, false, true},
      {false, true, false, true, true},
      {true, false, false, true, false},
      {true, true, true, true, false},
  };
  std::string records = kFamily;
  // Ewa's custom image, read from a fact when attributes come from facts.
  records.replace(records.find("1 OBJE\n2 FILE ewa.jpg"), 0,
                  "1 EVEN own.jpg\n2 TYPE *Image\n");
  Load(records);
  int run = 0;
  for (const Case& c : cases) {
    options_.m_bSuppressPortraitGallery = c.suppress;
    options_.m_bIndivPortraits = c.portraits;
    options_.m_bIndivImages = c.custom_image;
    options_.m_bUseFactTags = true;
    options_.m_strDestFolder = dir_.path() + "site" + std::to_string(++run);
    platform::CreateFolders(platform::NativePath(options_.m_strDestFolder));
    WriteF1();
    const std::string page = Page("grpf1.html");
    EXPECT_EQ(page.find("gi-f1-i2-01.html") != std::string::npos, c.gallery) << run;
    EXPECT_EQ(InMedia("gi-f1-i2-01.html"), c.gallery) << run;
    EXPECT_EQ(page.find("media/port/ewa.jpg") != std::string::npos, c.portrait) << run;
    // Ola's only item is a document: never suppressed.
    EXPECT_TRUE(InMedia("gi-f1-i3-01.html")) << run;
  }
}

// "Omit duplicate media within each gallery": a file met twice in one
// gallery (as scrapbook media and as a fact's media) shows once with the
// option and twice without it.
TEST_F(SheetMediaTest, OmitDuplicateMedia) {
  std::string records = kFamily;
  records.replace(records.find("1 FAMS @F1@\n0 @I2@"), 0,
                  "1 DEAT\n2 DATE 1970\n2 OBJE\n3 FILE jan.jpg\n");
  Load(records);
  for (bool omit : {true, false}) {
    options_.m_bOmitDuplicateMedia = omit;
    options_.m_strDestFolder = dir_.path() + (omit ? "omit" : "keep");
    platform::CreateFolders(platform::NativePath(options_.m_strDestFolder));
    WriteF1();
    const std::string gallery = Page("media/gi-f1-i1-01.html");
    EXPECT_EQ(Count(gallery, "src=\"thumb/jan.jpg\""), omit ? 1u : 2u) << omit;
    EXPECT_EQ(InMedia("si-f1-i1-04.html"), !omit);
    EXPECT_FALSE(InMedia("si-f1-i1-05.html"));
  }
}

// The three ways a run treats media files: an ordinary run makes what is
// missing or changed and leaves the rest; copying multimedia (mode 1)
// makes everything again; skipping multimedia (mode 2) makes nothing, yet
// writes the pages, which refer to what is there.
TEST_F(SheetMediaTest, ModesCopyAndSkipMultimedia) {
  options_.m_bIndivPortraits = true;
  Load(kFamily);
  struct Step {
    bool copy;
    bool skip;
    bool empty_site;  // the media folder removed first
    bool files_made;
  };
  const Step steps[] = {
      {false, false, false, true},   // first run: everything is made
      {false, false, false, false},  // nothing changed: nothing made
      {true, false, false, true},    // copy multimedia: everything again
      {false, true, true, false},    // skip multimedia: nothing, even when missing
  };
  int n = 0;
  for (const Step& step : steps) {
    ++n;
    if (step.empty_site) {
      std::system(("rm -rf '" + dir_.path() + "site/media'").c_str());
    }
    ctx_.flags.copyMultimedia = step.copy;
    ctx_.flags.skipMultimedia = step.skip;
    statistics_.Clear();
    WriteF1();
    EXPECT_EQ(statistics_.mediaProcessed > 0, step.files_made) << n;
    // The pages are written in every mode.
    EXPECT_TRUE(InMedia("gi-f1-i1-01.html")) << n;
    EXPECT_TRUE(InMedia("si-f1-i1-03.html")) << n;
    EXPECT_EQ(InMedia("thumb/jan.jpg"), !step.empty_site) << n;
    EXPECT_EQ(Page("grpf1.html").find("media/port/sub/jan2.png") != std::string::npos,
              !step.empty_site)
        << n;
  }
  EXPECT_EQ(statistics_.mediaTotal, 0u);  // nothing of the media folder is used
  EXPECT_TRUE(WarningLines().empty());
}

// Bad media never stops a run: a missing file, a truncated picture and a
// kind whose icon the user never put in place become warnings 22 and 23;
// their items stay in the gallery with an icon, and every link of the site
// still resolves.
TEST_F(SheetMediaTest, BadMediaBecomesWarnings) {
  test_env_.home.Write("multimedia.ini",
                       "[doc]\nIcon=my-word.jpg\n[pdf]\nIcon=icon-pdf.jpg\n");
  std::string jpeg = MakeJpeg(400, 300);
  Picture("jan.jpg", jpeg.substr(0, jpeg.size() / 3));
  Picture("letter.doc", "not really a document");
  std::string records = kFamily;
  records.replace(records.find("1 FAMS @F1@\n0 @I2@"), 0,
                  "1 OBJE\n2 FILE C:\\Users\\Jan\\gone.jpg\n1 OBJE\n2 FILE letter.doc\n");
  Load(records);
  WriteF1();
  const std::vector<std::string> warnings = WarningLines();
  auto has = [&](const std::string& start) {
    for (const std::string& line : warnings) {
      if (line.rfind(start, 0) == 0) return true;
    }
    return false;
  };
  EXPECT_TRUE(has("Cannot access 'jan.jpg' (<a href=")) << warnings.size();
  EXPECT_TRUE(has("Cannot access 'C:\\Users\\Jan\\gone.jpg' (<a href="));
  EXPECT_TRUE(has("No such icon 'my-word.jpg' for '.doc' files."));
  const std::string gallery = Page("media/gi-f1-i1-01.html");
  EXPECT_EQ(Count(gallery, "<td>\r\n"), 5u);
  EXPECT_EQ(Count(gallery, "src=\"thumb/icon-image.jpg\""), 2u);  // the two bad pictures
  EXPECT_EQ(Count(gallery, "src=\"thumb/icon-media.jpg\""), 1u);  // the doc stands in
  EXPECT_TRUE(InMedia("orig/letter.doc"));
  EXPECT_GT(testing::CheckSiteLinks(options_.m_strDestFolder).pages, 5);
  EXPECT_EQ(BrokenLinks(), std::vector<std::string>{});
}

// Under a strict document type no link of the family page or the media
// pages carries a target; the family link goes where the options put it.
TEST_F(SheetMediaTest, StrictPagesAndFamilyLinkPlacement) {
  options_.m_strFamilyGalleryTarget = "pics";
  options_.m_strThumbTarget = "big";
  options_.m_strSlideTarget = "big";
  options_.m_strDtdPages = COptions::GetDefaultDtd(true);
  std::string records = kFamily;
  records.replace(records.find("1 MARR"), 0, "1 OBJE\n2 FILE register.png\n");
  Load(records);
  const struct {
    bool above;
    bool below;
    const char* where;
  } places[] = {{true, false, "above"}, {false, true, "below"}, {false, false, "above"}};
  for (const auto& place : places) {
    options_.m_bFamilyGalleryAbove = place.above;
    options_.m_bFamilyGalleryBelow = place.below;
    WriteF1();
    const std::string page = Page("grpf1.html");
    const size_t link = page.find("class=\"vx-afam\"");
    const size_t table = page.find("class=\"vx-tblgrp\"");
    ASSERT_NE(link, std::string::npos);
    EXPECT_EQ(link < table, std::string(place.where) == "above");
    EXPECT_EQ(Count(page, "class=\"vx-afam\""), 1u);
  }
  ASSERT_TRUE(options_.IsStrictDtd());
  for (const char* name : {"grpf1.html", "media/gf-f1-01.html", "media/sf-f1-01.html",
                           "media/gi-f1-i1-01.html", "media/si-f1-i1-01.html"}) {
    EXPECT_EQ(Page(name).find(" target="), std::string::npos) << name;
  }
}

}  // namespace
}  // namespace vellix::site
