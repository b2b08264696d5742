// Runs `vellix attributes`, `vellix options summary` and `vellix info` as a
// user would: the exchange file round trip, refusals that change nothing,
// the summary page, the family reference census, and the exit statuses.
#include <gtest/gtest.h>
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

constexpr char kTree[] =
    "0 HEAD\n1 SOUR TEST\n1 GEDC\n2 VERS 5.5\n1 CHAR UTF-8\n"
    "0 @I1@ INDI\n1 NAME Jan /Kowalski/\n1 FAMS @F1@\n"
    "0 @I2@ INDI\n1 NAME Zofia /Nowak/\n1 FAMS @F1@\n"
    "0 @I3@ INDI\n1 NAME Adam /Kowalski/\n1 FAMC @F1@\n1 FAMS @F2@\n"
    "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 CHIL @I3@\n1 REFN 12\n1 RIN 5\n"
    "0 @F2@ FAM\n1 HUSB @I3@\n1 RIN 5\n1 EVEN K-7\n2 TYPE FamNo\n"
    "0 TRLR\n";

class AttributesCliTest : public ::testing::Test {
 protected:
  AttributesCliTest() {
    gedcom_ = work_.Write("tree.ged", kTree);
    work_.Write("site/images/jan.jpg", "");
  }

  // Runs `vellix ARGS` in the work folder with a private application folder.
  Result Vellix(const std::string& args) {
    const std::string command =
        "cd '" + work_.path() + "' && VELLIX_HOME='" + home_.path() +
        "' DISPLAY= WAYLAND_DISPLAY= '" VELLIX_PROGRAM "' " + args + " </dev/null 2>&1";
    Result result;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return result;
    std::array<char, 4096> buffer;
    size_t n;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
      result.out.append(buffer.data(), n);
    }
    const int raw = pclose(pipe);
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return result;
  }

  // An option set that names the tree and the destination folder.
  void UseTree() {
    ASSERT_EQ(Vellix("options set strGedcomFile '" + gedcom_ + "'").status, 0);
    ASSERT_EQ(Vellix("options set strDestFolder '" + work_.File("site") + "'").status, 0);
  }

  std::string OptionSet() { return ReadFile(home_.File("Options.dat")); }

  TempDir home_;
  TempDir work_;
  std::string gedcom_;
};

TEST_F(AttributesCliTest, ExportClearAllImportGivesTheSameList) {
  UseTree();
  work_.Write("site/jan.htm", "<p>Jan</p>");
  // No image folder is set: the image is kept by its path below the site.
  ASSERT_EQ(Vellix("attributes set I1 --link site/jan.htm --image site/images/jan.jpg "
                   "--caption 'Jan, \"Janek\"' --text grandfather")
                .status,
            0);
  ASSERT_EQ(Vellix("attributes set F1 --families --caption 'Wedding, 1950'").status, 0);
  const Result before = Vellix("attributes list");
  EXPECT_EQ(before.out,
            "Configure Individuals in tree.ged\n"
            "Attributes are defined for 1 entry\n"
            "I1\tKowalski, Jan\tjan.htm\tgrandfather\timages\\jan.jpg\tJan, \"Janek\"\n");

  ASSERT_EQ(Vellix("attributes export out.csv").status, 0);
  EXPECT_EQ(
      ReadFile(work_.File("out.csv")),
      "# VELLIX Custom Attributes\r\n"
      "# Embed quotation marks (\") by using double quotation marks (\"\").\r\n"
      "# Example: \"John \"\"Jack\"\" Doe\"\r\n"
      "# Section::Individuals\r\n"
      "# Reference,Biography,Relationship,Image,Caption\r\n"
      "\"I1\",\"jan.htm\",\"grandfather\",\"images\\jan.jpg\",\"Jan, \"\"Janek\"\"\"\r\n"
      "# Section::Families\r\n"
      "# Reference,Narrative,Import,Image,Caption\r\n"
      "\"F1\",,,,\"Wedding, 1950\"\r\n");
  ASSERT_EQ(Vellix("attributes clear --all --yes").status, 0);
  ASSERT_EQ(Vellix("attributes clear --all --yes --families").status, 0);
  EXPECT_EQ(Vellix("attributes list").out,
            "Configure Individuals in tree.ged\nAttributes are defined for 0 entries\n");

  const Result imported = Vellix("attributes import out.csv");
  EXPECT_EQ(imported.status, 0) << imported.out;
  EXPECT_EQ(Vellix("attributes list").out, before.out);
  EXPECT_NE(Vellix("attributes list -f")
                .out.find("F1\tKowalski, Jan & Nowak, Zofia\t\t\t\t"
                          "Wedding, 1950\n"),
            std::string::npos);
}

TEST_F(AttributesCliTest, ChangesAreSavedAfterTheBackupIsTaken) {
  UseTree();
  const std::string before = OptionSet();
  ASSERT_EQ(Vellix("attributes set I2 --text mother").status, 0);
  EXPECT_EQ(ReadFile(home_.File("Options.old")), before);
  EXPECT_NE(OptionSet(), before);
  const Result show = Vellix("attributes show I2");
  EXPECT_EQ(show.status, 0);
  EXPECT_EQ(show.out,
            "Reference:     I2\nName:          Nowak, Zofia\nBiography:     \n"
            "Relationship:  mother\nImage:         \nCaption:       \n");
}

TEST_F(AttributesCliTest, RefusalsChangeNothingAndSayWhy) {
  UseTree();
  ASSERT_EQ(Vellix("attributes set I1 --caption Jan").status, 0);
  const std::string saved = OptionSet();
  work_.Write(
      "open.csv",
      "# VELLIX Custom Attributes\r\n# Section::Individuals\r\n\"I1\",\"x.htm\r\n");
  work_.Write("plain.csv", "\"I1\",\"x.htm\",,,\r\n");

  const struct {
    std::string args;
    int status;
    std::string says;
  } cases[] = {
      {"attributes import open.csv", 1,
       "The import file is damaged: a quotation mark is not closed (line 3)."},
      {"attributes import plain.csv", 1,
       "The import file is not a VELLIX custom attributes file."},
      {"attributes import missing.csv", 1, "This file does not exist."},
      {"attributes set I99 --caption x", 2,
       "vellix: error: I99 is not an individual of tree.ged (for a family, add "
       "--families)\nTry 'vellix help attributes'.\n"},
      {"attributes set I1 --image nowhere.jpg", 2, "nowhere.jpg: no such file"},
      {"attributes set I1", 2, "set needs at least one of"},
      {"attributes show I3", 1, "I3 has no custom attributes"},
      {"attributes purge", 0, "there is nothing to purge"},
      {"attributes clear --all", 0, "Do you want to reset all entries?\n  -> No"},
      {"attributes", 2, "name a command"},
      {"attributes frobnicate", 2, "vellix: error: unknown command 'frobnicate'\n"},
      {"attributes show", 2, "vellix: error: usage: vellix attributes show REF\n"},
      {"attributes clear", 2, "usage: vellix attributes clear REF... | clear --all"},
      {"attributes clear I1 --all", 2, "usage: vellix attributes clear"},
      {"attributes list --all", 2, "--all goes with clear"},
      {"attributes show I1 --caption x", 2, "--caption go with set"},
      {"attributes list --bogus", 2, "unknown option '--bogus'"},
      {"attributes purge --gedcom missing.ged", 1,
       "This GEDCOM file does not exist or is not accessible."},
  };
  for (const auto& c : cases) {
    const Result result = Vellix(c.args);
    EXPECT_EQ(result.status, c.status) << c.args << "\n" << result.out;
    EXPECT_NE(result.out.find(c.says), std::string::npos) << c.args << "\n" << result.out;
    EXPECT_EQ(OptionSet(), saved) << c.args;
  }
  const Result help = Vellix("attributes --help");
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.rfind("Usage: vellix attributes COMMAND", 0), 0u);
  EXPECT_EQ(Vellix("help attributes").out, help.out);
}

TEST_F(AttributesCliTest, PurgeRemovesWhatTheGedcomFileDoesNotHold) {
  UseTree();
  work_.Write(
      "extra.csv",
      "# VELLIX Custom Attributes\r\n# Section::Individuals\r\n\"I1\",\"a.htm\"\r\n"
      "\"I77\",\"gone.htm\"\r\n\"I78\",\"gone.htm\"\r\n");
  ASSERT_EQ(Vellix("attributes import extra.csv").status, 0);
  const Result no = Vellix("attributes purge --no");
  EXPECT_EQ(no.status, 0);
  EXPECT_NE(no.out.find("for the 2 entries\n  not in the current GEDCOM file.\n"
                        "  Do you want to purge these extra entries?\n"
                        "  (Answer No if you are unsure.)\n  -> No\n"),
            std::string::npos)
      << no.out;
  EXPECT_NE(
      Vellix("attributes list").out.find("including 2 entries not in this GEDCOM file"),
      std::string::npos);
  ASSERT_EQ(Vellix("attributes purge --yes").status, 0);
  EXPECT_EQ(Vellix("attributes list").out,
            "Configure Individuals in tree.ged\nAttributes are defined for 1 entry\n"
            "I1\tKowalski, Jan\ta.htm\t\t\t\n");
}

TEST_F(AttributesCliTest, ListComparesWithTheFileNamedAndKeepsEachEntryOnOneLine) {
  UseTree();
  ASSERT_EQ(
      Vellix("attributes set I1 --text \"$(printf 'line one\\nline\\ttwo')\"").status, 0);
  work_.Write("other.ged",
              "0 HEAD\n1 GEDC\n2 VERS 5.5\n1 CHAR ASCII\n"
              "0 @I7@ INDI\n1 NAME Eve /Adams/\n0 TRLR\n");
  EXPECT_EQ(Vellix("attributes list --gedcom other.ged").out,
            "Configure Individuals in other.ged\n"
            "Attributes are defined for 1 entry\n"
            "including 1 entry not in this GEDCOM file\n"
            "I1\t(not in this GEDCOM file)\t\tline one\\nline\\ttwo\t\t\n");
  // Without a GEDCOM file to compare with, the entries are listed alone.
  ASSERT_EQ(Vellix("options set strGedcomFile ''").status, 0);
  EXPECT_EQ(Vellix("attributes list").out,
            "Attributes are defined for 1 entry\n"
            "I1\t\t\tline one\\nline\\ttwo\t\t\n");
}

TEST_F(AttributesCliTest, AnExportNeverOverwritesAnotherFileUnasked) {
  UseTree();
  work_.Write("notes.csv", "my own notes");
  const Result declined = Vellix("attributes export notes.csv");
  EXPECT_EQ(declined.status, 0);
  EXPECT_NE(declined.out.find("The export file already exists!"), std::string::npos);
  EXPECT_EQ(ReadFile(work_.File("notes.csv")), "my own notes");
  EXPECT_EQ(Vellix("attributes export notes.csv --yes").status, 0);
  EXPECT_EQ(ReadFile(work_.File("notes.csv")).rfind("# VELLIX Custom Attributes\r\n", 0),
            0u);
  EXPECT_EQ(Vellix("attributes export nofolder/x.csv").status, 1);
}

TEST_F(AttributesCliTest, OptionsSummaryWritesThePageAndPrintsItsPath) {
  UseTree();
  ASSERT_EQ(Vellix("attributes set I1 --caption 'Jan <b>'").status, 0);
  const Result summary = Vellix("options summary");
  EXPECT_EQ(summary.status, 0) << summary.out;
  EXPECT_EQ(summary.out, home_.File("os-Options.html") + "\n");
  const std::string page = ReadFile(home_.File("os-Options.html"));
  EXPECT_NE(page.find("<title>VELLIX Options Set Summary</title>"), std::string::npos);
  EXPECT_NE(page.find("<tr><td>I1</td><td><tt>&nbsp;</tt></td><td><tt>&nbsp;</tt></td>"
                      "<td><tt>&nbsp;</tt></td></tr>"),
            std::string::npos);
  EXPECT_NE(
      page.find("<tr><td>GEDCOM Input File</td><td><tt>" + gedcom_ + "</tt></td></tr>"),
      std::string::npos);
  // Written again without a question, since it is the program's own page.
  EXPECT_EQ(Vellix("options summary --print").out, summary.out);
}

TEST_F(AttributesCliTest, InfoShowsTheCensusAsTextAndJsonAndWritesNothing) {
  ASSERT_EQ(Vellix("options set strFamilyRefTag FamNo").status, 0);
  const Result info = Vellix("info tree.ged");
  EXPECT_EQ(info.status, 0) << info.out;
  EXPECT_NE(
      info.out.find("Families:    2\nIndividuals: 3\n"
                    "Family Record Reference Numbers\n"
                    "  User Reference Numbers (REFN):  In SOME records and values are "
                    "UNIQUE\n"
                    "  Record ID Numbers (RIN):        In ALL records but values are NOT "
                    "unique\n"
                    "  Custom tag: FamNo               In SOME records and values are "
                    "UNIQUE\n"),
      std::string::npos)
      << info.out;

  const Result json = Vellix("info --json tree.ged");
  EXPECT_EQ(json.status, 0);
  EXPECT_NE(json.out.find("\"families\":2,\"individuals\":3,\"familyReferenceNumbers\":{"
                          "\"refn\":{\"families\":2,\"inRecords\":1,\"inAll\":false,"
                          "\"inSome\":true,\"unique\":true,"
                          "\"text\":\"In SOME records and values are UNIQUE\"}"),
            std::string::npos)
      << json.out;
  EXPECT_EQ(json.out.rfind("{\"file\":\"tree.ged\",\"header\":{\"sourceId\":\"TEST\"", 0),
            0u);
  EXPECT_EQ(json.out.back(), '\n');

  // The last run's warnings and logs stay as they were, even for a file
  // that is no GEDCOM file at all.
  home_.Write("warnings.txt", "0,Web page generation was CANCELED.\n");
  work_.Write("letter.txt", "Dear cousin,\nhere is the family tree.\n");
  const Result letter = Vellix("info letter.txt");
  EXPECT_EQ(letter.status, 1) << letter.out;
  EXPECT_EQ(ReadFile(home_.File("warnings.txt")),
            "0,Web page generation was CANCELED.\n");
  EXPECT_EQ(Vellix("info").status, 2);
  EXPECT_EQ(Vellix("info missing.ged").status, 2);
}

}  // namespace
}  // namespace vellix
