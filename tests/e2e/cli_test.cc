// Runs the vellix program itself, as a user would.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

#include "testing/test_support.h"

namespace vellix {
namespace {

using testing::ReadFile;
using testing::TempDir;

struct Result {
  int status = -1;
  std::string out;  // stdout and stderr together
};

constexpr char kSmallTree[] =
    "0 HEAD\n1 SOUR TEST\n2 NAME Test exporter\n2 VERS 2.0\n1 GEDC\n2 VERS 5.5.1\n"
    "1 CHAR UTF-8\n1 LANG Polish\n"
    "0 @I1@ INDI\n1 NAME Jan /Kowalski/\n1 FAMS @F1@\n"
    "0 @I2@ INDI\n1 NAME Zofia /Nowak/\n1 FAMS @F1@\n"
    "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n0 TRLR\n";

class CliTest : public ::testing::Test {
 protected:
  // Runs `vellix ARGS` with a private application folder; no stdin.
  Result Vellix(const std::string& args) {
    std::string command = "VELLIX_HOME='" + home_.path() + "' '" VELLIX_PROGRAM "' " +
                          args + " </dev/null 2>&1";
    Result result;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return result;
    std::array<char, 4096> buffer;
    size_t n;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
      result.out.append(buffer.data(), n);
    }
    int raw = pclose(pipe);
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return result;
  }

  TempDir home_;
  TempDir work_;
};

TEST_F(CliTest, VersionAndHelp) {
  Result version = Vellix("--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out.rfind("VELLIX 1.8.1\n", 0), 0u) << version.out;

  Result help = Vellix("help generate");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("Usage: vellix generate"), std::string::npos);

  Result none = Vellix("");
  EXPECT_EQ(none.status, 2);
  Result unknown = Vellix("frobnicate");
  EXPECT_EQ(unknown.status, 2);
  EXPECT_NE(unknown.out.find("unknown command 'frobnicate'"), std::string::npos);
}

TEST_F(CliTest, GenerateWritesTheSiteFolderAndReportsSuccess) {
  std::string gedcom = work_.Write("tree.ged", kSmallTree);
  std::string dest = work_.File("site");
  Result run = Vellix("generate '" + gedcom + "' -o '" + dest + "' --yes -q");
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_NE(
      run.out.find("Web page generation complete. Click \"View\" to see your results."),
      std::string::npos)
      << run.out;
  struct stat st;
  EXPECT_EQ(stat(dest.c_str(), &st), 0) << "the destination folder is created";
}

TEST_F(CliTest, FamiliesModeHasNoClosingText) {
  std::string gedcom = work_.Write("tree.ged", kSmallTree);
  Result run =
      Vellix("generate '" + gedcom + "' -o '" + work_.File("site") + "' -m families -q");
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_NE(run.out.find("Web page generation complete.\n"), std::string::npos)
      << run.out;
  EXPECT_EQ(run.out.find("Click \"View\""), std::string::npos) << run.out;
}

TEST_F(CliTest, ANonGedcomFileFailsWithItsMessage) {
  std::string text =
      work_.Write("letter.txt", "Dear cousin,\nhere is the family tree.\n");
  Result run = Vellix("generate '" + text + "' -o '" + work_.File("site") + "' -q");
  EXPECT_EQ(run.status, 1) << run.out;
  EXPECT_NE(run.out.find("This file does not appear to be a GEDCOM file."),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("Web page generation FAILED."), std::string::npos);
  EXPECT_NE(
      ReadFile(home_.File("warnings.txt"))
          .find("0,Web page generation FAILED. The input file is not a GEDCOM file."),
      std::string::npos);
}

TEST_F(CliTest, ARunWithoutWarningsEmptiesTheWarningsOfAnEarlierRun) {
  home_.Write("warnings.txt", "0,Web page generation was CANCELED.\n");
  std::string gedcom = work_.Write("tree.ged", kSmallTree);
  Result run = Vellix("generate '" + gedcom + "' -o '" + work_.File("site") + "' -q");
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_EQ(ReadFile(home_.File("warnings.txt")), "");
}

TEST_F(CliTest, MissingInputsAreSettingsErrors) {
  Result no_file = Vellix("generate -o '" + work_.File("site") + "' -q");
  EXPECT_EQ(no_file.status, 2);
  EXPECT_NE(no_file.out.find("You have not specified a GEDCOM Input File."),
            std::string::npos)
      << no_file.out;

  Result gone = Vellix("generate '" + work_.File("gone.ged") + "' -o '" +
                       work_.File("site") + "' -q");
  EXPECT_EQ(gone.status, 2);
  EXPECT_NE(gone.out.find("This GEDCOM input file does not exist or is not accessible."),
            std::string::npos);

  Result mode = Vellix("generate -m 9");
  EXPECT_EQ(mode.status, 2);
  EXPECT_NE(mode.out.find("unknown mode '9'"), std::string::npos);
}

TEST_F(CliTest, InfoShowsHeaderFactsAndCounts) {
  std::string gedcom = work_.Write("tree.ged", kSmallTree);
  Result info = Vellix("info '" + gedcom + "'");
  EXPECT_EQ(info.status, 0) << info.out;
  EXPECT_NE(info.out.find("Product:         Test exporter"), std::string::npos)
      << info.out;
  EXPECT_NE(info.out.find("  Version:         2.0\n"), std::string::npos) << info.out;
  EXPECT_NE(info.out.find("  Version:         5.5.1\n"), std::string::npos) << info.out;
  EXPECT_NE(info.out.find("  Character Set:   UTF-8\n"), std::string::npos);
  EXPECT_NE(info.out.find("Families:    1\nIndividuals: 2\n"), std::string::npos);

  Result missing = Vellix("info '" + work_.File("nothing.ged") + "'");
  EXPECT_EQ(missing.status, 2);
}

}  // namespace
}  // namespace vellix
