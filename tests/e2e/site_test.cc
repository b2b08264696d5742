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
    std::string command = "VELLIX_HOME='" + home_.path() + "' '" VELLIX_PROGRAM "' " + args +
                          " </dev/null >'" + home_.File("out.txt") + "' 2>&1";
    int raw = std::system(command.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  }
  std::string Output() { return testing::ReadFile(home_.File("out.txt")); }

  // Turns on every kind of page the option set can ask for.
  void EnableAllPages() {
    for (const char* setting : {"bBiblioPages yes", "bRepositoryPages yes", "bCitations yes",
                                "bGendex yes"}) {
      ASSERT_EQ(Vellix(std::string("options set ") + setting), 0) << Output();
    }
  }

  // Checks links, encoding and validity of every page under `site`.
  void ExpectSoundSite(const std::string& site) {
    testing::SiteReport report = testing::CheckSiteLinks(site);
    EXPECT_GT(report.pages, 3);
    EXPECT_TRUE(report.broken.empty()) << report.broken.size() << " broken, first: "
                                       << (report.broken.empty() ? "" : report.broken.front());
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
  ASSERT_EQ(Vellix("generate '" VELLIX_SOURCE_DIR "/examples/kowalski-moreau.ged' -o '" + site +
                   "' -q"),
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
  EXPECT_TRUE(logs.broken.empty()) << logs.broken.size() << " broken, first: "
                                    << (logs.broken.empty() ? "" : logs.broken.front());
}

TEST_F(SiteTest, StandaloneBibliographyWritesOnlySourcesAndTheStyleSheet) {
  const std::string site = work_.File("bib");
  ASSERT_EQ(Vellix("generate '" VELLIX_SOURCE_DIR "/examples/kowalski-moreau.ged' -o '" + site +
                   "' -m bibliography -q"),
            0)
      << Output();
  std::vector<std::string> files;
  for (const auto& entry : fs::directory_iterator(site)) {
    files.push_back(entry.path().filename().string());
  }
  std::sort(files.begin(), files.end());
  EXPECT_EQ(files, (std::vector<std::string>{"grpbase.css", "grpbib1.html"}));
}

TEST_F(SiteTest, ASampleRunWritesAtMostFiveFamilyPages) {
  const std::string site = work_.File("sample");
  ASSERT_EQ(Vellix("generate '" VELLIX_SOURCE_DIR "/examples/kowalski-moreau.ged' -o '" + site +
                   "' -m sample -q"),
            0)
      << Output();
  int family_pages = 0;
  for (const auto& entry : fs::directory_iterator(site)) {
    std::string name = entry.path().filename().string();
    if (name.rfind("grpf", 0) == 0 || name.rfind("grpo", 0) == 0) ++family_pages;
  }
  EXPECT_EQ(family_pages, 5);
}

}  // namespace
}  // namespace vellix

namespace vellix {
namespace {

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
  EXPECT_TRUE(report.broken.empty()) << report.broken.size() << " broken, first: "
                                     << (report.broken.empty() ? "" : report.broken.front());
  EXPECT_TRUE(report.invalid_utf8.empty());
  for (const char* page : {"grpmain.html", "grpname1.html", "grpname2.html", "grpf1.html",
                           "grpf999.html", "grpbib1.html", "grprep1.html"}) {
    EXPECT_EQ(testing::ValidateHtmlFile(site + "/" + page), std::vector<std::string>{})
        << page;
  }
}

}  // namespace
}  // namespace vellix

namespace vellix {
namespace {

// Under the transitional document type, footnotes may go into a frame at
// the bottom of the window: each family with footnotes becomes a frameset
// with its sheet and footnote pages, all linked and valid (Frameset and
// Transitional DTDs).
TEST_F(SiteTest, FramedFootnotesUnderTheTransitionalDocumentType) {
  EnableAllPages();
  ASSERT_EQ(Vellix("options set bCitationsInFrame yes"), 0) << Output();
  ASSERT_EQ(Vellix("options set strDtdPages '<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 "
                   "Transitional//EN\">'"),
            0)
      << Output();
  const std::string site = work_.File("framed");
  ASSERT_EQ(Vellix("generate '" VELLIX_SOURCE_DIR "/examples/kowalski-moreau.ged' -o '" + site +
                   "' -q"),
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

}  // namespace
}  // namespace vellix
