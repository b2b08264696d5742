#include "model/individuals.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gedcom/gedcom_reader.h"
#include "gedcom/record_store.h"
#include "gedcom/tag_table.h"
#include "model/dialects.h"
#include "model/privacy.h"
#include "model/selection.h"
#include "options/options.h"
#include "run/warning_log.h"
#include "testing/test_environment.h"
#include "testing/test_support.h"

namespace vellix {
namespace {

using Texts = std::vector<std::string>;

// A GENDEX writer that keeps what it was given.
class RecordingGendex : public GendexSink {
 public:
  bool Open() override {
    ++opened;
    return opens;
  }
  void Write(const GendexEntry& entry) override { entries.push_back(entry); }
  void Close() override { ++closed; }

  bool opens = true;
  int opened = 0;
  int closed = 0;
  std::vector<GendexEntry> entries;
};

// Progress that records the phase and presses Stop after some steps.
class StoppingProgress : public platform::Progress {
 public:
  void SetPhase(const std::string& text, int64_t low, int64_t high,
                bool scalable) override {
    phase = text + " " + std::to_string(low) + ".." + std::to_string(high) +
            (scalable ? " scaled" : "");
  }
  void Step(int64_t) override {
    if (++steps == stop_after) stopped = true;
  }
  bool IsCancelled() const override { return stopped; }

  std::string phase;
  int steps = 0;
  int stop_after = -1;
  bool stopped = false;
};

std::string Indi(const std::string& key, const std::string& name,
                 const std::string& lines) {
  return "0 @" + key + "@ INDI\r\n1 NAME " + name + "\r\n" + lines;
}

// Individuals written into a GEDCOM file, selected and passed through the
// individuals pass with a run context built here.
class IndividualsTest : public ::testing::Test {
 protected:
  IndividualsTest() : reader_(store_, test_env_.env) {}

  void Load(const std::string& records) {
    std::string text =
        "0 HEAD\r\n1 SOUR TEST\r\n1 GEDC\r\n2 VERS 5.5\r\n2 FORM LINEAGE-LINKED\r\n"
        "1 CHAR UTF-8\r\n" +
        records + "0 TRLR\r\n";
    std::string path = dir_.Write("input" + std::to_string(++files_) + ".ged", text);
    ASSERT_TRUE(reader_.Open(path));
    ASSERT_TRUE(reader_.ReadPass(true, nullptr, nullptr));
    store_.ClearMarks();
  }

  // Selects every family, then runs the pass.
  void Run(bool with_gendex = false, bool select = true) {
    PrivacyFilter privacy(options_);
    if (select) SelectFamilies(ctx_, privacy, true);
    ParseIndividuals(ctx_, privacy, sink_, with_gendex ? &gendex_ : nullptr, false);
  }

  const IndividualSummary& Summary(const std::string& key) {
    for (const IndividualSummary& s : sink_.summaries()) {
      if (s.key == key) return s;
    }
    ADD_FAILURE() << "no summary for " << key;
    return empty_;
  }

  Texts Keys() const {
    Texts keys;
    for (const IndividualSummary& s : sink_.summaries()) keys.push_back(s.key);
    return keys;
  }

  // The GENDEX fields of each entry joined by "|".
  Texts GendexLines() const {
    Texts lines;
    for (const GendexEntry& e : gendex_.entries) {
      lines.push_back(e.pageFile + "|" + e.surname + "|" + e.given + "|" + e.suffix +
                      "|" + e.birthDate + "|" + e.birthPlace + "|" + e.deathDate + "|" +
                      e.deathPlace);
    }
    return lines;
  }

  testing::TestEnvironment test_env_;
  testing::RecordingPrompter& prompter_ = test_env_.prompter;
  testing::TempDir dir_;
  StoppingProgress progress_;
  RecordStore store_;
  GedcomReader reader_;
  COptions options_;
  RunStatistics statistics_;
  DialectTable dialects_;
  RunContext ctx_{test_env_.env, options_,  reader_, store_, statistics_,
                  progress_,     dialects_, {},      0};
  IndividualCollector sink_;
  RecordingGendex gendex_;
  IndividualSummary empty_;
  int files_ = 0;
};

TEST_F(IndividualsTest, TagCodesOfAliasAndBaptismAreTheStandardOnes) {
  // The pass matches these two tags by their fixed codes.
  EXPECT_EQ(TagName(9), "ALIA");
  EXPECT_EQ(TagName(16), "BAPM");
}

TEST_F(IndividualsTest, SummaryGathersNamesEventsAndFamiliesInLineOrder) {
  options_.m_bAliasInName = true;
  Load(
      "0 @F1@ FAM\r\n1 HUSB @I1@\r\n1 CHIL @I2@\r\n"
      "0 @F2@ FAM\r\n1 HUSB @I2@\r\n"
      "0 @F3@ FAM\r\n1 HUSB @I3@\r\n" +  // only a dead-end pointer from I2
      Indi("I1", "John_Paul /van Dyke/ Jr.",
           "1 NAME Second /Name/\r\n1 ALIA Jack /Dyke/\r\n1 ALIA @I2@\r\n"
           "1 BIRT\r\n2 DATE 1800\r\n2 DATE 2 FEB 1801\r\n2 PLAC Leiden\r\n"
           "1 BIRT\r\n2 DATE 1900\r\n1 DEAT Y\r\n2 PLAC Delft\r\n1 FAMS @F1@\r\n") +
      Indi("I2", "Piet /Dyke/",
           "1 DEAT\r\n2 DATE 1870\r\n1 FAMC @F1@\r\n1 FAMS @F9@\r\n1 FAMS @F2@\r\n") +
      Indi("I3", "Ann", "1 DEAT Y\r\n1 FAMS @F3@\r\n"));
  Run();

  EXPECT_EQ(Keys(), (Texts{"I1", "I2", "I3"}));
  EXPECT_TRUE(sink_.aliasInName());
  const IndividualSummary& john = Summary("I1");
  EXPECT_EQ(john.name.given, "John Paul");
  EXPECT_EQ(john.name.surname, "van Dyke");
  EXPECT_EQ(john.name.suffix, "Jr.");
  EXPECT_EQ(john.alias, "Jack /Dyke/") << "a pointer is no alias";
  EXPECT_EQ(john.birthDate, "2 FEB 1801");
  EXPECT_EQ(john.birthPlace, "Leiden");
  EXPECT_EQ(john.deathDate, "Unknown");
  EXPECT_EQ(john.deathPlace, "Delft");
  EXPECT_EQ(john.homePageId, "F1");
  EXPECT_EQ(john.familyPageIds, (Texts{"F1"}));
  EXPECT_FALSE(john.living);

  // Child of F1 and spouse in F2 (F9 does not exist): the spouse page wins.
  const IndividualSummary& piet = Summary("I2");
  EXPECT_EQ(piet.homePageId, "F2");
  EXPECT_EQ(piet.familyPageIds, (Texts{"F1", "F2"}));
  EXPECT_EQ(Summary("I3").homePageId, "F3");
}

TEST_F(IndividualsTest, HomePageFallsBackToParentsThenToTheLonerPage) {
  options_.m_bExcludeLiving = true;
  // F2's only member is living, so F2 has no page.
  Load("0 @F1@ FAM\r\n1 CHIL @C1@\r\n0 @F2@ FAM\r\n1 WIFE @W2@\r\n" +
       Indi("C1", "Cas /Berg/", "1 DEAT Y\r\n1 FAMC @F1@\r\n1 FAMS @F2@\r\n") +
       Indi("W2", "Wil /Berg/", "1 FAMS @F2@\r\n") +
       Indi("L1", "Lone /Wolf/", "1 DEAT Y\r\n"));
  Run();
  EXPECT_EQ(Keys(), (Texts{"C1", "L1"})) << "a living individual is left out";
  EXPECT_EQ(Summary("C1").homePageId, "F1");
  EXPECT_EQ(Summary("C1").familyPageIds, (Texts{"F1"}));
  EXPECT_EQ(Summary("L1").homePageId, "oL1");
  EXPECT_EQ(Summary("L1").familyPageIds, (Texts{"oL1"}));
}

TEST_F(IndividualsTest, ChristeningAndBurialStandInOnlyWhileGendexIsWritten) {
  const std::string records =
      Indi("A", "Al /Ames/",
           "1 CHR\r\n2 DATE 5 MAY 1820\r\n2 PLAC Ghent\r\n1 BAPM\r\n2 DATE 1821\r\n"
           "1 BURI\r\n2 PLAC Bruges\r\n1 DEAT\r\n") +
      Indi("B", "Bo /Ames/",
           "1 BAPM\r\n2 DATE 1830\r\n1 BIRT\r\n2 DATE 1829\r\n2 PLAC Ypres\r\n"
           "1 DEAT\r\n2 DATE 1890\r\n1 BURI\r\n2 DATE 1891\r\n") +
      Indi("C", "Cy /Ames/", "1 BAPM\r\n1 CHR\r\n2 DATE 1840\r\n1 BURI Y\r\n");
  Load(records);
  Run(false);
  for (const char* key : {"A", "C"}) {
    EXPECT_EQ(Summary(key).birthDate, "") << "no GENDEX: " << key;
    EXPECT_EQ(Summary(key).birthPlace, "") << key;
  }
  EXPECT_EQ(Summary("C").deathDate, "");
  EXPECT_EQ(gendex_.opened, 0);

  sink_ = IndividualCollector();
  Run(true, false);
  // A: the christening fills the birth, the baptism finds it filled; the
  // burial fills the death and the later DEAT without date or place
  // replaces it.
  EXPECT_EQ(Summary("A").birthDate, "5 MAY 1820");
  EXPECT_EQ(Summary("A").birthPlace, "Ghent");
  EXPECT_EQ(Summary("A").deathPlace, "");
  EXPECT_EQ(Summary("B").birthDate, "1829") << "BIRT replaces, christening never does";
  EXPECT_EQ(Summary("B").birthPlace, "Ypres");
  EXPECT_EQ(Summary("B").deathDate, "1890");
  // C: an empty baptism leaves room for the christening; burial "Y".
  EXPECT_EQ(Summary("C").birthDate, "1840");
  EXPECT_EQ(Summary("C").deathDate, "Unknown");
  EXPECT_EQ(gendex_.opened, 1);
  EXPECT_EQ(gendex_.closed, 1);
  EXPECT_EQ(GendexLines(), (Texts{"grpoa.html|Ames|Al||5 MAY 1820|Ghent||",
                                  "grpob.html|Ames|Bo||1829|Ypres|1890|",
                                  "grpoc.html|Ames|Cy||1840||Unknown|"}));
}

TEST_F(IndividualsTest, GendexOfALivingIndividualShowsInitialsAndThePrivateDate) {
  options_.m_nNameFilter = 1;
  options_.m_bFilterDates = true;
  options_.m_strFileExt = "htm";
  Load("0 @F-1@ FAM\r\n1 HUSB @I1@\r\n1 WIFE @I2@\r\n" +
       Indi("I1", "John Paul /Smith/ Sr",
            "1 BIRT\r\n2 DATE 1970\r\n2 PLAC Paris\r\n1 FAMS @F-1@\r\n") +
       Indi("I2", "/Smith/",
            "1 BIRT\r\n2 DATE       1940\r\n2 PLAC Lyon \r\n1 DEAT\r\n2 DATE 2001\r\n"
            "2 PLAC Nice | Var\r\n1 FAMS @F-1@\r\n"));
  Run(true);
  EXPECT_TRUE(Summary("I1").living);
  EXPECT_EQ(Summary("I1").name.given, "John Paul") << "the summary keeps the real name";
  EXPECT_EQ(Summary("I1").birthDate, "1970");
  EXPECT_EQ(GendexLines(), (Texts{"grpf1.htm|Smith|J. P.|Sr|(Private)|||",
                                  "grpf1.htm|Smith|||1940|Lyon|2001|Nice | Var"}));
}

TEST_F(IndividualsTest, ExcludedLivingIndividualsGetNoEntryAndNoGendexLine) {
  options_.m_bExcludeLiving = true;
  Load("0 @F1@ FAM\r\n1 HUSB @I1@\r\n1 WIFE @I2@\r\n" +
       Indi("I1", "Ann /Lee/", "1 BIRT\r\n2 DATE 1980\r\n1 FAMS @F1@\r\n") +
       Indi("I2", "Bob /Lee/", "1 DEAT Y\r\n1 FAMS @F1@\r\n"));
  Run(true);
  EXPECT_EQ(Keys(), (Texts{"I2"}));
  ASSERT_EQ(gendex_.entries.size(), 1u);
  EXPECT_EQ(gendex_.entries[0].given, "Bob");

  // Were one handed over anyway, nothing but ">>>" would show.
  IndividualSummary ann;
  ann.living = true;
  ann.name.given = "Ann";
  ann.name.surname = "Lee";
  ann.birthDate = "1980";
  ann.birthPlace = "Oslo";
  ann.deathPlace = "Bergen";
  PrivacyFilter privacy(options_);
  GendexEntry entry = MakeGendexEntry(ann, privacy, "grpf1.html");
  EXPECT_EQ(entry.given, ">>>");
  EXPECT_EQ(entry.birthDate + entry.birthPlace + entry.deathDate + entry.deathPlace, "");
}

TEST_F(IndividualsTest, CustomFeaturesFromFactTagsOrStoredConfiguration) {
  const std::string records =
      Indi("I1", "Ann /Lee/",
           "1 DEAT Y\r\n1 EVEN niece\r\n2 TYPE *Relation\r\n1 EVEN ann.htm\r\n2 TYPE "
           "*Biography\r\n"
           "1 EVEN ann.jpg\r\n2 TYPE *image\r\n1 EVEN second\r\n2 TYPE *Relation\r\n");
  options_.m_bUseFactTags = true;
  options_.m_bRelationship = true;
  options_.m_bBiography = true;
  options_.m_bIndivImages = true;
  Load(records);
  Run();
  EXPECT_EQ(Summary("I1").relationship, "niece");
  EXPECT_EQ(Summary("I1").biographyLink, "ann.htm");
  EXPECT_EQ(Summary("I1").image, "") << "fact types compare exactly";

  // Switched-off features stay empty.
  options_.m_bBiography = false;
  sink_ = IndividualCollector();
  Run(false, false);
  EXPECT_EQ(Summary("I1").biographyLink, "");

  // Stored configuration: the facts are ignored, the entry keyed by the key counts.
  options_.m_bUseFactTags = false;
  options_.m_bBiography = true;
  CAttributes* stored = options_.m_indivAttributes.Add("I1");
  stored->m_strLink = "bio\\ann.htm";
  stored->m_strText = "aunt";
  stored->m_strImage = "ann.png";
  stored->m_strCaption = "Ann in 1950";
  sink_ = IndividualCollector();
  Run(false, false);
  const IndividualSummary& ann = Summary("I1");
  EXPECT_EQ(ann.relationship, "aunt");
  EXPECT_EQ(ann.biographyLink, "bio\\ann.htm");
  EXPECT_EQ(ann.image, "ann.png");
  EXPECT_EQ(ann.imageCaption, "Ann in 1950");
}

TEST_F(IndividualsTest, ListModeHandsOverEveryoneWithoutGendex) {
  options_.m_bExcludeLiving = true;
  Load("0 @F1@ FAM\r\n1 HUSB @I1@\r\n" + Indi("I1", "Ann /Lee/", "1 FAMS @F1@\r\n") +
       Indi("I2", "Bob /Lee/", ""));
  PageIdSet ids;
  FamilyPageId(*store_.Find(RecordKind::kFamily, "F1"), nullptr, options_, ids,
               test_env_.env.warnings());
  PrivacyFilter privacy(options_);
  ParseIndividuals(ctx_, privacy, sink_, &gendex_, true);
  EXPECT_EQ(Keys(), (Texts{"I1", "I2"}));
  EXPECT_FALSE(Summary("I1").living);
  EXPECT_EQ(Summary("I1").homePageId, "F1");
  EXPECT_EQ(Summary("I2").homePageId, "oI2");
  EXPECT_EQ(gendex_.opened, 0);
}

TEST_F(IndividualsTest, UnopenedGendexLeavesTheIndexAlone) {
  gendex_.opens = false;
  Load(Indi("I1", "Ann /Lee/", "1 DEAT Y\r\n1 CHR\r\n2 DATE 1900\r\n"));
  Run(true);
  EXPECT_EQ(gendex_.opened, 1);
  EXPECT_EQ(gendex_.closed, 0);
  EXPECT_TRUE(gendex_.entries.empty());
  EXPECT_EQ(Summary("I1").birthDate, "") << "no fall-back without a GENDEX file";
}

TEST_F(IndividualsTest, ProgressPhaseAndStop) {
  std::string records;
  for (int i = 1; i <= 4; ++i) {
    records +=
        Indi("I" + std::to_string(i), "N" + std::to_string(i) + " /X/", "1 DEAT Y\r\n");
  }
  Load(records);
  PrivacyFilter privacy(options_);
  SelectFamilies(ctx_, privacy, true);
  progress_.steps = 0;
  progress_.stop_after = 2;
  ParseIndividuals(ctx_, privacy, sink_, &gendex_, false);
  EXPECT_EQ(progress_.phase, "Parsing 4 individuals... 0..4 scaled");
  EXPECT_EQ(Keys(), (Texts{"I1", "I2"}));
  EXPECT_EQ(gendex_.closed, 1) << "a stopped pass still closes its file";
  GedcomRecord* first = store_.Next(RecordKind::kIndividual);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->key, "I1") << "the store's walk was reset";
  store_.ResetWalk();
}

}  // namespace
}  // namespace vellix
