// The number of phases announced before a run against the phases a real
// run of every mode shows.
#include "shell/cli/phase_plan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/generator.h"
#include "engine/site_phases.h"
#include "options/options.h"
#include "platform/file_access.h"
#include "platform/file_system.h"
#include "platform/settings_store.h"
#include "run/run_environment.h"
#include "testing/test_support.h"

namespace vellix::cli {
namespace {

using testing::RecordingPrompter;
using testing::TempDir;

constexpr char kTree[] =
    "0 HEAD\n1 GEDC\n2 VERS 5.5\n1 CHAR UTF-8\n"
    "0 @I1@ INDI\n1 NAME Adam /Smith/\n1 FAMS @F1@\n1 SOUR @S1@\n"
    "0 @I2@ INDI\n1 NAME Eve /Jones/\n1 FAMS @F1@\n"
    "0 @I3@ INDI\n1 NAME Loner /Alone/\n"
    "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n"
    "0 @S1@ SOUR\n1 TITL Parish register\n1 REPO @R1@\n"
    "0 @R1@ REPO\n1 NAME Archive\n"
    "0 TRLR\n";

class PhaseCounter : public platform::NullProgressView {
 public:
  void ShowPhase(const std::string& text, int64_t, int64_t) override {
    phases.push_back(text);
  }
  std::vector<std::string> phases;
};

TEST(PhasePlan, MatchesTheRunsOfEveryMode) {
  TempDir home;
  RecordingPrompter prompter;
  PhaseCounter view;
  platform::SystemClock clock;
  platform::LocalFileAccess files;
  platform::SettingsStore settings(home.path() + "settings.ini");
  TempDir dir;
  const std::string gedcom = dir.Write("tree.ged", kTree);
  for (const bool sources : {false, true}) {
    for (int m = 0; m <= 6; ++m) {
      const GenerateMode mode = static_cast<GenerateMode>(m);
      COptions options;
      options.m_strGedcomFile = platform::StoredPath(gedcom);
      options.m_strDestFolder = platform::StoredPath(dir.path());
      options.m_bBiblioPages = sources;
      options.m_bRepositoryPages = sources;
      view.phases.clear();
      RunEnvironment env(prompter, view, clock, files, settings, home.path());
      Generator generator(env, std::make_unique<SitePhases>());
      ASSERT_TRUE(generator.Generate(mode, options, home.path() + "Options.dat").success)
          << m;
      EXPECT_EQ(ExpectedPhaseCount(mode, options), static_cast<int>(view.phases.size()))
          << "mode " << m << (sources ? " with" : " without") << " source pages";
    }
  }
}

}  // namespace
}  // namespace vellix::cli
