// Shared set-up of the bibliography and repository tests: a GEDCOM file
// written from inline records and read through the reader, an option set
// whose destination is a temporary folder, a fixed clock and a run context.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "gedcom/gedcom_reader.h"
#include "gedcom/record_store.h"
#include "model/dialects.h"
#include "model/run_context.h"
#include "options/options.h"
#include "platform/clock.h"
#include "platform/progress.h"
#include "run/run_statistics.h"
#include "run/warning_log.h"
#include "testing/test_environment.h"
#include "testing/test_support.h"

namespace vellix::site {

/// Counts steps and cancels the run at step `cancel_at` (0: never).
class StepProgress : public platform::Progress {
 public:
  void SetPhase(const std::string& text, int64_t, int64_t high, bool) override {
    phase = text;
    range = high;
  }
  void Step(int64_t) override {
    if (++steps == cancel_at) cancelled = true;
  }
  bool IsCancelled() const override { return cancelled; }

  std::string phase;
  int64_t range = 0;
  int steps = 0;
  int cancel_at = 0;
  bool cancelled = false;
};

class SourcesTest : public ::testing::Test {
 protected:
  static constexpr int64_t kNoonMarch5th2024 = 1709640000LL * 1000000000LL;

  SourcesTest()
      : reader_(store_, test_env_.env), ctx_{test_env_.env, options_,    reader_,
                                             store_,        statistics_, progress_,
                                             dialects_,     RunFlags{},  0} {
    clock_.Set(kNoonMarch5th2024);
    options_.m_strDestFolder = site_.path();
    options_.m_strRevisedFormat = "yyyy-MM-dd";
  }

  /// Writes a GEDCOM file holding `records` between a header and a trailer
  /// and reads it.
  void Load(const std::string& records) {
    const std::string text =
        "0 HEAD\r\n1 SOUR TEST\r\n1 GEDC\r\n2 VERS 5.5\r\n2 FORM LINEAGE-LINKED\r\n"
        "1 CHAR ASCII\r\n" +
        records + "0 TRLR\r\n";
    const std::string path =
        input_.Write("input" + std::to_string(++files_) + ".ged", text);
    ASSERT_TRUE(reader_.Open(path));
    ASSERT_TRUE(reader_.ReadPass(true, nullptr, nullptr));
  }

  /// Reads the fixture tests/data/sources/`name`.
  void LoadFixture(const std::string& name) {
    ASSERT_TRUE(reader_.Open(testing::DataFile("sources/" + name)));
    ASSERT_TRUE(reader_.ReadPass(true, nullptr, nullptr));
  }

  /// A page of the generated site ("" when it was not written).
  std::string Page(const std::string& name) const {
    const std::string path = site_.File(name);
    return testing::ReadFile(path);
  }
  bool PageExists(const std::string& name) const;

  testing::TestEnvironment test_env_{testing::TestClock::kFixed};
  platform::FixedClock& clock_ = test_env_.fixed_clock;
  testing::TempDir input_;
  testing::TempDir site_;
  COptions options_;
  DialectTable dialects_;
  RecordStore store_;
  GedcomReader reader_;
  RunStatistics statistics_;
  StepProgress progress_;
  RunContext ctx_;
  int files_ = 0;
};

inline bool SourcesTest::PageExists(const std::string& name) const {
  return std::filesystem::exists(site_.File(name));
}

}  // namespace vellix::site
