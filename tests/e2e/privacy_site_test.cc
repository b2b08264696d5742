// Generates sites with the vellix program and searches every file of them
// for what must not be there: the data of living people left out, markup
// from the GEDCOM file, pages of an earlier run that no longer belong.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "e2e/run_vellix.h"
#include "testing/site_checker.h"
#include "testing/test_support.h"

namespace vellix {
namespace {

namespace fs = std::filesystem;

class PrivacySiteTest : public testing::ProgramTest {
 protected:
  // Fails for each file of the site that holds one of `secrets` (GENDEX.txt
  // too unless `pages_only`: it is plain text, where markup is only text).
  static void ExpectNowhere(const std::string& site,
                            const std::vector<std::string>& secrets,
                            bool pages_only = false) {
    for (const auto& [name, text] : testing::FilesBelow(site)) {
      if (pages_only && name == "GENDEX.txt") continue;
      for (const std::string& secret : secrets) {
        EXPECT_EQ(text.find(secret), std::string::npos) << secret << " in " << name;
      }
    }
  }
};

// A dead couple with a living daughter (married to a living man: that
// family has no page), a dead man whose occupation is shared with the
// living son-in-law, and a dead man married to a living woman.
constexpr char kLivingTree[] =
    "0 HEAD\n1 GEDC\n2 VERS 5.5.1\n1 CHAR UTF-8\n"
    "0 @I1@ INDI\n1 NAME Walter /Kessler/\n1 SEX M\n1 BIRT\n2 DATE 1920\n"
    "1 DEAT\n2 DATE 1990\n1 OCCU\n2 _SHAR @I4@\n1 FAMS @F1@\n"
    "0 @I2@ INDI\n1 NAME Greta /Kessler/\n1 SEX F\n1 DEAT Y\n1 FAMS @F1@\n"
    "0 @I3@ INDI\n1 NAME Lisbeth Anneliese /Kessler/\n1 SEX F\n"
    "1 BIRT\n2 DATE 3 MAY 1985\n2 PLAC Lisbethtown\n2 SOUR @S1@\n3 PAGE Page-of-Lisbeth\n"
    "1 CHR\n2 DATE 9 JUN 1985\n2 PLAC Chapelford\n"
    "1 NOTE Note-of-Lisbeth\n1 FAMC @F1@\n1 FAMS @F2@\n"
    "0 @I4@ INDI\n1 NAME Marisol /Quintero/\n1 SEX M\n1 BIRT\n2 DATE 1987\n"
    "2 PLAC Marisolville\n1 OCCU Dancer\n2 PLAC Secretville\n1 FAMS @F2@\n"
    "0 @I5@ INDI\n1 NAME Otto /Brandt/\n1 SEX M\n1 DEAT Y\n1 FAMS @F3@\n"
    "0 @I6@ INDI\n1 NAME Yolanda /Zeferino/\n1 SEX F\n1 BIRT\n2 DATE 1990\n"
    "2 PLAC Yolandaburg\n1 FAMS @F3@\n"
    "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 CHIL @I3@\n1 MARR\n2 DATE 1950\n"
    "0 @F2@ FAM\n1 HUSB @I4@\n1 WIFE @I3@\n1 MARR\n2 DATE 2012\n2 PLAC Wedtown\n"
    "0 @F3@ FAM\n1 HUSB @I5@\n1 WIFE @I6@\n1 MARR\n2 DATE 2 FEB 2011\n2 PLAC Zweddingen\n"
    "1 NOTE Marriage-note-Zeferino\n"
    "0 @S1@ SOUR\n1 TITL Civil register\n"
    "0 TRLR\n";

// Everything of the three living people that must not reach the site.
const std::vector<std::string> kLivingSecrets = {
    "Lisbeth",      "Anneliese",       "1985",        "Lisbethtown", "Page-of-Lisbeth",
    "Chapelford",   "Note-of-Lisbeth", "Marisol",     "Quintero",    "1987",
    "Marisolville", "Dancer",          "Secretville", "2012",        "Wedtown",
    "Yolanda",      "Zeferino",        "Yolandaburg", "2 FEB 2011",  "Zweddingen",
    "Marriage-note"};

// Done when: a site generated with "exclude living" holds no given name,
// date, place, note or citation of an excluded person in any page, GENDEX
// or keyword, also after an earlier run without exclusion into the same
// folder (whose pages of living people are removed as stale).
TEST_F(PrivacySiteTest, ExcludedLivingPeopleLeaveNoTraceAfterAnEarlierFullRun) {
  for (const char* setting :
       {"bOtherFacts", "bGendex", "bKeywordSurnames", "bCitations", "bAssumeLiving",
        "bFactNotes", "bBiblioPages", "bSurnameCounts", "bTopSurnames"}) {
    Set(setting, "yes");
  }
  Set("nResearchNotes", "2");
  Set("nMarriageNotes", "2");
  const std::string gedcom = work_.Write("living.ged", kLivingTree);
  const std::string site = work_.File("site");
  ASSERT_EQ(Vellix("generate '" + gedcom + "' -o '" + site + "'"), 0) << Errors();
  // The first run published the living: it said so, and its pages show them.
  EXPECT_NE(Errors().find("vellix: 3 living individuals are published with their "
                          "details; see Features \u203a Privacy Filters"),
            std::string::npos)
      << Errors();
  EXPECT_NE(testing::ReadFile(site + "/GENDEX.txt").find("Quintero"), std::string::npos);
  ASSERT_TRUE(fs::exists(site + "/grpf2.html"));
  // A file of the user's own in the site folder.
  const std::string own_file = site + "/my-own-page.html";
  std::FILE* own = std::fopen(own_file.c_str(), "w");
  ASSERT_NE(own, nullptr);
  std::fputs("Lisbeth is my cousin", own);
  std::fclose(own);

  Set("bExcludeLiving", "yes");
  ASSERT_EQ(Vellix("generate '" + gedcom + "' -o '" + site + "'"), 0) << Errors();
  EXPECT_EQ(Errors().find("living individuals are published"), std::string::npos);
  EXPECT_FALSE(fs::exists(site + "/grpf2.html")) << "the living couple's page";
  // The user's own file is no page of ours: never touched.
  EXPECT_EQ(testing::ReadFile(own_file), "Lisbeth is my cousin");
  fs::remove(own_file);
  ExpectNowhere(site, kLivingSecrets);
  // The dead keep their pages, and the site is whole.
  EXPECT_NE(testing::ReadFile(site + "/grpf1.html").find("Walter"), std::string::npos);
  EXPECT_NE(testing::ReadFile(site + "/grpf3.html").find("Brandt"), std::string::npos);
  testing::SiteReport report = testing::CheckSiteLinks(site);
  EXPECT_TRUE(report.broken.empty())
      << (report.broken.empty() ? "" : report.broken.front());
  const std::string summary = testing::ReadFile(home_.File("vx-summary.html"));
  EXPECT_NE(summary.find("<b>Stale Files Removed</b></td><td>&nbsp;"), std::string::npos);
}

// "Filter dates" and "exclude notes & facts": living people show, without
// any date, note or citation that gives their birth or marriage away.
TEST_F(PrivacySiteTest, PrivateDatesGiveNothingAwayAnywhereOnThePage) {
  for (const char* setting :
       {"bOtherFacts", "bCitations", "bAssumeLiving", "bFactNotes", "bFilterDates"}) {
    Set(setting, "yes");
  }
  Set("bLivingDetails", "no");
  Set("factInclude.48", "1");  // christenings at the end of the page
  Set("nAltBmdFacts", "1");
  const std::string gedcom = work_.Write("living.ged", kLivingTree);
  const std::string site = work_.File("site");
  ASSERT_EQ(Vellix("generate '" + gedcom + "' -o '" + site + "'"), 0) << Errors();
  ExpectNowhere(site, {"1985", "Lisbethtown", "Page-of-Lisbeth", "Chapelford",
                       "Note-of-Lisbeth", "2012", "Wedtown", "Dancer", "Secretville",
                       "2 FEB 2011", "Zweddingen", "Marriage-note"});
  EXPECT_NE(testing::ReadFile(site + "/grpf1.html").find("(Private)"), std::string::npos);
}

// Done when: every record of a file with clashing identifiers has its own
// page, and every index link opens the page of the person it names.
TEST_F(PrivacySiteTest, ClashingIdentifiersEachGetTheirOwnPage) {
  std::string ged = "0 HEAD\n1 GEDC\n2 VERS 5.5.1\n1 CHAR UTF-8\n";
  const std::string long_key(10240, 'L');
  const std::vector<std::string> families = {"F1", "F-1", "F.1", "f1", long_key};
  for (size_t i = 0; i < families.size(); ++i) {
    const std::string n = std::to_string(i);
    ged += "0 @H" + n + "@ INDI\n1 NAME Husband" + n + " /Clash/\n1 DEAT Y\n1 FAMS @" +
           families[i] + "@\n";
    ged += "0 @" + families[i] + "@ FAM\n1 HUSB @H" + n + "@\n";
  }
  // Two loners whose keys differ only by case, and a second record I59.
  ged += "0 @I1@ INDI\n1 NAME Upper /Case/\n1 DEAT Y\n";
  ged += "0 @i1@ INDI\n1 NAME Lower /Case/\n1 DEAT Y\n";
  ged += "0 @I59@ INDI\n1 NAME First /Twice/\n1 DEAT Y\n";
  ged += "0 @I59@ INDI\n1 NAME Second /Twice/\n1 DEAT Y\n";
  ged += "0 TRLR\n";
  const std::string gedcom = work_.Write("clash.ged", ged);
  const std::string site = work_.File("site");
  ASSERT_EQ(Vellix("generate '" + gedcom + "' -o '" + site + "' -q"), 0) << Errors();

  // Each index line links to a page that shows the person it names.
  const std::string index = testing::ReadFile(site + "/grpname1.html");
  for (const char* given : {"Husband0", "Husband1", "Husband2", "Husband3", "Husband4",
                            "Upper", "Lower", "First"}) {
    const size_t at = index.find(">" + std::string(given) + "</a>");
    ASSERT_NE(at, std::string::npos) << given;
    const size_t href = index.rfind("href=\"", at) + 6;
    const std::string page = index.substr(href, index.find('"', href) - href);
    EXPECT_LT(page.size(), 200u) << given;
    EXPECT_NE(testing::ReadFile(site + "/" + page).find(given), std::string::npos)
        << given << " -> " << page;
  }
  const std::string warnings = testing::ReadFile(home_.File("warnings.txt"));
  EXPECT_NE(warnings.find("Family record identifier F1 is not unique."),
            std::string::npos)
      << warnings;
  EXPECT_NE(warnings.find("Record @I59@ INDI on line"), std::string::npos) << warnings;
}

// Done when: no markup from the file reaches a page unescaped, whatever
// field carries it, and NUL bytes are gone.
TEST_F(PrivacySiteTest, MarkupFromTheFileNeverReachesAPage) {
  for (const char* setting :
       {"bOtherFacts", "bCitations", "bBiblioPages", "bRepositoryPages", "bGendex",
        "bKeywordSurnames", "bFactNotes", "bCitationDetails", "bCitationComments"}) {
    Set(setting, "yes");
  }
  Set("nResearchNotes", "2");
  Set("nMarriageNotes", "1");
  Set("nAltNames", "2");
  Set("strAuthor", "Ann \"<vxbad>\" Lee");
  const std::string bad = "<vxbad>";
  std::string ged = "0 HEAD\n1 GEDC\n2 VERS 5.5.1\n1 CHAR UTF-8\n";
  ged += "0 @I1@ INDI\n1 NAME " + bad + " /" + bad + "/\n1 NAME Alt" + bad + " /X/\n";
  ged += "1 SEX M\n1 DEAT\n2 DATE " + bad + "\n2 PLAC " + bad + "\n";
  for (const char* tag : {"EVEN", "EDUC", "OCCU", "RESI"}) {
    ged += std::string("1 ") + tag + " " + bad + "\n2 TYPE " + bad + "\n2 PLAC " + bad +
           "\n2 NOTE " + bad + "\n";
  }
  ged += "1 NOTE " + bad + "\n1 ALIA " + bad + "\n1 FAMS @F1@\n";
  ged += "0 @I2@ INDI\n1 NAME Eve /Ok/\n1 SEX F\n1 DEAT Y\n1 FAMS @F1@\n";
  ged += "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 MARR\n2 TYPE " + bad + "\n2 PLAC " +
         bad + "\n2 SOUR @S1@\n3 PAGE " + bad + "\n3 DATA\n4 TEXT " + bad + "\n";
  ged += "1 DIV\n2 TYPE " + bad + "\n1 NOTE " + bad + "\n";
  ged += "0 @S1@ SOUR\n1 TITL " + bad + "\n1 AUTH " + bad + "\n1 PUBL " + bad +
         "\n1 REPO @R1@\n";
  ged += "0 @R1@ REPO\n1 NAME " + bad + "\n1 ADDR " + bad + "\n";
  ged += std::string("0 @I3@ INDI\n1 NAME Nul\0Byte /Name\0Man/\n1 DEAT Y\n", 48);
  ged += "0 TRLR\n";
  const std::string gedcom = work_.Write("markup.ged", ged);
  const std::string site = work_.File("site");
  ASSERT_EQ(Vellix("generate '" + gedcom + "' -o '" + site + "' -q"), 0) << Errors();
  ExpectNowhere(site, {"<vxbad", std::string(1, '\0')}, /*pages_only=*/true);
  // The author option reached the head escaped.
  EXPECT_NE(
      testing::ReadFile(site + "/grpf1.html")
          .find("<meta name=\"Author\" content=\"Ann &quot;&lt;vxbad&gt;&quot; Lee\">"),
      std::string::npos);
  EXPECT_NE(testing::ReadFile(site + "/grpname1.html").find("NulByte"),
            std::string::npos);
}

// Only files the program wrote are removed, and --keep-stale keeps them.
TEST_F(PrivacySiteTest, KeepStaleKeepsTheEarlierPages) {
  const std::string gedcom = work_.Write("living.ged", kLivingTree);
  const std::string site = work_.File("site");
  ASSERT_EQ(Vellix("generate '" + gedcom + "' -o '" + site + "' -q"), 0) << Errors();
  ASSERT_TRUE(fs::exists(site + "/grpf2.html"));
  Set("bExcludeLiving", "yes");
  Set("bAssumeLiving", "yes");
  ASSERT_EQ(Vellix("generate '" + gedcom + "' -o '" + site + "' -q --keep-stale"), 0)
      << Errors();
  EXPECT_TRUE(fs::exists(site + "/grpf2.html"));
  EXPECT_NE(testing::ReadFile(site + "/.vellix-manifest").find("grpf2.html"),
            std::string::npos);
  // Without the option the next run removes them.
  ASSERT_EQ(Vellix("generate '" + gedcom + "' -o '" + site + "' -q"), 0) << Errors();
  EXPECT_FALSE(fs::exists(site + "/grpf2.html"));
  EXPECT_EQ(testing::ReadFile(site + "/.vellix-manifest").find("grpf2.html"),
            std::string::npos);
}

}  // namespace
}  // namespace vellix
