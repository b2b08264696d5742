// Shared set-up of the name index tests: an option set, a privacy filter, a
// run context over an empty store, a fixed clock and verbs that add people.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gedcom/gedcom_reader.h"
#include "gedcom/record_store.h"
#include "model/dialects.h"
#include "model/individuals.h"
#include "model/privacy.h"
#include "model/run_context.h"
#include "options/options.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/progress.h"
#include "site/index/name_index.h"
#include "testing/test_environment.h"
#include "testing/test_support.h"

namespace vellix::site {

/// Progress that records phases and steps and can stop the run.
class RecordingProgress : public platform::Progress {
 public:
  void SetPhase(const std::string& text, int64_t low, int64_t high, bool) override {
    phases.push_back(text + " " + std::to_string(low) + ".." + std::to_string(high));
  }
  void Step(int64_t) override {
    if (++steps == stop_after) stopped = true;
  }
  bool IsCancelled() const override { return stopped; }
  std::vector<std::string> phases;
  int steps = 0;
  int stop_after = -1;
  bool stopped = false;
};

class IndexTest : public ::testing::Test {
 protected:
  static constexpr int64_t kNoonMarch5th2024 = 1709640000LL * 1000000000LL;

  IndexTest()
      : reader_(store_, test_env_.env),
        privacy_(options_),
        index_(options_, privacy_),
        ctx_{test_env_.env, options_,  reader_, store_, statistics_,
             progress_,     dialects_, {},      0} {
    clock_.Set(kNoonMarch5th2024);
    options_.m_strDestFolder = platform::StoredPath(dir_.path());
    options_.m_strRevisedFormat = "d MMMM yyyy";
    ctx_.flags.strictConformance = options_.IsStrictDtd();
  }

  /// A summary of `key` named by the GEDCOM name value `name` ("Given
  /// /Surname/"), indexed under the page `home` (default "F" + key).
  static IndividualSummary Person(const std::string& key, const std::string& given,
                                  const std::string& surname,
                                  const std::string& birth = {},
                                  const std::string& death = {}, std::string home = {}) {
    IndividualSummary s;
    s.key = key;
    s.name.parsed = true;
    s.name.raw = given + " /" + surname + "/";
    s.name.given = given;
    s.name.surname = surname;
    s.birthDate = birth;
    s.deathDate = death;
    s.homePageId = home.empty() ? "F" + key : home;
    s.familyPageIds = {s.homePageId};
    return s;
  }

  /// Adds `count` people of `surname` with keys prefix + 1 ... and given
  /// names "G001", "G002" ... (so their order is known).
  void AddMany(const std::string& prefix, const std::string& surname, int count) {
    for (int i = 1; i <= count; ++i) {
      char given[16];
      std::snprintf(given, sizeof given, "G%03d", i);
      index_.AddIndividual(Person(prefix + std::to_string(i), given, surname),
                           uint8_t{0});
    }
  }

  std::string Page(const std::string& name) { return testing::ReadFile(dir_.File(name)); }

  /// Writes an empty family page for every page the index links to, so
  /// that a link check of the folder follows real files.
  void WriteStubFamilyPages() {
    for (const IndexEntry& e : index_.entries()) {
      const std::string file = dir_.File("grp" + Lower(e.pageName.str()) + ".html");
      platform::WriteWholeFile(
          file,
          "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\">\n<title>f</title>\n");
    }
  }

  static std::string Lower(std::string text) {
    for (char& c : text) {
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    }
    return text;
  }

  testing::TestEnvironment test_env_{testing::TestClock::kFixed};
  platform::FixedClock& clock_ = test_env_.fixed_clock;
  testing::TempDir dir_;
  COptions options_;
  DialectTable dialects_;
  RecordStore store_;
  GedcomReader reader_;
  RunStatistics statistics_;
  RecordingProgress progress_;
  PrivacyFilter privacy_;
  NameIndex index_;
  RunContext ctx_;
};

}  // namespace vellix::site
