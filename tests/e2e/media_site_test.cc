// A whole site with multimedia, made by the vellix program from a tree whose
// pictures are drawn with libgd by the test: galleries of individuals,
// families, citations and the bibliography, slide pages, portraits. Every
// link and image source must resolve, every page must validate, and no file
// may land outside the site.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <filesystem>
#include <string>
#include <vector>

#include "e2e/run_vellix.h"
#include "media/test_pictures.h"
#include "testing/html_validator.h"
#include "testing/site_checker.h"
#include "testing/test_support.h"

namespace vellix {
namespace {

namespace fs = std::filesystem;
using media::testing::MakeAnimatedGif;
using media::testing::MakeJpeg;
using media::testing::MakePng;
using media::testing::MakeTransparentGif;
using testing::TempDir;

// Media names with blanks, quotes, letters beyond ASCII, a Windows path, a
// path that climbs out of the media folder, a missing file and a truncated
// picture; a web address; sound, text and PDF files.
const char kTree[] =
    "0 HEAD\n1 GEDC\n2 VERS 5.5\n1 CHAR UTF-8\n"
    "0 @I1@ INDI\n1 NAME Józef /Kowalski/\n1 SEX M\n"
    "1 BIRT\n2 DATE 3 MAR 1901\n2 OBJE\n3 FILE docs/birth record.pdf\n3 TITL Birth\n"
    "1 OBJE\n2 FILE photos/Józef \"Joe\" 1930.jpg\n2 TITL Józef & the <farm>\n"
    "2 DATE 1930\n2 NOTE Taken by his brother.\n2 REFN K-1\n2 _PRIM Y\n"
    "1 OBJE\n2 FILE C:\\Users\\Ann\\Pictures\\photos\\dance.gif\n2 TITL Dancing\n"
    "1 OBJE\n2 FILE ../outside.png\n"
    "1 OBJE\n2 FILE photos/missing.jpg\n"
    "1 OBJE\n2 FILE photos/broken.jpg\n"
    "1 OBJE\n2 FILE http://example.org/kowalski.html\n2 TITL Family web site\n"
    "1 FAMS @F1@\n"
    "0 @I2@ INDI\n1 NAME Anna /Nowak/\n1 SEX F\n"
    "1 OBJE\n2 FILE photos/anna.png\n"
    "1 OBJE\n2 FILE sounds/song.mp3\n2 TITL Her song\n"
    "1 FAMS @F1@\n"
    "0 @I3@ INDI\n1 NAME Piotr /Kowalski/\n1 SEX M\n1 FAMC @F1@\n"
    "1 OBJE\n2 FILE photos/transparent.gif\n1 OBJE\n2 FILE notes.txt\n"
    "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 CHIL @I3@\n"
    "1 OBJE\n2 FILE photos/wedding.jpg\n2 TITL Wedding\n"
    "1 MARR\n2 DATE 1925\n2 SOUR @S1@\n3 PAGE 17\n3 OBJE\n4 FILE scans/register.png\n"
    "0 @S1@ SOUR\n1 TITL Parish register\n1 OBJE\n2 FILE scans/cover.jpg\n"
    "2 TITL Cover\n"
    "0 TRLR\n";

class MediaSiteTest : public ::testing::Test {
 protected:
  MediaSiteTest() {
    for (const char* folder :
         {"tree", "tree/photos", "tree/docs", "tree/sounds", "tree/scans"}) {
      mkdir(work_.File(folder).c_str(), 0755);
    }
    Put("photos/Józef \"Joe\" 1930.jpg", MakeJpeg(640, 480));
    Put("photos/dance.gif", MakeAnimatedGif(320, 200, 3));
    Put("photos/anna.png", MakePng(200, 300));
    Put("photos/transparent.gif", MakeTransparentGif(180, 120));
    Put("photos/wedding.jpg", MakeJpeg(500, 400));
    std::string jpeg = MakeJpeg(300, 200);
    Put("photos/broken.jpg", jpeg.substr(0, jpeg.size() / 2));
    Put("scans/register.png", MakePng(120, 80));
    Put("scans/cover.jpg", MakeJpeg(90, 120));
    Put("docs/birth record.pdf", "%PDF-1.4\n%%EOF\n");
    Put("sounds/song.mp3", "ID3 not really music");
    Put("notes.txt", "Notes on the family.\n");
    work_.Write("outside.png", MakePng(10, 10));
    gedcom_ = work_.Write("tree/tree.ged", kTree);
  }

  void Put(const std::string& name, const std::string& data) {
    work_.Write("tree/" + name, data);
  }

  int Vellix(const std::string& args) {
    return testing::RunVellix(home_.path(), args, home_.File("out.txt"));
  }
  std::string Output() { return testing::ReadFile(home_.File("out.txt")); }

  void Set(const std::string& setting) {
    ASSERT_EQ(Vellix("options set " + setting), 0) << setting << Output();
  }

  /// Every .html page below `site`.
  static std::vector<std::string> Pages(const std::string& site) {
    std::vector<std::string> pages;
    for (const auto& entry : fs::recursive_directory_iterator(site)) {
      if (entry.path().extension() == ".html") pages.push_back(entry.path().string());
    }
    return pages;
  }

  TempDir home_;
  TempDir work_;
  std::string gedcom_;
};

TEST_F(MediaSiteTest, EveryLinkAndImageOfAMediaSiteResolves) {
  for (const char* setting :
       {"bGalleries yes", "bIgnoreScrapbookFlag yes", "bIndivPortraits yes",
        "bFamilyPortraits yes", "bCitations yes", "bCitationGallery yes",
        "bBiblioPages yes", "bBiblioGallery yes", "bSlideDownload yes",
        "bSlideCitations yes", "bSlideLinkOriginal yes", "bSlideDate yes",
        "bThumbCaption yes", "bGalleryIcons yes", "nThumbRows 2", "nThumbColumns 2"}) {
    Set(setting);
  }
  const std::string site = work_.File("site");
  ASSERT_EQ(Vellix("generate '" + gedcom_ + "' -o '" + site + "' -q"), 0) << Output();

  for (const char* file :
       {"grpf1.html", "media/gi-f1-i1-01.html", "media/gi-f1-i1-02.html",
        "media/si-f1-i1-07.html", "media/gi-f1-i2-01.html", "media/gs-f1-01.html",
        "media/gb-bib-01.html", "media/port/Józef \"Joe\" 1930.jpg",
        "media/port/anna.png", "media/port/wedding.jpg", "media/thumb/dance.gif",
        "media/orig/birth record.pdf", "media/thumb/icon-pdf.jpg",
        "media/thumb/icon-mp3.jpg", "media/thumb/cover.jpg", "grpgi.gif"}) {
    EXPECT_TRUE(fs::exists(site + "/" + file)) << file;
  }
  // Nothing escapes the media folder: the ".." file is copied inside it.
  EXPECT_TRUE(fs::exists(site + "/media/orig/outside.png"));
  std::vector<std::string> work_files;
  for (const auto& entry : fs::directory_iterator(work_.path())) {
    work_files.push_back(entry.path().filename().string());
  }
  std::sort(work_files.begin(), work_files.end());
  EXPECT_EQ(work_files, (std::vector<std::string>{"outside.png", "site", "tree"}));

  const testing::SiteReport report = testing::CheckSiteLinks(site);
  EXPECT_EQ(report.pages, 25);  // 4 of the site, 7 gallery pages, 14 slides
  EXPECT_GT(report.links, 200);
  EXPECT_EQ(report.broken, std::vector<std::string>{});
  EXPECT_TRUE(report.invalid_utf8.empty());

  // The default document type is HTML 4.01 Strict. The template of sound
  // embeds with the element browsers play today, which that document type
  // does not know: on the pages that carry it (and only there) its errors
  // are allowed, the element and its four attributes ("controls" written
  // without a value).
  const std::vector<std::string> audio = {
      "element \"AUDIO\" undefined", "there is no attribute \"CLASS\"",
      "\"CONTROLS\" is not a member of a group specified for any attribute",
      "there is no attribute \"PRELOAD\"", "there is no attribute \"SRC\""};
  int invalid = 0;
  int with_audio = 0;
  for (const std::string& page : Pages(site)) {
    const bool sound = testing::ReadFile(page).find("<audio ") != std::string::npos;
    with_audio += sound ? 1 : 0;
    std::vector<std::string> errors =
        testing::ValidateHtmlFile(page, sound ? audio : std::vector<std::string>{});
    if (!errors.empty() && invalid++ < 3) ADD_FAILURE() << page << ": " << errors.front();
  }
  EXPECT_EQ(invalid, 0);
  EXPECT_EQ(with_audio, 1);  // Anna's song

  // Warnings name the files that could not be used; the log counts the
  // media pages.
  const std::string warnings = testing::ReadFile(home_.File("warnings.txt"));
  EXPECT_NE(warnings.find("Cannot access 'photos\\missing.jpg'"), std::string::npos)
      << warnings;
  EXPECT_NE(warnings.find("Cannot access 'photos\\broken.jpg'"), std::string::npos);
  const std::string summary = testing::ReadFile(home_.File("vx-summary.html"));
  EXPECT_NE(summary.find("<b>Multimedia Gallery Files</b></td><td align=\"right\">7<"),
            std::string::npos);
  EXPECT_NE(summary.find("<b>&nbsp; &nbsp;Portraits</b></td><td align=\"right\">4<"),
            std::string::npos);

  // Skipping multimedia writes every page again but no media file; the site
  // stays whole.
  ASSERT_EQ(Vellix("generate '" + gedcom_ + "' -o '" + site + "' -m skip-media -q"), 0)
      << Output();
  EXPECT_EQ(testing::CheckSiteLinks(site).broken, std::vector<std::string>{});
  EXPECT_NE(testing::ReadFile(home_.File("vx-summary.html"))
                .find("<b>Multimedia Items Processed</b></td><td align=\"right\">0<"),
            std::string::npos);
}

// The derived files of a picture the site no longer shows go with its pages,
// as a person's pages do when the person is now left out; the user's own
// files in the media folder stay, and --keep-stale keeps ours too.
TEST_F(MediaSiteTest, DerivedFilesOfAPictureNoLongerShownAreRemovedWithThePages) {
  for (const char* setting : {"bGalleries yes", "bIgnoreScrapbookFlag yes",
                              "bIndivPortraits yes", "bSlideLinkOriginal yes"}) {
    Set(setting);
  }
  const std::string site = work_.File("site");
  ASSERT_EQ(Vellix("generate '" + gedcom_ + "' -o '" + site + "' -q"), 0) << Output();
  const std::vector<std::string> annas = {"media/thumb/anna.png", "media/slide/anna.png",
                                          "media/orig/anna.png", "media/port/anna.png"};
  const std::string manifest = testing::ReadFile(site + "/.vellix-manifest");
  for (const std::string& file : annas) {
    EXPECT_TRUE(fs::exists(site + "/" + file)) << file;
    EXPECT_NE(manifest.find("\n" + file + "\n"), std::string::npos) << file;
  }
  EXPECT_NE(manifest.find("\nmedia/vx-media.txt\n"), std::string::npos);
  const std::string own = site + "/media/thumb/my-scan.jpg";
  work_.Write("site/media/thumb/my-scan.jpg", "the user's own file");

  // Anna's photograph taken out of the tree; with --keep-stale nothing goes.
  std::string tree = kTree;
  const std::string anna = "1 OBJE\n2 FILE photos/anna.png\n";
  tree.erase(tree.find(anna), anna.size());
  work_.Write("tree/tree.ged", tree);
  ASSERT_EQ(Vellix("generate '" + gedcom_ + "' -o '" + site + "' -q --keep-stale"), 0)
      << Output();
  for (const std::string& file : annas)
    EXPECT_TRUE(fs::exists(site + "/" + file)) << file;

  ASSERT_EQ(Vellix("generate '" + gedcom_ + "' -o '" + site + "' -q"), 0) << Output();
  for (const std::string& file : annas)
    EXPECT_FALSE(fs::exists(site + "/" + file)) << file;
  EXPECT_EQ(testing::ReadFile(own), "the user's own file");
  for (const char* file : {"media/thumb/wedding.jpg", "media/port/Józef \"Joe\" 1930.jpg",
                           "media/thumb/icon-pdf.jpg", "media/vx-media.txt"}) {
    EXPECT_TRUE(fs::exists(site + "/" + file)) << file;
  }
  EXPECT_EQ(testing::CheckSiteLinks(site).broken, std::vector<std::string>{});

  // Skipping multimedia keeps every derived file the pages still use.
  ASSERT_EQ(Vellix("generate '" + gedcom_ + "' -o '" + site + "' -m skip-media -q"), 0)
      << Output();
  EXPECT_TRUE(fs::exists(site + "/media/thumb/wedding.jpg"));
  EXPECT_EQ(testing::CheckSiteLinks(site).broken, std::vector<std::string>{});
}

}  // namespace
}  // namespace vellix
