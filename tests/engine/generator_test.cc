#include "engine/generator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "options/options.h"
#include "platform/clock.h"
#include "platform/file_access.h"
#include "platform/file_system.h"
#include "platform/settings_store.h"
#include "run/run_environment.h"
#include "run/warning_log.h"
#include "testing/test_support.h"

namespace vellix {
namespace {

using testing::RecordingPrompter;
using testing::TempDir;

constexpr char kFamilyFile[] =
    "0 HEAD\n1 GEDC\n2 VERS 5.5\n1 CHAR UTF-8\n"
    "0 @I1@ INDI\n1 NAME Adam /Smith/\n1 FAMS @F2@\n"
    "0 @I2@ INDI\n1 NAME Eve /Jones/\n1 FAMS @F2@\n"
    "0 @I3@ INDI\n1 NAME Loner /Alone/\n"
    "0 @F2@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n"
    "0 @F10@ FAM\n0 @F1@ FAM\n"
    "0 TRLR\n";

// Records the phases a run calls, in order. Its SelectFamilies marks every
// family selected and the individuals of F2 as members, and I3 included.
class RecordingPhases : public RunPhases {
 public:
  explicit RecordingPhases(std::vector<std::string>* calls) : calls_(calls) {}

  std::function<void(RunContext&)> on_select;
  int dialect_code = 0;

  int SelectDialect(RunContext&) override {
    calls_->push_back("dialect");
    return dialect_code;
  }
  void WriteStyleSheet(RunContext&, bool bib) override {
    calls_->push_back(bib ? "css(bib)" : "css");
  }
  void CollectSources(RunContext&) override { calls_->push_back("sources"); }
  void SelectFamilies(RunContext& ctx, bool sample) override {
    calls_->push_back(sample ? "select(sample)" : "select");
    int selected = 0;
    while (GedcomRecord* f = ctx.store.Next(RecordKind::kFamily)) {
      f->flags |= 1;
      ++selected;
    }
    for (const char* key : {"I1", "I2"}) {
      ctx.store.Find(RecordKind::kIndividual, key)->flags |= 3;
    }
    ctx.store.Find(RecordKind::kIndividual, "I3")->flags |= 1;
    ctx.statistics.familiesSelected = selected + 1;
    if (on_select) on_select(ctx);
  }
  void WriteFamilyPage(RunContext&, GedcomRecord& entry, GedcomRecord& family,
                       bool evaluate) override {
    EXPECT_EQ(entry.key, family.key);
    calls_->push_back((evaluate ? "eval:" : "fam:") + entry.key);
  }
  void WriteLonerPage(RunContext&, GedcomRecord& entry, GedcomRecord&,
                      bool evaluate) override {
    calls_->push_back((evaluate ? "eval-loner:" : "loner:") + entry.key);
  }
  void FinishEvaluation(RunContext&) override { calls_->push_back("finish-eval"); }
  int32_t WriteIndex(RunContext&, bool pages) override {
    calls_->push_back(pages ? "index" : "individuals");
    return 3;
  }
  void WriteBibliography(RunContext&, bool standalone) override {
    calls_->push_back(standalone ? "bib(standalone)" : "bib");
  }
  void WriteRepositories(RunContext&) override { calls_->push_back("repos"); }
  void WriteSummaryLog(RunContext&, bool, bool, int64_t, int64_t) override {
    calls_->push_back("log:summary");
  }
  void WriteIndividualLog(RunContext&, int64_t) override {
    calls_->push_back("log:individuals");
  }
  void WriteFamilyLog(RunContext&, int64_t) override {
    calls_->push_back("log:families");
  }
  void DiscardRunData() override { calls_->push_back("discard"); }

 private:
  std::vector<std::string>* calls_;
};

// A view whose Stop button is pressed after a number of polls, and which
// counts the beeps at the end of long runs.
class StoppingView : public platform::NullProgressView {
 public:
  int stop_after = -1;
  int beeps = 0;
  bool PollStopRequest() override { return stop_after >= 0 && polls_++ >= stop_after; }
  void Beep() override { ++beeps; }

 private:
  int polls_ = 0;
};

class GeneratorTest : public ::testing::Test {
 protected:
  GeneratorTest() {
    options_.SetDefaults();
    auto phases = std::make_unique<RecordingPhases>(&calls_);
    phases_ = phases.get();
    generator_ = std::make_unique<Generator>(env_, std::move(phases));
    gedcom_ = dir_.Write("tree.ged", kFamilyFile);
    platform::CreateFolders(dir_.File("site"));
    options_.m_strGedcomFile = platform::StoredPath(gedcom_);
    options_.m_strDestFolder = platform::StoredPath(dir_.File("site/"));
  }

  RunOutcome Run(GenerateMode mode) {
    calls_.clear();
    return generator_->Generate(mode, options_, home_.path() + "Options.dat");
  }

  TempDir home_;
  TempDir dir_;
  RecordingPrompter prompter_;
  StoppingView view_;
  platform::FixedClock clock_{platform::SystemClock().NowNanos()};
  platform::LocalFileAccess files_;
  platform::SettingsStore settings_{home_.path() + "settings.ini"};
  RunEnvironment env_{prompter_, view_, clock_, files_, settings_, home_.path()};
  COptions options_;
  std::vector<std::string> calls_;
  RecordingPhases* phases_;
  std::unique_ptr<Generator> generator_;
  std::string gedcom_;
};

using Calls = std::vector<std::string>;

TEST_F(GeneratorTest, MissingSettingsStopTheRunBeforeAnyFileIsOpened) {
  options_.m_strGedcomFile.clear();
  RunOutcome outcome = Run(GenerateMode::kAll);
  EXPECT_FALSE(outcome.started);
  ASSERT_EQ(prompter_.messages().size(), 1u);
  EXPECT_EQ(prompter_.messages()[0].text,
            "You have not specified a GEDCOM Input File.\n\nPlease click \"Options\" and "
            "specify a file.");
  EXPECT_EQ(prompter_.messages()[0].icon, platform::MessageIcon::kStop);
  EXPECT_TRUE(calls_.empty());

  options_.m_strGedcomFile = platform::StoredPath(gedcom_);
  options_.m_strDestFolder.clear();
  EXPECT_FALSE(Run(GenerateMode::kAll).started);
  EXPECT_EQ(prompter_.messages().back().text,
            "You have not specified a Destination Folder.\n\nPlease click \"Options\" "
            "and specify a folder.");
  EXPECT_EQ(generator_->reader().readCount(), 0) << "nothing may be read";
}

TEST_F(GeneratorTest, InaccessibleInputAndDestinationNameThePath) {
  options_.m_strGedcomFile = platform::StoredPath(dir_.File("gone.ged"));
  EXPECT_FALSE(Run(GenerateMode::kAll).started);
  EXPECT_EQ(prompter_.messages().back().text,
            dir_.File("gone.ged") +
                "\n\nThis GEDCOM input file does not exist or is not accessible.\n\n"
                "Click \"Options\" to verify the file name is correct.");

  options_.m_strGedcomFile = platform::StoredPath(gedcom_);
  options_.m_strDestFolder = platform::StoredPath(dir_.File("nowhere\\"));
  EXPECT_FALSE(Run(GenerateMode::kAll).started);
  EXPECT_EQ(prompter_.messages().back().icon, platform::MessageIcon::kNone);
  EXPECT_EQ(prompter_.messages().back().text,
            dir_.File("nowhere/") +
                "\n\nThe destination folder path does not exist or is not accessible."
                "\n\nClick \"Options\" to verify the folder name is correct.");
}

TEST_F(GeneratorTest, AllModeRunsEveryPhaseInOrder) {
  options_.m_bBiblioPages = true;
  options_.m_bRepositoryPages = true;
  RunOutcome outcome = Run(GenerateMode::kAll);
  EXPECT_TRUE(outcome.started);
  EXPECT_TRUE(outcome.success);
  EXPECT_FALSE(outcome.cancelled);
  EXPECT_EQ(outcome.status_line,
            "Web page generation complete.\nClick \"View\" to see your results.");
  EXPECT_EQ(calls_, (Calls{"dialect", "css", "sources", "select", "fam:F1", "fam:F10",
                           "fam:F2", "loner:I3", "index", "bib", "repos", "log:summary",
                           "log:individuals", "log:families", "discard"}));
  EXPECT_EQ(generator_->statistics().familyRecords, 3);
  EXPECT_EQ(generator_->statistics().individualRecords, 3);
  EXPECT_EQ(generator_->statistics().indexEntries, 3);
}

TEST_F(GeneratorTest, EachModeCallsOnlyItsPhases) {
  Run(GenerateMode::kFamilies);
  EXPECT_EQ(calls_, (Calls{"dialect", "css", "select", "fam:F1", "fam:F10", "fam:F2",
                           "loner:I3", "individuals", "log:summary", "log:individuals",
                           "log:families", "discard"}));
  EXPECT_EQ(generator_->status_text(), "Web page generation complete.\n");

  Run(GenerateMode::kIndex);
  EXPECT_EQ(calls_, (Calls{"dialect", "css", "select", "index", "log:summary",
                           "log:individuals", "log:families", "discard"}));

  Run(GenerateMode::kSample);
  EXPECT_EQ(calls_[2], "select(sample)");

  Run(GenerateMode::kBibliography);
  EXPECT_EQ(calls_, (Calls{"dialect", "css(bib)", "sources", "bib(standalone)",
                           "log:summary", "log:individuals", "log:families", "discard"}));
}

TEST_F(GeneratorTest, RepositoryPagesFollowBibliographyPagesOnly) {
  options_.m_bRepositoryPages = true;  // bibliography pages off
  Run(GenerateMode::kAll);
  EXPECT_EQ(std::count(calls_.begin(), calls_.end(), "repos"), 0);
  Run(GenerateMode::kBibliography);
  EXPECT_EQ(std::count(calls_.begin(), calls_.end(), "repos"), 1);
}

TEST_F(GeneratorTest, DialectOfCodeOneEvaluatesCitationsFirst) {
  phases_->dialect_code = 1;
  Run(GenerateMode::kAll);
  Calls expected = {"dialect",  "css",     "select",        "eval:F1",
                    "eval:F10", "eval:F2", "eval-loner:I3", "finish-eval",
                    "fam:F1",   "fam:F10", "fam:F2",        "loner:I3"};
  ASSERT_GE(calls_.size(), expected.size());
  EXPECT_EQ(Calls(calls_.begin(), calls_.begin() + expected.size()), expected);
}

TEST_F(GeneratorTest, TheCountdownLimitsFamilyAndLonerPages) {
  phases_->on_select = [](RunContext& ctx) { ctx.statistics.familiesSelected = 2; };
  Run(GenerateMode::kFamilies);
  EXPECT_EQ(calls_[3], "fam:F1");
  EXPECT_EQ(calls_[4], "fam:F10");
  EXPECT_EQ(calls_[5], "individuals") << "no loner page once the countdown is spent";
  // The walk left early was reset: a new walk starts at the first family.
  EXPECT_EQ(generator_->store().Next(RecordKind::kFamily)->key, "F1");
}

TEST_F(GeneratorTest, StopWhileReadingEndsCanceledWritesLogsAndForcesARereading) {
  view_.stop_after = 0;
  RunOutcome outcome = Run(GenerateMode::kAll);
  EXPECT_TRUE(outcome.cancelled);
  EXPECT_EQ(outcome.status_line, "\nWeb page generation CANCELED.");
  EXPECT_GE(outcome.warnings, 1);
  EXPECT_NE(testing::ReadFile(env_.warnings().path())
                .find("0,Web page generation was CANCELED."),
            std::string::npos);
  EXPECT_EQ(calls_.back(), "discard");
  EXPECT_NE(std::find(calls_.begin(), calls_.end(), "log:families"), calls_.end());

  view_.stop_after = -1;
  int reads = generator_->reader().readCount();
  outcome = Run(GenerateMode::kAll);
  EXPECT_FALSE(outcome.cancelled);
  EXPECT_EQ(generator_->reader().readCount(), reads + 1) << "a cancelled run reads again";
}

TEST_F(GeneratorTest, StopDuringFamilyPagesKeepsTheLogsAndRereadsNextTime) {
  view_.stop_after = 1;  // the reading pass polls once, the first family next
  RunOutcome outcome = Run(GenerateMode::kAll);
  EXPECT_TRUE(outcome.success);
  EXPECT_TRUE(outcome.cancelled);
  EXPECT_EQ(std::count(calls_.begin(), calls_.end(), "index"), 0);
  EXPECT_EQ(calls_.back(), "discard");
  view_.stop_after = -1;
  Run(GenerateMode::kAll);
  EXPECT_EQ(generator_->reader().readCount(), 2);
}

TEST_F(GeneratorTest, AnUnchangedFileIsReadOnce) {
  Run(GenerateMode::kAll);
  Run(GenerateMode::kAll);
  EXPECT_EQ(generator_->reader().readCount(), 1);
}

TEST_F(GeneratorTest, AFileThatIsNoGedcomFailsButStillWritesTheLogs) {
  dir_.Write("tree.ged", "Dear diary,\nthis is no genealogy.\n");
  RunOutcome outcome = Run(GenerateMode::kAll);
  EXPECT_TRUE(outcome.started);
  EXPECT_FALSE(outcome.success);
  EXPECT_EQ(outcome.status_line, "\nWeb page generation FAILED.");
  EXPECT_EQ(calls_, (Calls{"dialect", "log:summary", "log:individuals", "log:families",
                           "discard"}));
}

TEST_F(GeneratorTest, ARunOfMoreThanThirtySecondsBeeps) {
  phases_->on_select = [this](RunContext&) { clock_.AdvanceSeconds(30); };
  Run(GenerateMode::kAll);
  EXPECT_EQ(view_.beeps, 0);
  phases_->on_select = [this](RunContext&) { clock_.AdvanceSeconds(31); };
  RunOutcome outcome = Run(GenerateMode::kAll);
  EXPECT_EQ(outcome.elapsed_seconds, 31);
  EXPECT_EQ(view_.beeps, 1);
}

TEST_F(GeneratorTest, ConformanceWarningsFollowTheDocumentType) {
  // The default document type is strict: targets and framed citations warn.
  options_.m_strHomeTarget = "main";
  options_.m_bCitations = true;
  options_.m_bCitationsInFrame = true;
  RunOutcome outcome = Run(GenerateMode::kIndex);
  std::string lines = testing::ReadFile(env_.warnings().path());
  EXPECT_NE(lines.find("0,One or more frame target fields were specified."),
            std::string::npos);
  EXPECT_NE(lines.find("0,The option to include source citations in a frame window is "
                       "not allowed."),
            std::string::npos);
  EXPECT_EQ(outcome.warnings, 2);

  options_.m_strDtdPages = options_.GetDefaultDtd(false);  // transitional
  options_.m_bMonoFont = true;
  outcome = Run(GenerateMode::kIndex);
  EXPECT_EQ(outcome.warnings, 1);
  EXPECT_NE(testing::ReadFile(env_.warnings().path())
                .find("0,The option to use a non-proportional font requires HTML Strict "
                      "conformance."),
            std::string::npos);
}

TEST_F(GeneratorTest, ARunStartedFromInsideARunIsIgnored) {
  RunOutcome inner;
  phases_->on_select = [&](RunContext&) {
    inner = generator_->Generate(GenerateMode::kAll, options_, "");
  };
  RunOutcome outer = Run(GenerateMode::kAll);
  EXPECT_TRUE(outer.success);
  EXPECT_FALSE(inner.started);
  EXPECT_FALSE(generator_->busy());
}

TEST_F(GeneratorTest, AStaleWarningListIsEmptiedByTheNextRun) {
  options_.m_strHomeTarget = "main";
  Run(GenerateMode::kIndex);
  ASSERT_FALSE(testing::ReadFile(env_.warnings().path()).empty());
  options_.m_strHomeTarget.clear();
  RunOutcome outcome = Run(GenerateMode::kIndex);
  EXPECT_EQ(outcome.warnings, 0);
  EXPECT_EQ(testing::ReadFile(env_.warnings().path()), "");
}

}  // namespace
}  // namespace vellix
