#include "model/selection.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "gedcom/gedcom_reader.h"
#include "gedcom/record_store.h"
#include "model/dialects.h"
#include "model/privacy.h"
#include "options/options.h"
#include "options/options_bridge.h"
#include "platform/file_system.h"
#include "run/warning_log.h"
#include "testing/test_environment.h"
#include "testing/test_support.h"
#include "text/paths.h"

namespace vellix {
namespace {

// Progress that records phases and steps and presses Stop after a number
// of steps.
class ScriptedProgress : public platform::Progress {
 public:
  void SetPhase(const std::string& text, int64_t low, int64_t high,
                bool scalable) override {
    phases.push_back(text + " " + std::to_string(low) + ".." + std::to_string(high) +
                     (scalable ? " scaled" : ""));
  }
  void Step(int64_t position) override {
    steps.push_back(position);
    if (cancel_after > 0 && static_cast<int>(steps.size()) >= cancel_after)
      cancelled = true;
  }
  bool IsCancelled() const override { return cancelled; }

  std::vector<std::string> phases;
  std::vector<int64_t> steps;
  int cancel_after = 0;
  bool cancelled = false;
};

std::string Indi(const std::string& key, const std::string& lines = "1 DEAT Y\r\n") {
  return "0 @" + key + "@ INDI\r\n1 NAME " + key + " /Test/\r\n" + lines;
}

std::string Fam(const std::string& key, const std::string& lines) {
  return "0 @" + key + "@ FAM\r\n" + lines;
}

// Families and individuals written into a GEDCOM file, read through the
// reader and selected with a run context built here.
class SelectionTest : public ::testing::Test {
 protected:
  SelectionTest() : reader_(store_, test_env_.env) {}

  void Load(const std::string& records) {
    std::string text =
        "0 HEAD\r\n1 SOUR TEST\r\n1 GEDC\r\n2 VERS 5.5\r\n2 FORM LINEAGE-LINKED\r\n"
        "1 CHAR ASCII\r\n" +
        records + "0 TRLR\r\n";
    std::string path = dir_.Write("input" + std::to_string(++files_) + ".ged", text);
    ASSERT_TRUE(reader_.Open(path));
    ASSERT_TRUE(reader_.ReadPass(true, nullptr, nullptr));
    store_.ClearMarks();
  }

  void Select(bool all) {
    PrivacyFilter privacy(options_);
    SelectFamilies(ctx_, privacy, all);
  }

  GedcomRecord& Family(const std::string& key) {
    GedcomRecord* r = store_.Find(RecordKind::kFamily, key);
    EXPECT_NE(r, nullptr) << key;
    return r != nullptr ? *r : empty_;
  }
  GedcomRecord& Person(const std::string& key) {
    GedcomRecord* r = store_.Find(RecordKind::kIndividual, key);
    EXPECT_NE(r, nullptr) << key;
    return r != nullptr ? *r : empty_;
  }
  bool Selected(const GedcomRecord& r) const { return (r.flags & kMarkSelected) != 0; }
  bool Tested(const GedcomRecord& r) const { return (r.flags & kMarkLivingTested) != 0; }

  // The warning lines of the log, headings left out.
  std::vector<std::string> WarningLines() {
    std::vector<std::string> out;
    bool heading = false;
    std::string text;
    while (test_env_.env.warnings().ReadNext(&heading, &text) && out.size() < 100) {
      if (!heading) out.push_back(text);
    }
    return out;
  }

  // Keys of the selected entries of `kind`, in key order.
  std::vector<std::string> SelectedKeys(RecordKind kind) {
    std::vector<std::string> keys;
    store_.ResetWalk();
    while (GedcomRecord* r = store_.Next(kind)) {
      if (Selected(*r)) keys.push_back(r->key);
    }
    return keys;
  }

  testing::TestEnvironment test_env_;
  testing::RecordingPrompter& prompter_ = test_env_.prompter;
  testing::TempDir dir_;
  ScriptedProgress progress_;
  RecordStore store_;
  GedcomReader reader_;
  COptions options_;
  RunStatistics statistics_;
  DialectTable dialects_;
  RunContext ctx_{test_env_.env, options_,  reader_, store_, statistics_,
                  progress_,     dialects_, {},      0};
  GedcomRecord empty_;
  int files_ = 0;
};

using Keys = std::vector<std::string>;

TEST_F(SelectionTest, SampleWithThreeFamiliesTakesTheFirstIncludedLoners) {
  options_.m_bExcludeLiving = true;
  std::string records;
  for (int f = 1; f <= 3; ++f) {
    std::string fk = "F" + std::to_string(f);
    records += Fam(fk, "1 HUSB @H" + std::to_string(f) + "@\r\n");
    records += Indi("H" + std::to_string(f));
  }
  // L01 is living and left out; L02 and L03 fill the sample.
  records += Indi("L01", "");
  for (int i = 2; i <= 10; ++i)
    records += Indi((i < 10 ? "L0" : "L") + std::to_string(i));
  Load(records);
  Select(false);

  EXPECT_EQ(statistics_.familiesSelected, 5);
  EXPECT_EQ(SelectedKeys(RecordKind::kFamily), (Keys{"F1", "F2", "F3"}));
  EXPECT_EQ(SelectedKeys(RecordKind::kIndividual),
            (Keys{"H1", "H2", "H3", "L02", "L03"}));
  EXPECT_TRUE(Tested(Person("L01")));
  EXPECT_FALSE(Tested(Person("L04"))) << "the walk ends once five pages are chosen";
  EXPECT_EQ(Person("L02").pageId, "oL02");
  EXPECT_EQ(progress_.phases, (Keys{"Parsing 5 families... 0..5 scaled"}));
}

TEST_F(SelectionTest, SampleWithManyFamiliesSkipsUnselectedAndLoners) {
  options_.m_bExcludeLiving = true;
  std::string records;
  for (int f = 1; f <= 7; ++f) {
    std::string n = std::to_string(f);
    // F2's only member is living: no page for it.
    records += Fam("F" + n, "1 WIFE @W" + n + "@\r\n");
    records += Indi("W" + n, f == 2 ? "" : "1 DEAT Y\r\n");
  }
  records += Indi("L1");
  Load(records);
  Select(false);

  EXPECT_EQ(statistics_.familiesSelected, 5);
  EXPECT_EQ(SelectedKeys(RecordKind::kFamily), (Keys{"F1", "F3", "F4", "F5", "F6"}));
  EXPECT_TRUE(Family("F7").pageId.empty()) << "F7 is never looked at";
  EXPECT_FALSE(Tested(Person("W7")));
  EXPECT_FALSE(Tested(Person("L1")));
  EXPECT_TRUE(Person("W2").flags & kMarkLiving);
  EXPECT_FALSE(Selected(Person("W2")));
  EXPECT_EQ(progress_.steps, (std::vector<int64_t>{1, 2, 3, 4, 5}));
}

TEST_F(SelectionTest, FullRunLooksAtEveryLonerEvenWhenEveryFamilyIsSelected) {
  options_.m_bExcludeLiving = true;
  std::string records;
  for (int f = 0; f < 10; ++f) {
    std::string n = std::to_string(f);
    records += Fam("F" + n, "1 HUSB @H" + n + "@\r\n1 CHIL @C" + n + "@\r\n");
    bool living = f == 3 || f == 7;  // two families of living people only
    records += Indi("H" + n, living ? "" : "1 DEAT Y\r\n");
    records += Indi("C" + n, living ? "" : "1 DEAT Y\r\n");
  }
  for (int i = 1; i <= 6; ++i) records += Indi("L" + std::to_string(i));
  Load(records);
  Select(true);

  EXPECT_EQ(statistics_.familiesSelected, 8 + 6);
  for (int i = 1; i <= 6; ++i) {
    const GedcomRecord& loner = Person("L" + std::to_string(i));
    EXPECT_TRUE(Selected(loner)) << loner.key;
    EXPECT_EQ(loner.pageId, "o" + loner.key);
    EXPECT_FALSE(loner.flags & kMarkInFamily);
  }
  EXPECT_FALSE(Selected(Family("F3")));
  EXPECT_EQ(Family("F3").pageId, "F3")
      << "an unselected family still gets its identifier";
  EXPECT_TRUE(Person("C3").flags & kMarkInFamily);
  EXPECT_TRUE(Person("C3").pageId.empty());

  // Every family selected: the loners still come after them.
  Load(Fam("F1", "1 HUSB @H1@\r\n") + Indi("H1") + Indi("L1") + Indi("L2"));
  Select(true);
  EXPECT_EQ(statistics_.familiesSelected, 3);
  EXPECT_EQ(SelectedKeys(RecordKind::kIndividual), (Keys{"H1", "L1", "L2"}));
}

TEST_F(SelectionTest, MembersAreMarkedAndMissingOrForeignPointersIgnored) {
  Load(Fam("F1",
           "1 HUSB @H1@\r\n1 WIFE @W1@\r\n1 CHIL @C1@\r\n1 CHIL @NOBODY@\r\n"
           "1 NOTE @H2@\r\n1 CHIL no pointer\r\n") +
       Indi("H1") + Indi("W1") + Indi("C1") + Indi("H2"));
  Select(true);
  for (const char* key : {"H1", "W1", "C1"}) {
    const GedcomRecord& r = Person(key);
    EXPECT_EQ(r.flags & kRunMarks, kMarkSelected | kMarkInFamily | kMarkLivingTested)
        << key;
  }
  // H2 is named only by a NOTE line: a loner.
  EXPECT_FALSE(Person("H2").flags & kMarkInFamily);
  EXPECT_EQ(Person("H2").pageId, "oH2");
  EXPECT_EQ(statistics_.familiesSelected, 2);
  EXPECT_TRUE(WarningLines().empty());
}

TEST_F(SelectionTest, LivingTestAroundTheYearBound) {
  options_.m_bExcludeLiving = true;
  options_.m_bAssumeLiving = true;
  options_.m_nLivingYear = 1899;
  Load(Fam("F1", "1 HUSB @A@\r\n") + Indi("A", "1 BIRT\r\n2 DATE ABT 1899\r\n") +
       Fam("F2", "1 HUSB @B@\r\n") + Indi("B", "1 BIRT\r\n2 DATE 1900\r\n") +
       Fam("F3", "1 HUSB @C@\r\n") + Indi("C", "1 BIRT\r\n2 PLAC York\r\n") +
       Fam("F4", "1 HUSB @B@\r\n1 WIFE @D@\r\n") +
       Indi("D", "1 BIRT\r\n2 DATE 3 MAR 1850\r\n"));
  Select(true);
  EXPECT_EQ(SelectedKeys(RecordKind::kFamily), (Keys{"F1", "F4"}));
  EXPECT_FALSE(Person("A").flags & kMarkLiving);
  EXPECT_TRUE(Person("B").flags & kMarkLiving);
  EXPECT_TRUE(Person("C").flags & kMarkLiving) << "no birth year counts as living";
  EXPECT_EQ(statistics_.familiesSelected, 2);

  // With living individuals included everyone is selected, still marked.
  options_.m_bExcludeLiving = false;
  store_.ClearMarks();
  Select(true);
  EXPECT_EQ(statistics_.familiesSelected, 4);
  EXPECT_EQ(Person("B").flags & kRunMarks,
            kMarkSelected | kMarkInFamily | kMarkLiving | kMarkLivingTested);
}

TEST_F(SelectionTest, RefnNumberingUsesThePrefixAndReportsMissingTagsOnce) {
  options_.m_nFamilyRefs = 1;
  options_.m_strNoRefPrefix = "f";
  Load(Fam("F1", "1 REFN 100\r\n1 REFN 200\r\n1 HUSB @H1@\r\n") +
       Fam("F12", "1 HUSB @H1@\r\n") + Fam("F3", "1 RIN 9\r\n1 HUSB @H1@\r\n") +
       Fam("F4", "1 REFN\r\n1 HUSB @H1@\r\n") + Indi("H1"));
  Select(true);
  EXPECT_EQ(Family("F1").pageId, "100");
  EXPECT_EQ(Family("F12").pageId, "fF12");
  EXPECT_EQ(Family("F3").pageId, "fF3");
  EXPECT_EQ(Family("F4").pageId, "fF4") << "an empty REFN names no page";
  EXPECT_EQ(test_env_.env.warnings().GetTotal(), 1);
  EXPECT_EQ(WarningLines(),
            (Keys{"A total of 3 family records contained no alternate "
                  "reference tag. Used cross-reference identifier instead."}));
}

TEST_F(SelectionTest, DuplicateIdentifiersRaiseWarningTwenty) {
  options_.m_nFamilyRefs = 2;
  Load(Fam("F1", "1 RIN 7\r\n1 HUSB @H1@\r\n") + Fam("F2", "1 RIN 7\r\n1 HUSB @H1@\r\n") +
       // Different texts, same page file: they would overwrite each other.
       Fam("F3", "1 RIN A-1\r\n1 HUSB @H1@\r\n") +
       Fam("F4", "1 RIN a1\r\n1 HUSB @H1@\r\n") +
       // A family named like a loner's page.
       Fam("F5", "1 RIN oL1\r\n1 HUSB @H1@\r\n") + Indi("H1") + Indi("L1"));
  Select(true);
  EXPECT_EQ(Family("F2").pageId, "7");
  EXPECT_EQ(
      WarningLines(),
      (Keys{
          "Family record identifier 7 is not unique. Web page generation is incomplete.",
          "Family record identifier a1 is not unique. Web page generation is "
          "incomplete.",
          "Family record identifier oL1 is not unique. Web page generation is "
          "incomplete."}));
}

TEST_F(SelectionTest, CustomFactNumberingMatchesTheTypeExactlyWithoutWarning) {
  options_.m_nFamilyRefs = 3;
  options_.m_strFamilyRefTag = "PageNo";
  options_.m_strNoRefPrefix = "x";
  Load(Fam("F1",
           "1 EVEN 11\r\n2 TYPE Other\r\n1 EVEN 12\r\n2 TYPE PageNo\r\n"
           "1 EVEN 13\r\n2 TYPE PageNo\r\n1 HUSB @H1@\r\n") +
       Fam("F2", "1 EVEN 21\r\n2 TYPE pageno\r\n1 REFN 22\r\n1 HUSB @H1@\r\n") +
       Indi("H1"));
  Select(true);
  EXPECT_EQ(Family("F1").pageId, "12");
  EXPECT_EQ(Family("F2").pageId, "xF2");
  EXPECT_EQ(test_env_.env.warnings().GetTotal(), 0);
  EXPECT_TRUE(WarningLines().empty());
}

TEST_F(SelectionTest, HostileIdentifiersNeverLeaveTheDestinationFolder) {
  options_.m_nFamilyRefs = 1;
  options_.m_strDestFolder = platform::StoredPath(dir_.path() + "site");
  Load(Fam("F1", "1 REFN ../../etc/x\r\n1 HUSB @H1@\r\n") +
       Fam("F2", "1 REFN C:\\x\r\n1 HUSB @H1@\r\n") +
       Fam("F3", "1 REFN /etc/passwd\r\n1 HUSB @H1@\r\n") +
       Fam("F4", "1 REFN ..\\..\r\n1 HUSB @H1@\r\n") +
       Fam("F5", "1 REFN /\r\n1 HUSB @H1@\r\n") + Indi("H1"));
  Select(true);
  // Values with nothing usable in them fall back to the key.
  EXPECT_EQ(Family("F4").pageId, "F4");
  EXPECT_EQ(Family("F5").pageId, "F5");

  const std::filesystem::path dest =
      std::filesystem::path(dir_.path() + "site").lexically_normal();
  text::PageNameSettings names = PageNameSettingsFromOptions(options_);
  std::set<std::string> files;
  for (const char* key : {"F1", "F2", "F3", "F4", "F5"}) {
    std::string stored = text::PageFileName(names, Family(key).pageId,
                                            text::PageLetter::kGroupSheet, true);
    std::filesystem::path file =
        std::filesystem::path(platform::NativePath(stored)).lexically_normal();
    EXPECT_EQ(file.parent_path(), dest) << key << ": " << stored;
    std::string name = file.filename().string();
    EXPECT_EQ(name.find(".."), std::string::npos) << name;
    files.insert(name);
  }
  EXPECT_EQ(files.size(), 5u) << "every family keeps a page of its own";
}

TEST_F(SelectionTest, StopEndsTheWalksAndResetsTheStoreWalk) {
  std::string records;
  for (int f = 1; f <= 4; ++f) {
    std::string n = std::to_string(f);
    records += Fam("F" + n, "1 HUSB @H" + n + "@\r\n") + Indi("H" + n);
  }
  Load(records + Indi("L1"));
  progress_.cancel_after = 2;
  Select(true);
  EXPECT_EQ(SelectedKeys(RecordKind::kFamily), (Keys{"F1", "F2"}));
  EXPECT_FALSE(Tested(Person("H3")));
  EXPECT_FALSE(Tested(Person("L1")));
  EXPECT_EQ(statistics_.familiesSelected, 2);
  // The store's walk was reset: the next walk starts from the first family.
  GedcomRecord* first = store_.Next(RecordKind::kFamily);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->key, "F1");
  store_.ResetWalk();
  EXPECT_EQ(progress_.phases, (Keys{"Parsing 4 families... 0..4 scaled"}));
}

TEST_F(SelectionTest, PageIdSetComparesFileNames) {
  PageIdSet ids;
  EXPECT_TRUE(ids.Add("F1"));
  EXPECT_FALSE(ids.Add("F1"));
  EXPECT_FALSE(ids.Add("f-1"));
  EXPECT_TRUE(ids.Add("F10"));
  EXPECT_TRUE(ids.Add(""));
  EXPECT_FALSE(ids.Add("../"));
  EXPECT_TRUE(ids.Contains("F.1"));
  EXPECT_EQ(ids.size(), 3u);
}

}  // namespace
}  // namespace vellix
