// Runs the vellix program itself, as a user would: what it prints, on which
// stream, and with which exit status.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "options/options.h"
#include "platform/file_system.h"
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
      {"generate -q -v",
       "vellix: error: --quiet and --verbose exclude each other\nTry 'vellix help "
       "generate'.\n"},
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

  // The option set's destination has gone: an error, in paths a shell reads.
  ASSERT_EQ(Vellix("options set strDestFolder '" + work_.File("gone") + "'").status, 0);
  EXPECT_EQ(Vellix("options get strDestFolder").out, work_.File("gone") + "\n");
  Result dest_gone = Vellix("generate tree.ged");
  EXPECT_EQ(dest_gone.status, 2);
  EXPECT_EQ(dest_gone.err,
            "vellix: error: " + work_.File("gone") +
                "\n  The destination folder path does not exist or is not accessible."
                "\n  Check the folder given with '-o DIR', or the option set's with "
                "'vellix options get strDestFolder'.\n");
  ASSERT_EQ(Vellix("options set strDestFolder ''").status, 0);

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
  EXPECT_EQ(run.out,
            "Web page generation complete. Run 'vellix view' to see your results.\n"
            "1 family and 2 individuals in the file; pages for 1 family, 2 index "
            "entries.\n"
            "Open the site: " +
                work_.File("site/grpmain.html") +
                "\n"
                "Run log: " +
                home_.File("vx-summary.html") +
                "\n"
                "4 pages written, 0 unchanged.\n");
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

TEST_F(CliTest, ARerunThatChangesNothingSaysSo) {
  Tree();
  ASSERT_EQ(Vellix("generate tree.ged -o site -q").status, 0);
  Result again = Vellix("generate tree.ged -o site");
  EXPECT_EQ(again.status, 0) << again.err;
  EXPECT_NE(again.out.find("\n0 pages written, 4 unchanged.\n"), std::string::npos)
      << again.out;
  // One individual more, outside families: a page of her own, and the index
  // and surname pages change.
  const std::string tree = kSmallTree;
  work_.Write("tree.ged", tree.substr(0, tree.find("0 TRLR")) +
                              "0 @I3@ INDI\n1 NAME Ewa /Nowak/\n0 TRLR\n");
  Result changed = Vellix("generate tree.ged -o site");
  EXPECT_EQ(changed.status, 0) << changed.err;
  EXPECT_NE(changed.out.find("pages for 1 family and 1 individual outside families"),
            std::string::npos)
      << changed.out;
  EXPECT_EQ(changed.out.find("\n0 pages written"), std::string::npos) << changed.out;
  EXPECT_EQ(changed.out.find(", 4 unchanged."), std::string::npos) << changed.out;
}

// A file of an older GEDCOM version with a tag of no standard: two warnings.
constexpr char kOldTree[] =
    "0 HEAD\n1 GEDC\n2 VERS 4.0\n1 CHAR UTF-8\n"
    "0 @I1@ INDI\n1 NAME Jan /Kowalski/\n1 ZZQ odd\n0 TRLR\n";

TEST_F(CliTest, WarningsAreCountedWithTheirRunLogAndPrintedAsRaisedWithVerbose) {
  work_.Write("old.ged", kOldTree);
  const std::string log = home_.File("vx-summary.html");
  Result normal = Vellix("generate old.ged -o site");
  EXPECT_EQ(normal.status, 0) << normal.err;
  EXPECT_NE(normal.out.find("\n2 warnings, listed in the run log: " + log + "\n"),
            std::string::npos)
      << normal.out;
  EXPECT_EQ(normal.err.find("warning:"), std::string::npos) << normal.err;

  for (const char* args :
       {"generate old.ged -o site -v", "generate --verbose old.ged -o site"}) {
    Result verbose = Vellix(args);
    EXPECT_EQ(verbose.status, 0) << verbose.err;
    EXPECT_NE(verbose.out.find(
                  "\n2 warnings (printed above), listed in the run log: " + log + "\n"),
              std::string::npos)
        << verbose.out;
    // On stderr, as raised: while the file is read, before the next phase.
    EXPECT_NE(
        verbose.err.find("[1/7] Reading GEDCOM file... (0.09 KB)\n"
                         "vellix: warning: GEDCOM Tags: Nonstandard tag ZZQ ignored.\n"
                         "vellix: warning: The input GEDCOM file is not a GEDCOM "
                         "version 5.5 file.\n"
                         "[2/7] "),
        std::string::npos)
        << verbose.err;
    EXPECT_EQ(verbose.out.find("warning:"), std::string::npos);
  }
  Result quiet = Vellix("generate old.ged -o site -q");
  EXPECT_EQ(quiet.status, 0);
  EXPECT_EQ(quiet.out + quiet.err, "");
}

// Ctrl-C among the family pages: the run stops, writes its logs, says how
// far it came and that the site is incomplete, all on stderr, status 130.
TEST_F(CliTest, CtrlCStopsTheRunAndSaysTheSiteIsIncomplete) {
  // Pages are written on a thread of their own, which may fall behind the
  // building by 4 MB of pages (some 2,600 of these): the file is large
  // enough for the stop to come while pages are still being built.
  constexpr int kFamilies = 8000;
  std::string big = "0 HEAD\n1 GEDC\n2 VERS 5.5\n1 CHAR UTF-8\n";
  for (int f = 1; f <= kFamilies; ++f) {
    const std::string n = std::to_string(f);
    big += "0 @H" + n + "@ INDI\n1 NAME Jan" + n + " /Kowalski/\n1 FAMS @F" + n +
           "@\n0 @F" + n + "@ FAM\n1 HUSB @H" + n + "@\n";
  }
  work_.Write("big.ged", big + "0 TRLR\n");

  int err_pipe[2];
  ASSERT_EQ(pipe(err_pipe), 0);
  const std::string out_file = work_.File("stdout.txt");
  const pid_t pid = fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    dup2(err_pipe[1], STDERR_FILENO);
    close(err_pipe[0]);
    close(err_pipe[1]);
    const int out = open(out_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int in = open("/dev/null", O_RDONLY);
    if (out < 0 || in < 0 || chdir(work_.path().c_str()) != 0) _exit(127);
    dup2(out, STDOUT_FILENO);
    dup2(in, STDIN_FILENO);
    setenv("VELLIX_HOME", home_.path().c_str(), 1);
    setenv("TERM", "", 1);
    execl(VELLIX_PROGRAM, VELLIX_PROGRAM, "generate", "big.ged", "-o", "site",
          static_cast<char*>(nullptr));
    _exit(127);
  }
  close(err_pipe[1]);
  FILE* err = fdopen(err_pipe[0], "r");
  std::string text;
  char line[4096];
  bool stopped = false;
  while (std::fgets(line, sizeof line, err)) {
    text += line;
    if (stopped ||
        text.find("Generating web pages for 8000 families") == std::string::npos) {
      continue;
    }
    // Stop once a few family pages are on the disk (F1, F10, F100 are the
    // first three in key order).
    struct stat st;
    for (int i = 0; i < 2000 && stat(work_.File("site/grpf100.html").c_str(), &st) != 0;
         ++i) {
      usleep(5000);
    }
    kill(pid, SIGINT);
    stopped = true;
  }
  std::fclose(err);
  int raw = 0;
  ASSERT_EQ(waitpid(pid, &raw, 0), pid);
  ASSERT_TRUE(stopped) << text;
  EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 130) << raw;
  EXPECT_EQ(ReadFile(out_file), "");

  const size_t report = text.find("vellix: Web page generation CANCELED.\n");
  ASSERT_NE(report, std::string::npos) << text;
  int written = -1;
  int selected = -1;
  char log[1024] = "";
  char site[1024] = "";
  ASSERT_EQ(std::sscanf(text.c_str() + report,
                        "vellix: Web page generation CANCELED.\n"
                        "Pages written before the stop: %d of %d families.\n"
                        "1 warning, listed in the run log: %1023s\n"
                        "vellix: stopped: the site in %1023s is incomplete\n",
                        &written, &selected, log, site),
            4)
      << text.substr(report);
  EXPECT_GE(written, 3);
  EXPECT_LT(written, kFamilies);
  EXPECT_EQ(selected, kFamilies);
  EXPECT_EQ(log, home_.File("vx-summary.html"));
  EXPECT_EQ(site, work_.File("site/"));
  EXPECT_TRUE(text.ends_with(" is incomplete\n")) << "the closing line is last";
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
  Result loud = Vellix("generate letter.txt -o site");
  EXPECT_EQ(loud.status, 1);
  EXPECT_EQ(loud.out, "");
  const std::string tail =
      "vellix: error: Web page generation FAILED.\n2 warnings, listed "
      "in the run log: " +
      home_.File("vx-summary.html") + "\n";
  EXPECT_EQ(loud.err.substr(loud.err.size() - std::min(loud.err.size(), tail.size())),
            tail)
      << loud.err;

  Result run = Vellix("generate letter.txt -o site -q");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err.find("listed in the run log"), std::string::npos);
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
            "vellix: the options set was not changed.\n");
  EXPECT_EQ(Vellix("options get bCitations").out, "no\n");
}

// The extras travel in the exported text too, and are read back with the
// checks of `options set`.
TEST_F(CliTest, ExportAndImportCarryTheExtras) {
  const struct {
    const char* key;
    const char* value;
    const char* line;  // as the exported text gives it
  } extras[] = {
      {"extras.search", "yes", "\nextras.search = yes\n"},
      {"extras.phones", "on", "\nextras.phones = yes\n"},
      {"extras.maps", "1", "\nextras.maps = yes\n"},
      {"extras.base-url", "https://example.org/tree/",
       "\nextras.base-url = \"https://example.org/tree/\"\n"},
  };
  for (const auto& e : extras) {
    ASSERT_EQ(Vellix(std::string("options set ") + e.key + " " + e.value).status, 0);
  }
  ASSERT_EQ(Vellix("options export saved.ini").status, 0);
  const std::string saved = ReadFile(work_.File("saved.ini"));
  for (const auto& e : extras) {
    EXPECT_NE(saved.find(e.line), std::string::npos) << e.line;
  }

  ASSERT_EQ(Vellix("options reset --yes").status, 0);
  EXPECT_EQ(Vellix("options get extras.maps").out, "no\n");
  Result imported = Vellix("options import saved.ini");
  EXPECT_EQ(imported.status, 0) << imported.err;
  EXPECT_EQ(Vellix("options export -").out, saved);
  EXPECT_EQ(Vellix("options get extras.base-url").out, "https://example.org/tree/\n");

  // A wrong address refuses the whole file, as `options set` refuses it.
  work_.Write("bad.ini",
              "[Extras]\nextras.maps = no\nextras.base-url = \"javascript:alert(1)\"\n");
  Result bad = Vellix("options import bad.ini");
  EXPECT_EQ(bad.status, 2);
  EXPECT_EQ(bad.err,
            "vellix: error: bad.ini:3: extras.base-url takes an http:// or https:// "
            "address without blanks or quotes, or nothing\n"
            "vellix: the options set was not changed.\n");
  Result refused_by_set = Vellix("options set extras.base-url 'javascript:alert(1)'");
  EXPECT_EQ(refused_by_set.status, 2);
  EXPECT_NE(refused_by_set.err.find("extras.base-url takes an http:// or https:// "
                                    "address without blanks or quotes, or nothing"),
            std::string::npos)
      << refused_by_set.err;
  EXPECT_EQ(Vellix("options export -").out, saved);

  // A file that names no extra leaves them as they are.
  work_.Write("plain.ini", "[Features]\nbCitations = yes\n");
  ASSERT_EQ(Vellix("options import plain.ini").status, 0);
  EXPECT_EQ(Vellix("options get bCitations").out, "yes\n");
  for (const auto& e : extras) {
    EXPECT_NE(Vellix("options export -").out.find(e.line), std::string::npos) << e.line;
  }
  EXPECT_NE(ReadFile(home_.File("Options.extras.ini")).find("maps = yes"),
            std::string::npos);
}

// Every command saves what it changes, so switching option sets has nothing
// to offer to save: it asks nothing.
TEST_F(CliTest, SwitchingOptionSetsAsksNothing) {
  ASSERT_EQ(Vellix("options set strAuthor Anna").status, 0);
  const std::string first = home_.File("Options.dat");
  Result made = Vellix("options new second.dat");
  EXPECT_EQ(made.status, 0);
  EXPECT_EQ(made.err,
            "vellix: Program options have been created and assigned default values.\n"
            "  Please review or change these settings to suit your needs. List them with "
            "'vellix options list'; change one with 'vellix options set KEY VALUE'.\n");
  EXPECT_EQ(Vellix("options path").out, work_.File("second.dat") + "\n");
  EXPECT_EQ(Vellix("options get strAuthor").out, "\n");

  Result back = Vellix("options use '" + first + "'");
  EXPECT_EQ(back.status, 0);
  EXPECT_EQ(back.err, "");
  EXPECT_EQ(Vellix("options get strAuthor").out, "Anna\n");
  EXPECT_EQ(Vellix("options new second.dat").status, 2);
  EXPECT_EQ(Vellix("options path").out, first + "\n");
}

// `generate --options todo.txt` once turned the text into an option set,
// and the next save lost its backup too.
TEST_F(CliTest, AFileOfAnotherKindIsNeverTurnedIntoAnOptionSet) {
  Tree();
  const std::string todo = work_.Write("todo.txt", "buy milk\neggs\n");
  for (int attempt = 0; attempt < 2; ++attempt) {
    Result run = Vellix("generate tree.ged -o site --options todo.txt");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("This file is not a valid options set."), std::string::npos)
        << run.err;
  }
  EXPECT_EQ(ReadFile(todo), "buy milk\neggs\n");
  EXPECT_FALSE(platform::FileExists(home_.File("todo.old")));
  EXPECT_FALSE(platform::FileExists(work_.File("site/grpmain.html")));
}

TEST_F(CliTest, OptionsThatWouldWriteOutsideTheSiteAreRefused) {
  const struct {
    std::string setting;
    const char* expected_error;
  } cases[] = {
      {"strFilePrefix ../esc",
       "vellix: error: strFilePrefix: \"../esc\" is not part of a file name"},
      {"strAltSurnameFile ../../alt.html",
       "vellix: error: strAltSurnameFile: \"../../alt.html\" leaves the destination "
       "folder"},
      {"strAltSurnameFile '~/.bashrc'", ""},  // a folder named "~" in the site
      {"strAltSurnameFile " + std::string("'") + home_.File(".bashrc") + "'",
       "vellix: error: strAltSurnameFile: \""},
      {"strTextColor 'zz;}body{display:none'",
       "vellix: error: strTextColor: \"zz;}body{display:none\" is not a colour"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.setting);
    Result set = Vellix("options set " + c.setting);
    if (std::string(c.expected_error).empty()) {
      EXPECT_EQ(set.status, 0) << set.err;
      continue;
    }
    EXPECT_EQ(set.status, 2);
    EXPECT_EQ(set.err.rfind(c.expected_error, 0), 0u) << set.err;
  }
  EXPECT_EQ(Vellix("options get strFilePrefix").out, "grp\n");
  EXPECT_EQ(Vellix("options get strTextColor").out, "#000000\n");
  work_.Write("escape.ini", "strFilePrefix = \"..\\\\esc\"\n");
  Result imported = Vellix("options import escape.ini");
  EXPECT_EQ(imported.status, 2);
  EXPECT_NE(imported.err.find("is not part of a file name"), std::string::npos)
      << imported.err;
  EXPECT_EQ(Vellix("options get strFilePrefix").out, "grp\n");
}

// An option set made elsewhere may hold such a value: the run refuses it
// before writing anything.
TEST_F(CliTest, AStoredPrefixThatLeavesTheSiteStopsTheRun) {
  Tree();
  COptions options;
  options.m_strFilePrefix = "..\\esc";
  work_.Write("elsewhere.dat", options.WriteToString());
  Result run = Vellix("generate tree.ged -o site --options elsewhere.dat");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(
      run.err.rfind("vellix: error: The option \"File Prefix\" (strFilePrefix) holds "
                    "\"..\\esc\", which is not part of a file name",
                    0),
      0u)
      << run.err;
  EXPECT_NE(run.err.find("Correct it with 'vellix options set KEY VALUE'."),
            std::string::npos)
      << run.err;
  EXPECT_FALSE(platform::FileExists(work_.File("escmain.html")));
  EXPECT_FALSE(platform::FileExists(work_.File("escbase.css")));
}

TEST_F(CliTest, APipeGivenAsTheGedcomFileIsRefused) {
  const std::string pipe = work_.File("pipe.ged");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  Result run = Vellix("generate pipe.ged -o site");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find(pipe + ": is not a regular file"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace vellix
