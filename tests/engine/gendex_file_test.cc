#include "engine/gendex_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gedcom/gedcom_reader.h"
#include "gedcom/record_store.h"
#include "model/dialects.h"
#include "model/individuals.h"
#include "model/privacy.h"
#include "model/selection.h"
#include "options/options.h"
#include "platform/file_system.h"
#include "run/warning_log.h"
#include "testing/test_environment.h"
#include "testing/test_support.h"

namespace vellix {
namespace {

GendexEntry Entry(std::string page, std::string surname, std::string given,
                  std::string suffix = {}) {
  GendexEntry e;
  e.pageFile = std::move(page);
  e.surname = std::move(surname);
  e.given = std::move(given);
  e.suffix = std::move(suffix);
  return e;
}

// The GENDEX writer on a temporary destination folder.
class GendexFileTest : public ::testing::Test {
 protected:
  ~GendexFileTest() override { test_env_.env.warnings().Reset(); }

  std::string Dest() const { return platform::StoredPath(dir_.path()); }

  std::vector<std::string> WarningLines() {
    std::vector<std::string> out;
    bool heading = false;
    std::string text;
    while (test_env_.env.warnings().ReadNext(&heading, &text) && out.size() < 100) {
      if (!heading) out.push_back(text);
    }
    return out;
  }

  testing::TestEnvironment test_env_;
  testing::TempDir dir_;
  RunStatistics statistics_;
};

TEST_F(GendexFileTest, LineLayout) {
  GendexEntry full = Entry("grpf1.html", "van Dyke", "John Paul", "Jr.");
  full.birthDate = "ABT 1801";
  full.birthPlace = "Leiden";
  full.deathDate = "1870";
  full.deathPlace = "Delft";
  EXPECT_EQ(
      GendexFile::FormatLine(full),
      "grpf1.html|van Dyke|John Paul /van Dyke/ Jr.|ABT 1801|Leiden|1870|Delft|\r\n");
  // No given name: the full name starts with the slash.
  EXPECT_EQ(GendexFile::FormatLine(Entry("grpol1.html", "Smith", "")),
            "grpol1.html|Smith|/Smith/|||||\r\n");
  EXPECT_EQ(GendexFile::FormatLine(Entry("p.html", "", "Mary")),
            "p.html||Mary //|||||\r\n");
  // Never quoted or escaped.
  GendexEntry odd = Entry("p.html", "O'Hara & \"Sons\"", "<b>");
  odd.birthPlace = "Nice | Var";
  EXPECT_EQ(GendexFile::FormatLine(odd),
            "p.html|O'Hara & \"Sons\"|<b> /O'Hara & \"Sons\"/||Nice | Var|||\r\n");
}

TEST_F(GendexFileTest, WritesWindows1252WithCrLfAndCountsTheFile) {
  // An older file is replaced.
  dir_.Write("GENDEX.txt", "old content that is longer than the new one\r\n");
  GendexFile file(test_env_.env, Dest(), statistics_);
  ASSERT_TRUE(file.Open());
  file.Write(Entry("a.html", "Brontë", "Zoë Émile"));
  file.Write(Entry("b.html", "Wałęsa", "Łukasz"));
  file.Close();

  const std::string expected =
      "a.html|Bront\xEB|Zo\xEB \xC9mile /Bront\xEB/|||||\r\n"
      "b.html|Wa??sa|?ukasz /Wa??sa/|||||\r\n";
  EXPECT_EQ(testing::ReadFile(dir_.File("GENDEX.txt")), expected);
  const auto other = static_cast<size_t>(FileGroup::kOther);
  EXPECT_EQ(statistics_.filesWritten[other], 1u);
  EXPECT_EQ(statistics_.bytesWritten[other], expected.size());
  EXPECT_EQ(file.bytes(), expected.size());
  EXPECT_EQ(test_env_.env.warnings().GetTotal(), 0);

  // A second run replaces the file and counts it again.
  ASSERT_TRUE(file.Open());
  file.Close();
  EXPECT_EQ(testing::ReadFile(dir_.File("GENDEX.txt")), "");
  EXPECT_EQ(statistics_.filesWritten[other], 2u);
}

TEST_F(GendexFileTest, UnwritableFileRaisesWarningFiveAndWritesNothing) {
  GendexFile file(test_env_.env, Dest() + "missing\\folder", statistics_);
  EXPECT_FALSE(file.Open());
  file.Write(Entry("a.html", "Lee", "Ann"));
  file.Close();
  EXPECT_FALSE(platform::FileExists(dir_.File("missing/folder/GENDEX.txt")));
  EXPECT_EQ(statistics_.filesWritten[static_cast<size_t>(FileGroup::kOther)], 0u);
  EXPECT_EQ(WarningLines(), (std::vector<std::string>{"'GENDEX.txt' ()."}));
}

// The individuals pass writing through the real writer.
TEST_F(GendexFileTest, IndividualsPassWritesOneLinePerIndexedIndividual) {
  platform::NullProgress progress;
  RecordStore store;
  GedcomReader reader(store, test_env_.env);
  COptions options;
  options.m_strDestFolder = Dest();
  options.m_bUpperSurnames = true;
  options.m_nNameFilter = 1;
  options.m_bFilterDates = true;
  std::string gedcom =
      "0 HEAD\r\n1 SOUR TEST\r\n1 GEDC\r\n2 VERS 5.5\r\n2 FORM LINEAGE-LINKED\r\n"
      "1 CHAR UTF-8\r\n"
      "0 @F1@ FAM\r\n1 HUSB @I1@\r\n1 WIFE @I2@\r\n1 CHIL @I3@\r\n"
      "0 @I1@ INDI\r\n1 NAME José /Núñez/\r\n1 BIRT\r\n2 DATE 1 JAN 1850\r\n2 PLAC "
      "Cádiz\r\n"
      "1 DEAT\r\n2 DATE 1920\r\n1 FAMS @F1@\r\n"
      "0 @I2@ INDI\r\n1 NAME Ærin /Øster/\r\n1 CHR\r\n2 DATE 1855\r\n2 PLAC Århus\r\n"
      "1 BURI\r\n2 PLAC Ribe\r\n1 FAMS @F1@\r\n"
      "0 @I3@ INDI\r\n1 NAME John Paul /Núñez/\r\n1 BIRT\r\n2 DATE 1990\r\n2 PLAC "
      "Vigo\r\n"
      "1 FAMC @F1@\r\n"
      "0 @I4@ INDI\r\n1 NAME Kim\r\n1 DEAT Y\r\n"
      "0 TRLR\r\n";
  std::string path = dir_.Write("in.ged", gedcom);
  ASSERT_TRUE(reader.Open(path));
  ASSERT_TRUE(reader.ReadPass(true, nullptr, nullptr));
  store.ClearMarks();
  DialectTable dialects;
  RunContext ctx{test_env_.env, options,  reader, store, statistics_,
                 progress,      dialects, {},     0};
  PrivacyFilter privacy(options);
  SelectFamilies(ctx, privacy, true);
  IndividualCollector index;
  GendexFile file(test_env_.env, options.m_strDestFolder, statistics_);
  ParseIndividuals(ctx, privacy, index, &file, false);

  EXPECT_EQ(index.summaries().size(), 4u);
  // I2 is living too (no death line): its christening stands in for the
  // birth and is then hidden; the burial stands in for the death.
  EXPECT_EQ(testing::ReadFile(dir_.File("GENDEX.txt")),
            "grpf1.html|N\xDA\xD1"
            "EZ|Jos\xE9 /N\xDA\xD1"
            "EZ/|1 JAN 1850|C\xE1"
            "diz|1920||\r\n"
            "grpf1.html|\xD8STER|\xC6. /\xD8STER/|(Private)|||Ribe|\r\n"
            "grpf1.html|N\xDA\xD1"
            "EZ|J. P. /N\xDA\xD1"
            "EZ/|(Private)||||\r\n"
            "grpoi4.html||Kim //|||Unknown||\r\n");
  EXPECT_EQ(statistics_.filesWritten[static_cast<size_t>(FileGroup::kOther)], 1u);
}

}  // namespace
}  // namespace vellix
