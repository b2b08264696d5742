// Runs the vellix program itself, as a user would: what it prints, on which
// stream, and with which exit status.
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
  std::string out;  // stdout
  std::string err;  // stderr
};

constexpr char kSmallTree[] =
    "0 HEAD\n1 SOUR TEST\n2 NAME Test exporter\n2 VERS 2.0\n1 GEDC\n2 VERS 5.5.1\n"
    "1 CHAR UTF-8\n1 LANG Polish\n"
    "0 @I1@ INDI\n1 NAME Jan /Kowalski/\n1 FAMS @F1@\n"
    "0 @I2@ INDI\n1 NAME Zofia /Nowak/\n1 FAMS @F1@\n"
    "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n0 TRLR\n";

class CliTest : public ::testing::Test {
 protected:
  // Runs `vellix ARGS` with a private application folder, no stdin and
  // TERM unset (stderr is never a terminal here).
  Result Vellix(const std::string& args) {
    const std::string err_file = work_.File("stderr.txt");
    std::string command = "cd '" + work_.path() + "' && VELLIX_HOME='" + home_.path() +
                          "' TERM= '" VELLIX_PROGRAM "' " + args + " </dev/null 2>'" +
                          err_file + "'";
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
    result.err = ReadFile(err_file);
    return result;
  }

  // An option set file exists, so no run announces a new one.
  void SetUp() override { Vellix("options get bCitations"); }

  std::string Tree() { return work_.Write("tree.ged", kSmallTree); }

  TempDir home_;
  TempDir work_;
};

TEST_F(CliTest, VersionAndHelpOfEveryCommand) {
  Result version = Vellix("--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out.rfind("VELLIX 1.8.1\n", 0), 0u) << version.out;

  struct Case {
    const char* args;
    const char* first_line;
  };
  const Case cases[] = {
      {"help", "VELLIX "},
      {"--help", "VELLIX "},
      {"-h", "VELLIX "},
      {"help generate", "Usage: vellix generate"},
      {"generate --help", "Usage: vellix generate"},
      {"generate -h", "Usage: vellix generate"},
      {"generate tree.ged -o site --help", "Usage: vellix generate"},
      {"help info", "Usage: vellix info"},
      {"info -h", "Usage: vellix info"},
      {"help view", "Usage: vellix view"},
      {"view --help", "Usage: vellix view"},
      {"help options", "Usage: vellix options"},
      {"options --help", "Usage: vellix options"},
      {"options help", "Usage: vellix options"},
      {"options list --help", "Usage: vellix options"},
      {"options set -h", "Usage: vellix options"},
  };
  for (const Case& c : cases) {
    Result help = Vellix(c.args);
    EXPECT_EQ(help.status, 0) << c.args;
    EXPECT_EQ(help.out.rfind(c.first_line, 0), 0u) << c.args << ": " << help.out;
    EXPECT_EQ(help.err, "") << c.args;
  }
}

// Every mistake is one error line and one hint on stderr, exit status 2,
// nothing on stdout and never the whole help.
TEST_F(CliTest, MistakesAreOneErrorLineAndAHint) {
  const std::string tree = Tree();
  const std::string file = work_.Write("notes.txt", "x");
  struct Case {
    std::string args;
    std::string err;
  };
  const Case cases[] = {
      {"frobnicate", "vellix: error: unknown command 'frobnicate'\nTry 'vellix help'.\n"},
      {"help nonsense",
       "vellix: error: unknown help topic 'nonsense'\nTry 'vellix help'.\n"},
      {"generate --bogus",
       "vellix: error: unknown option '--bogus'\nTry 'vellix help generate'.\n"},
      {"generate -m bad",
       "vellix: error: unknown mode 'bad'\nTry 'vellix help generate'.\n"},
      {"generate -o",
       "vellix: error: option '-o' needs a value\nTry 'vellix help generate'.\n"},
      {"generate a.ged b.ged",
       "vellix: error: give at most one GEDCOM file\nTry 'vellix help generate'.\n"},
      {"generate --yes --no",
       "vellix: error: --yes and --no exclude each other\nTry 'vellix help generate'.\n"},
      {"generate '" + work_.path() + "' -o site",
       "vellix: error: " + work_.path() +
           ": is a directory\nTry 'vellix help generate'.\n"},
      {"generate tree.ged -o notes.txt",
       "vellix: error: " + file + ": is not a folder\nTry 'vellix help generate'.\n"},
      {"generate tree.ged --out=notes.txt/site",
       "vellix: error: " + file + ": is not a folder\nTry 'vellix help generate'.\n"},
      {"info", "vellix: error: name one GEDCOM file\nTry 'vellix help info'.\n"},
      {"info '" + work_.path() + "'",
       "vellix: error: " + work_.path() + ": is a directory\nTry 'vellix help info'.\n"},
      {"view extra",
       "vellix: error: unexpected argument 'extra'\nTry 'vellix help view'.\n"},
      {"options",
       "vellix: error: name a command, for example list\nTry 'vellix help options'.\n"},
      {"options frob",
       "vellix: error: unknown command 'frob'\nTry 'vellix help options'.\n"},
      {"options get",
       "vellix: error: usage: vellix options get KEY\nTry 'vellix help options'.\n"},
      {"options get bGhost",
       "vellix: error: unknown setting 'bGhost' (see 'vellix options list')\nTry 'vellix "
       "help "
       "options'.\n"},
      {"options set nDateWidth 81",
       "vellix: error: nDateWidth: 81 is outside 0..80\nTry 'vellix help options'.\n"},
      {"options get bCitations --json",
       "vellix: error: --changed and --json go with list\nTry 'vellix help options'.\n"},
      {"options import missing.ini",
       "vellix: error: missing.ini: does not exist\nTry 'vellix help options'.\n"},
  };
  for (const Case& c : cases) {
    Result r = Vellix(c.args);
    EXPECT_EQ(r.status, 2) << c.args;
    EXPECT_EQ(r.out, "") << c.args;
    EXPECT_EQ(r.err, c.err) << c.args;
  }
  Result none = Vellix("");
  EXPECT_EQ(none.status, 2);
  EXPECT_EQ(none.out, "");
}

TEST_F(CliTest, SettingsProblemsSpeakInCommandLineTerms) {
  Result no_file = Vellix("generate -o site -q");
  EXPECT_EQ(no_file.status, 2);
  EXPECT_EQ(no_file.out, "");
  EXPECT_EQ(no_file.err,
            "vellix: error: You have not specified a GEDCOM Input File.\n"
            "  Please name the file on the command line ('vellix generate GEDCOM') or "
            "with 'vellix options set strGedcomFile GEDCOM'.\n");

  Tree();
  Result no_dest = Vellix("generate tree.ged");
  EXPECT_EQ(no_dest.status, 2);
  EXPECT_NE(
      no_dest.err.find("Please set the destination with '-o DIR' or 'vellix options "
                       "set strDestFolder DIR'."),
      std::string::npos)
      << no_dest.err;

  Result gone = Vellix("generate gone.ged -o site");
  EXPECT_EQ(gone.status, 2);
  EXPECT_EQ(gone.err,
            "vellix: error: " + work_.File("gone.ged") +
                "\n  This GEDCOM input file does not exist or is not "
                "accessible.\n  Check the file named on the command line, or the "
                "option set's with 'vellix options get strGedcomFile'.\n");

  Result view = Vellix("view");
  EXPECT_EQ(view.status, 1);
  EXPECT_EQ(view.err,
            "vellix: error: There are no results to view!\n"
            "  Run 'vellix generate' before 'vellix view'.\n");
  EXPECT_EQ(view.out, "");
}

TEST_F(CliTest, ANewApplicationFolderSaysHowToReviewTheOptions) {
  TempDir fresh;
  const std::string command = "VELLIX_HOME='" + fresh.path() +
                              "' '" VELLIX_PROGRAM
                              "' options get bCitations 2>&1 >/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  std::array<char, 4096> buffer;
  const size_t n = fread(buffer.data(), 1, buffer.size(), pipe);
  pclose(pipe);
  EXPECT_EQ(std::string(buffer.data(), n),
            "vellix: Program options have been created and assigned default values.\n"
            "  Please review or change these settings to suit your needs. List them with "
            "'vellix options list'; change one with 'vellix options set KEY VALUE'.\n");
}

TEST_F(CliTest, GenerateReportsOnStdoutAndProgressOnStderr) {
  Tree();
  Result run = Vellix("generate tree.ged -osite --yes");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.rfind("Web page generation complete. Run 'vellix view' to see your "
                          "results.\n",
                          0),
            0u)
      << run.out;
  // Not a terminal: one plain line per phase, numbered, and the total time.
  EXPECT_NE(run.err.find("Generating All Web Pages\n  GEDCOM file: " +
                         work_.File("tree.ged") + "\n"),
            std::string::npos)
      << run.err;
  EXPECT_NE(run.err.find("\n[1/7] Reading GEDCOM file... ("), std::string::npos)
      << run.err;
  EXPECT_NE(run.err.find("\n[7/7] Creating log files...\nTotal time: 0:0"),
            std::string::npos)
      << run.err;
  EXPECT_EQ(run.err.find('\033'), std::string::npos);
  EXPECT_EQ(run.err.find('\r'), std::string::npos);
  struct stat st;
  EXPECT_EQ(stat(work_.File("site").c_str(), &st), 0)
      << "the destination folder is created";
}

TEST_F(CliTest, QuietPrintsNothingOnSuccess) {
  Tree();
  for (const char* args :
       {"generate tree.ged -o site -q", "generate -q --out=site tree.ged",
        "generate tree.ged --out site --quiet -y"}) {
    Result run = Vellix(args);
    EXPECT_EQ(run.status, 0) << args;
    EXPECT_EQ(run.out, "") << args;
    EXPECT_EQ(run.err, "") << args;
  }
}

TEST_F(CliTest, FamiliesModeHasNoClosingText) {
  Tree();
  Result run = Vellix("generate tree.ged -o site -m families");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.rfind("Web page generation complete.\n", 0), 0u) << run.out;
  EXPECT_EQ(run.out.find("vellix view' to see"), std::string::npos) << run.out;
}

TEST_F(CliTest, AFailedRunSaysSoOnStderrEvenWhenQuiet) {
  work_.Write("letter.txt", "Dear cousin,\nhere is the family tree.\n");
  Result run = Vellix("generate letter.txt -o site -q");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("This file does not appear to be a GEDCOM file."),
            std::string::npos)
      << run.err;
  EXPECT_NE(run.err.find("vellix: error: Web page generation FAILED.\n"),
            std::string::npos);
  EXPECT_NE(
      ReadFile(home_.File("warnings.txt"))
          .find("0,Web page generation FAILED. The input file is not a GEDCOM file."),
      std::string::npos);
}

TEST_F(CliTest, ARunWithoutWarningsEmptiesTheWarningsOfAnEarlierRun) {
  home_.Write("warnings.txt", "0,Web page generation was CANCELED.\n");
  Tree();
  Result run = Vellix("generate tree.ged -o site -q");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadFile(home_.File("warnings.txt")), "");
}

TEST_F(CliTest, InfoShowsHeaderFactsAndCounts) {
  Tree();
  Result info = Vellix("info tree.ged");
  EXPECT_EQ(info.status, 0) << info.err;
  EXPECT_NE(info.out.find("Product:         Test exporter"), std::string::npos)
      << info.out;
  EXPECT_NE(info.out.find("  Version:         2.0\n"), std::string::npos) << info.out;
  EXPECT_NE(info.out.find("  Version:         5.5.1\n"), std::string::npos) << info.out;
  EXPECT_NE(info.out.find("  Character Set:   UTF-8\n"), std::string::npos);
  EXPECT_NE(info.out.find("Families:    1\nIndividuals: 2\n"), std::string::npos);

  Result missing = Vellix("info nothing.ged");
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(
      missing.err.find("This input GEDCOM file does not exist or is not accessible."),
      std::string::npos);
}

TEST_F(CliTest, ColoursAndNegativeNumbersReadBackAsWritten) {
  EXPECT_EQ(Vellix("options set customColors.0 '#ff0000'").status, 0);
  EXPECT_EQ(Vellix("options get customColors.0").out, "#ff0000\n");
  EXPECT_EQ(Vellix("options set nReserved2 -5").status, 0);
  EXPECT_EQ(Vellix("options get nReserved2").out, "-5\n");
  EXPECT_EQ(Vellix("options list --changed").out,
            "# Attributes \xE2\x80\xBA Custom Colors\n"
            "customColors.0 = #ff0000                # Custom color 0; default #ffffff\n"
            "\n"
            "# Reserved\n"
            "nReserved2 = -5                         # Reserved number 2; default 0\n");
  Result json = Vellix("options list --changed --json");
  EXPECT_EQ(json.out.rfind("[\n{\"key\": \"customColors.0\"", 0), 0u) << json.out;
}

TEST_F(CliTest, ExportAndImportRestoreTheOptionSet) {
  ASSERT_EQ(Vellix("options set strAuthor 'Anna \"Ania\" Nowak'").status, 0);
  ASSERT_EQ(Vellix("options set nDividerTop 2").status, 0);
  ASSERT_EQ(Vellix("options export saved.ini").status, 0);
  const std::string saved = ReadFile(work_.File("saved.ini"));
  EXPECT_NE(saved.find("\nstrAuthor = \"Anna \\\"Ania\\\" Nowak\"\n"), std::string::npos);

  ASSERT_EQ(Vellix("options reset --yes").status, 0);
  EXPECT_EQ(Vellix("options list --changed").out, "");
  Result imported = Vellix("options import saved.ini");
  EXPECT_EQ(imported.status, 0) << imported.err;
  EXPECT_EQ(Vellix("options export -").out, saved);

  work_.Write("broken.ini", "bCitations = yes\nnDividerTop = 9\n");
  Result broken = Vellix("options import broken.ini");
  EXPECT_EQ(broken.status, 2);
  EXPECT_EQ(broken.err,
            "vellix: error: broken.ini:2: nDividerTop: 9 is outside 0..2\n"
            "The options set was not changed.\n");
  EXPECT_EQ(Vellix("options get bCitations").out, "no\n");
}

}  // namespace
}  // namespace vellix
