// Two generation runs in one process, one after the other and at the same
// time on two threads: each has its own environment, option set and tree,
// and neither sees the other's pages, warnings or logs.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <thread>

#include "engine/generator.h"
#include "engine/site_phases.h"
#include "options/options.h"
#include "platform/file_system.h"
#include "testing/test_environment.h"

namespace vellix {
namespace {

namespace fs = std::filesystem;

// One run's world: its environment (application folder, settings,
// warnings), its tree, its option set, its destination.
struct RunSetup {
  RunSetup(const std::string& surname, const std::string& tag,
           const std::string& prefix) {
    gedcom =
        input.Write(surname + ".ged",
                    "0 HEAD\n1 GEDC\n2 VERS 5.5\n1 CHAR UTF-8\n"
                    "0 @I1@ INDI\n1 NAME Anna /" +
                        surname + "/\n1 " + tag + " something\n1 FAMS @F1@\n" +
                        "0 @I2@ INDI\n1 NAME Jan /" + surname +
                        "/\n1 FAMS @F1@\n0 @F1@ FAM\n1 HUSB @I2@\n1 WIFE @I1@\n0 TRLR\n");
    options.m_strGedcomFile = platform::StoredPath(gedcom);
    options.m_strDestFolder = platform::StoredPath(site.path());
    options.m_strFilePrefix = prefix;
  }

  RunOutcome Run() {
    Generator generator(test_env.env, std::make_unique<SitePhases>());
    return generator.Generate(GenerateMode::kAll, options,
                              test_env.app_folder() + "Options.dat");
  }

  // Every file the run left in its destination and application folder,
  // read whole and joined.
  std::string Everything() const {
    std::string all;
    for (const std::string& folder : {site.path(), test_env.app_folder()}) {
      for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) all += testing::ReadFile(entry.path().string());
      }
    }
    return all;
  }

  testing::TestEnvironment test_env;
  testing::TempDir input;
  testing::TempDir site;
  std::string gedcom;
  COptions options;
};

// `mine` holds its own names, tag and pages, and nothing of the other run.
void ExpectApart(const RunSetup& mine, const std::string& own_surname,
                 const std::string& own_tag, const std::string& own_prefix,
                 const std::string& other_surname, const std::string& other_tag) {
  const std::string all = mine.Everything();
  EXPECT_NE(all.find(own_surname), std::string::npos);
  EXPECT_NE(all.find("Nonstandard tag " + own_tag + " ignored."), std::string::npos);
  EXPECT_EQ(all.find(other_surname), std::string::npos) << "pages or logs mixed";
  EXPECT_EQ(all.find(other_tag), std::string::npos) << "warnings mixed";
  EXPECT_TRUE(fs::exists(mine.site.File(own_prefix + "main.html")));
  EXPECT_EQ(testing::ReadFile(mine.test_env.env.warnings().path()),
            "8,Nonstandard tag " + own_tag + " ignored.\n");
}

TEST(TwoRunsTest, OneAfterTheOtherKeepTheirWarningsPagesAndLogsApart) {
  RunSetup a("Abernathy", "XALPHA", "aa");
  RunSetup b("Brzezinski", "XBETA", "bb");
  ASSERT_TRUE(a.Run().success);
  ASSERT_TRUE(b.Run().success);
  ExpectApart(a, "Abernathy", "XALPHA", "aa", "Brzezinski", "XBETA");
  ExpectApart(b, "Brzezinski", "XBETA", "bb", "Abernathy", "XALPHA");
}

TEST(TwoRunsTest, OnTwoThreadsAtOnceKeepTheirWarningsPagesAndLogsApart) {
  RunSetup a("Abernathy", "XALPHA", "aa");
  RunSetup b("Brzezinski", "XBETA", "bb");
  RunOutcome outcome_a;
  RunOutcome outcome_b;
  std::thread first([&] {
    for (int i = 0; i < 5; ++i) outcome_a = a.Run();
  });
  std::thread second([&] {
    for (int i = 0; i < 5; ++i) outcome_b = b.Run();
  });
  first.join();
  second.join();
  ASSERT_TRUE(outcome_a.success);
  ASSERT_TRUE(outcome_b.success);
  EXPECT_EQ(outcome_a.warnings, 1);
  EXPECT_EQ(outcome_b.warnings, 1);
  ExpectApart(a, "Abernathy", "XALPHA", "aa", "Brzezinski", "XBETA");
  ExpectApart(b, "Brzezinski", "XBETA", "bb", "Abernathy", "XALPHA");
}

}  // namespace
}  // namespace vellix
