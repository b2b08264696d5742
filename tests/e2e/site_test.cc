// Generates whole sites with the vellix program and checks them as a
// visitor would: every local link and anchor resolves, every page is UTF-8
// and valid against its HTML 4.01 document type.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "../bench/gedcom_synth.h"
#include "e2e/run_vellix.h"
#include "testing/html_validator.h"
#include "testing/site_checker.h"
#include "testing/test_support.h"

namespace vellix {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

class SiteTest : public ::testing::Test {
 protected:
  int Vellix(const std::string& args) {
    return testing::RunVellix(home_.path(), args, home_.File("out.txt"));
  }
  std::string Output() { return testing::ReadFile(home_.File("out.txt")); }

  // Turns on every kind of page the option set can ask for.
  void EnableAllPages() {
    for (const char* setting :
         {"bBiblioPages yes", "bRepositoryPages yes", "bCitations yes", "bGendex yes"}) {
      ASSERT_EQ(Vellix(std::string("options set ") + setting), 0) << Output();
    }
  }

  // Checks links, encoding and validity of every page under `site`.
  void ExpectSoundSite(const std::string& site) {
    testing::SiteReport report = testing::CheckSiteLinks(site);
    EXPECT_GT(report.pages, 3);
    EXPECT_TRUE(report.broken.empty())
        << report.broken.size()
        << " broken, first: " << (report.broken.empty() ? "" : report.broken.front());
    EXPECT_TRUE(report.invalid_utf8.empty());
    int invalid = 0;
    for (const auto& entry : fs::directory_iterator(site)) {
      if (entry.path().extension() != ".html") continue;
      std::vector<std::string> errors = testing::ValidateHtmlFile(entry.path().string());
      if (!errors.empty() && invalid++ < 3) {
        ADD_FAILURE() << entry.path() << ": " << errors.front();
      }
    }
    EXPECT_EQ(invalid, 0);
  }

  TempDir home_;
  TempDir work_;
};

TEST_F(SiteTest, TheExampleFamilyBecomesASoundSite) {
  EnableAllPages();
  const std::string site = work_.File("site");
  ASSERT_EQ(Vellix("generate '" VELLIX_SOURCE_DIR "/examples/kowalski-moreau.ged' -o '" +
                   site + "' -q"),
            0)
      << Output();
  for (const char* page : {"grpmain.html", "grpname1.html", "grpf1.html", "grpoi11.html",
                           "grpbib1.html", "grprep1.html", "grpbase.css", "GENDEX.txt"}) {
    EXPECT_TRUE(fs::exists(site + "/" + page)) << page;
  }
  ExpectSoundSite(site);
  // The run's log pages link into the site from the application folder.
  testing::SiteReport logs = testing::CheckSiteLinks(home_.path());
  EXPECT_EQ(logs.pages, 3);
  EXPECT_TRUE(logs.broken.empty())
      << logs.broken.size()
      << " broken, first: " << (logs.broken.empty() ? "" : logs.broken.front());
}

TEST_F(SiteTest, StandaloneBibliographyWritesOnlySourcesAndTheStyleSheet) {
  const std::string site = work_.File("bib");
  ASSERT_EQ(Vellix("generate '" VELLIX_SOURCE_DIR "/examples/kowalski-moreau.ged' -o '" +
                   site + "' -m bibliography -q"),
            0)
      << Output();
  std::vector<std::string> files;
  for (const auto& entry : fs::directory_iterator(site)) {
    files.push_back(entry.path().filename().string());
  }
  std::sort(files.begin(), files.end());
  // and the list of the files the program wrote there.
  EXPECT_EQ(files, (std::vector<std::string>{".vellix-manifest", "grpbase.css",
                                             "grpbib1.html"}));
}

TEST_F(SiteTest, ASampleRunWritesAtMostFiveFamilyPages) {
  const std::string site = work_.File("sample");
  ASSERT_EQ(Vellix("generate '" VELLIX_SOURCE_DIR "/examples/kowalski-moreau.ged' -o '" +
                   site + "' -m sample -q"),
            0)
      << Output();
  int family_pages = 0;
  for (const auto& entry : fs::directory_iterator(site)) {
    std::string name = entry.path().filename().string();
    if (name.rfind("grpf", 0) == 0 || name.rfind("grpo", 0) == 0) ++family_pages;
  }
  EXPECT_EQ(family_pages, 5);
}

// A generated tree of a few thousand people in families of three, with
// notes, citations and non-ASCII names: every link of the whole site must
// resolve; a sample of its pages must validate.
TEST_F(SiteTest, ALargerGeneratedTreeLinksThroughout) {
  EnableAllPages();
  const std::string gedcom = work_.Write("synthetic.ged", bench::MakeGedcom(3000));
  const std::string site = work_.File("big");
  ASSERT_EQ(Vellix("generate '" + gedcom + "' -o '" + site + "' -q"), 0) << Output();
  testing::SiteReport report = testing::CheckSiteLinks(site);
  EXPECT_GT(report.pages, 1000);
  EXPECT_TRUE(report.broken.empty())
      << report.broken.size()
      << " broken, first: " << (report.broken.empty() ? "" : report.broken.front());
  EXPECT_TRUE(report.invalid_utf8.empty());
  for (const char* page : {"grpmain.html", "grpname1.html", "grpname2.html", "grpf1.html",
                           "grpf999.html", "grpbib1.html", "grprep1.html"}) {
    EXPECT_EQ(testing::ValidateHtmlFile(site + "/" + page), std::vector<std::string>{})
        << page;
  }
}

// Under the transitional document type, footnotes may go into a frame at
// the bottom of the window: each family with footnotes becomes a frameset
// with its sheet and footnote pages, all linked and valid (Frameset and
// Transitional DTDs).
TEST_F(SiteTest, FramedFootnotesUnderTheTransitionalDocumentType) {
  EnableAllPages();
  ASSERT_EQ(Vellix("options set bCitationsInFrame yes"), 0) << Output();
  ASSERT_EQ(
      Vellix("options set strDtdPages '<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 "
             "Transitional//EN\">'"),
      0)
      << Output();
  const std::string site = work_.File("framed");
  ASSERT_EQ(Vellix("generate '" VELLIX_SOURCE_DIR "/examples/kowalski-moreau.ged' -o '" +
                   site + "' -q"),
            0)
      << Output();
  // F1 cites sources: frameset, sheet ("g") and footnotes ("f").
  const std::string frameset = testing::ReadFile(site + "/grpf1.html");
  EXPECT_NE(frameset.find("<frameset"), std::string::npos);
  EXPECT_TRUE(fs::exists(site + "/grpf1g.html"));
  EXPECT_TRUE(fs::exists(site + "/grpf1f.html"));
  ExpectSoundSite(site);
  // Frame sources are links too: the frameset must name existing pages.
  EXPECT_NE(frameset.find("src=\"grpf1g.html\""), std::string::npos);
  EXPECT_NE(frameset.find("src=\"grpf1f.html"), std::string::npos);
}

// A tree that points at itself in every way a damaged export can, with
// markup and path tricks in its names, invalid UTF-8, a duplicate key and a
// note nested 10,000 lines deep: the run completes and the site is sound.
TEST_F(SiteTest, AHostileTreeStillGivesASoundSite) {
  EnableAllPages();
  std::string ged =
      "0 HEAD\n1 GEDC\n2 VERS 5.5\n1 CHAR UTF-8\n"
      "0 @I1@ INDI\n1 NAME <script>alert(1)</script> /../../etc/x/\n1 FAMS @F1@\n"
      "1 FAMC @F1@\n1 NOTE @I1@\n1 ASSO @I1@\n1 BIRT\n2 DATE 99999999999999999999\n"
      "2 SOUR @I1@\n"
      "0 @I2@ INDI\n1 NAME Bad \xff\xfe utf /\xc3(/\n1 FAMS @F1@\n1 FAMC @F2@\n"
      "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I1@\n1 CHIL @I1@\n1 CHIL @I2@\n1 CHIL @I9@\n"
      "1 SOUR @S1@\n2 PAGE p. <b>1</b>\n"
      "0 @F2@ FAM\n1 HUSB @I2@\n1 CHIL @I2@\n1 CHIL @F1@\n"
      "0 @F1@ FAM\n1 HUSB @I2@\n"
      "0 @S1@ SOUR\n1 TITL \"Quoted\" & <tagged>\n1 AUTH @S1@\n1 REPO @S1@\n"
      "0 @N1@ NOTE deep\n";
  for (int level = 1; level <= 10000; ++level) ged += std::to_string(level) + " CONT x\n";
  ged +=
      "99999 JUNK value\n-5 NAME negative\n0 @I3@ INDI\n1 NAME Only /One/\n1 BIRT Y\n"
      "0 TRLR\n";
  const std::string gedcom = work_.Write("hostile.ged", ged);
  const std::string site = work_.File("hostile");
  ASSERT_EQ(Vellix("generate '" + gedcom + "' -o '" + site + "' -q"), 0) << Output();
  ExpectSoundSite(site);
  for (const auto& entry : fs::recursive_directory_iterator(work_.path())) {
    EXPECT_EQ(entry.path().string().find("/etc/x"), std::string::npos) << entry.path();
  }
  EXPECT_EQ(testing::ReadFile(site + "/grpname1.html").find("<script>"),
            std::string::npos);
}

// Without room for parsed records every phase parses them again, and the
// index phase runs with emptied caches (the path a million-person file
// takes): the site must be the same, byte for byte.
TEST_F(SiteTest, TheRecordCacheSizeChangesNoPage) {
  EnableAllPages();
  const std::string gedcom = work_.Write("synthetic.ged", bench::MakeGedcom(600));
  const std::string roomy = work_.File("roomy");
  const std::string tight = work_.File("tight");
  ASSERT_EQ(Vellix("generate '" + gedcom + "' -o '" + roomy + "' -q"), 0) << Output();
  ASSERT_EQ(Vellix("generate '" + gedcom + "' -o '" + tight + "' -q --record-cache 0"), 0)
      << Output();
  const auto expected = testing::FilesBelow(roomy);
  EXPECT_GT(expected.size(), 200u);
  EXPECT_TRUE(testing::FilesBelow(tight) == expected);

  for (const char* bad : {"-1", "lots", "2000000", ""}) {
    EXPECT_NE(Vellix("generate '" + gedcom + "' -o '" + tight + "' -q --record-cache '" +
                     bad + "'"),
              0)
        << bad;
    EXPECT_NE(Output().find("--record-cache takes a number of megabytes"),
              std::string::npos)
        << Output();
  }
}

}  // namespace
}  // namespace vellix
