// What `vellix generate` says after a run: every variant of the report, its
// streams, and the exit status.
#include "shell/cli/generate_report.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "shell/cli/commands.h"

namespace vellix::cli {
namespace {

constexpr char kComplete[] =
    "Web page generation complete.\nClick \"View\" to see your results.";
constexpr char kCanceled[] = "\nWeb page generation CANCELED.";
constexpr char kFailed[] = "\nWeb page generation FAILED.";

// A complete run of a file with 2 families and 5 individuals: 2 family
// pages and one of an individual outside families, 7 files.
RunFacts CompleteRun() {
  RunFacts facts;
  facts.outcome.started = true;
  facts.outcome.success = true;
  facts.outcome.status_line = kComplete;
  RunStatistics& s = facts.statistics;
  s.familyRecords = 2;
  s.individualRecords = 5;
  s.familiesSelected = 3;
  s.lonersSelected = 1;
  s.familiesWritten = 3;
  s.lonersWritten = 1;
  s.indexEntries = 5;
  s.CountFile(FileGroup::kSurname, 10);
  s.CountFile(FileGroup::kIndex, 10);
  s.CountFile(FileGroup::kIndex, 10);
  for (int i = 0; i < 3; ++i) s.CountFile(FileGroup::kFamily, 10);
  s.CountFile(FileGroup::kOther, 10);
  facts.dest_folder = "/srv/site/";
  facts.start_page = "/srv/site/grpmain.html";
  facts.run_log = "/home/u/vx-summary.html";
  return facts;
}

ReportLine Out(std::string text) { return {ReportStream::kOut, std::move(text)}; }
ReportLine Err(std::string text) { return {ReportStream::kErr, std::move(text)}; }

const ReportLine kResultOut =
    Out("Web page generation complete. Run 'vellix view' to see your results.");
const ReportLine kContentOut =
    Out("2 families and 5 individuals in the file; pages for 2 families and 1 individual "
        "outside families, 5 index entries.");
const ReportLine kOpenOut = Out("Open the site: /srv/site/grpmain.html");
const ReportLine kRunLogOut = Out("Run log: /home/u/vx-summary.html");
const ReportLine kCanceledErr = Err("vellix: Web page generation CANCELED.");
const ReportLine kIncompleteErr =
    Err("vellix: stopped: the site in /srv/site/ is incomplete");
const ReportLine kUnchangedErr =
    Err("vellix: stopped: the site in /srv/site/ was not changed");

// The facts of a run stopped after 1 of 2 family pages, before the loner's.
void StopDuringFamilyPages(RunFacts& f) {
  f.outcome.cancelled = true;
  f.outcome.status_line = kCanceled;
  f.outcome.warnings = 1;
  f.statistics.familiesWritten = 1;
  f.statistics.lonersWritten = 0;
}

TEST(GenerateReport, EveryVariantOnItsStream) {
  struct Case {
    const char* name;
    std::function<void(RunFacts&)> change;
    Verbosity verbosity;
    std::vector<ReportLine> lines;
  };
  const Case cases[] = {
      {"complete",
       [](RunFacts&) {},
       Verbosity::kNormal,
       {kResultOut, kContentOut, kOpenOut, kRunLogOut,
        Out("7 pages written, 0 unchanged.")}},
      {"complete, quiet", [](RunFacts&) {}, Verbosity::kQuiet, {}},
      {"complete, verbose, no warnings",
       [](RunFacts&) {},
       Verbosity::kVerbose,
       {kResultOut, kContentOut, kOpenOut, kRunLogOut,
        Out("7 pages written, 0 unchanged.")}},
      {"one warning",
       [](RunFacts& f) { f.outcome.warnings = 1; },
       Verbosity::kNormal,
       {kResultOut, kContentOut, kOpenOut,
        Out("1 warning, listed in the run log: /home/u/vx-summary.html"),
        Out("7 pages written, 0 unchanged.")}},
      {"warnings printed as raised",
       [](RunFacts& f) { f.outcome.warnings = 12; },
       Verbosity::kVerbose,
       {kResultOut, kContentOut, kOpenOut,
        Out("12 warnings (printed above), listed in the run log: "
            "/home/u/vx-summary.html"),
        Out("7 pages written, 0 unchanged.")}},
      {"a rerun that changes nothing",
       [](RunFacts& f) { f.statistics.filesUnchanged = 7; },
       Verbosity::kNormal,
       {kResultOut, kContentOut, kOpenOut, kRunLogOut,
        Out("0 pages written, 7 unchanged.")}},
      {"stale files counted",
       [](RunFacts& f) {
         f.statistics.filesUnchanged = 6;
         f.stale_removed = 3;
       },
       Verbosity::kNormal,
       {kResultOut, kContentOut, kOpenOut, kRunLogOut,
        Out("1 page written, 6 unchanged, 3 stale removed.")}},
      {"living people published",
       [](RunFacts& f) { f.outcome.living_published = 2; },
       Verbosity::kNormal,
       {kResultOut, kContentOut, kOpenOut, kRunLogOut,
        Out("7 pages written, 0 unchanged."),
        Err("vellix: 2 living individuals are published with their details; see "
            "Features \u203a Privacy Filters in 'vellix options list' "
            "(bExcludeLiving, bLivingDetails)")}},
      {"living people published, quiet",
       [](RunFacts& f) { f.outcome.living_published = 2; },
       Verbosity::kQuiet,
       {}},
      {"no start page",
       [](RunFacts& f) { f.start_page.clear(); },
       Verbosity::kNormal,
       {kResultOut, kContentOut, Out("Site folder: /srv/site/"), kRunLogOut,
        Out("7 pages written, 0 unchanged.")}},
      {"families only: no closing text",
       [](RunFacts& f) { f.outcome.status_line = "Web page generation complete.\n"; },
       Verbosity::kNormal,
       {Out("Web page generation complete."), kContentOut, kOpenOut, kRunLogOut,
        Out("7 pages written, 0 unchanged.")}},
      {"index pages only",
       [](RunFacts& f) {
         f.statistics.familiesWritten = 0;
         f.statistics.lonersWritten = 0;
         f.statistics.familyRecords = 1;
         f.statistics.individualRecords = 1;
         f.statistics.indexEntries = 1;
       },
       Verbosity::kNormal,
       {kResultOut, Out("1 family and 1 individual in the file; 1 index entry."),
        kOpenOut, kRunLogOut, Out("7 pages written, 0 unchanged.")}},
      {"bibliography",
       [](RunFacts& f) {
         f.statistics = RunStatistics();
         f.statistics.sourcesWritten = 1;
         f.statistics.repositoriesWritten = 2;
         f.statistics.CountFile(FileGroup::kBibliography, 10);
       },
       Verbosity::kNormal,
       {kResultOut,
        Out("0 families and 0 individuals in the file; 1 bibliography entry, 2 "
            "repository "
            "entries."),
        kOpenOut, kRunLogOut, Out("1 page written, 0 unchanged.")}},
      {"only loners",
       [](RunFacts& f) { f.statistics.familiesWritten = 1; },
       Verbosity::kNormal,
       {kResultOut,
        Out("2 families and 5 individuals in the file; pages for 1 individual outside "
            "families, 5 index entries."),
        kOpenOut, kRunLogOut, Out("7 pages written, 0 unchanged.")}},
      {"stopped during the family pages",
       StopDuringFamilyPages,
       Verbosity::kNormal,
       {kCanceledErr,
        Err("Pages written before the stop: 1 of 2 families, 0 of 1 individual outside "
            "families."),
        Err("1 warning, listed in the run log: /home/u/vx-summary.html"),
        kIncompleteErr}},
      {"stopped, quiet",
       StopDuringFamilyPages,
       Verbosity::kQuiet,
       {kCanceledErr, kIncompleteErr}},
      {"stopped, verbose",
       StopDuringFamilyPages,
       Verbosity::kVerbose,
       {kCanceledErr,
        Err("Pages written before the stop: 1 of 2 families, 0 of 1 individual outside "
            "families."),
        Err("1 warning (printed above), listed in the run log: /home/u/vx-summary.html"),
        kIncompleteErr}},
      {"stopped after the individuals pass, living people published",
       [](RunFacts& f) {
         StopDuringFamilyPages(f);
         f.outcome.living_published = 1;
       },
       Verbosity::kNormal,
       {kCanceledErr,
        Err("Pages written before the stop: 1 of 2 families, 0 of 1 individual outside "
            "families."),
        Err("1 warning, listed in the run log: /home/u/vx-summary.html"),
        Err("vellix: 1 living individual is published with their details; see "
            "Features \u203a Privacy Filters in 'vellix options list' "
            "(bExcludeLiving, bLivingDetails)"),
        kIncompleteErr}},
      {"stopped among the loners",
       [](RunFacts& f) {
         StopDuringFamilyPages(f);
         f.statistics.familiesSelected = 12;
         f.statistics.lonersSelected = 10;
         f.statistics.familiesWritten = 5;
         f.statistics.lonersWritten = 3;
       },
       Verbosity::kNormal,
       {kCanceledErr,
        Err("Pages written before the stop: 2 of 2 families, 3 of 10 individuals outside "
            "families."),
        Err("1 warning, listed in the run log: /home/u/vx-summary.html"),
        kIncompleteErr}},
      {"stopped before any family page",
       [](RunFacts& f) {
         StopDuringFamilyPages(f);
         f.statistics.familiesWritten = 0;
       },
       Verbosity::kNormal,
       {kCanceledErr, Err("1 warning, listed in the run log: /home/u/vx-summary.html"),
        kIncompleteErr}},
      {"stopped while reading",
       [](RunFacts& f) {
         StopDuringFamilyPages(f);
         f.statistics = RunStatistics();
       },
       Verbosity::kNormal,
       {kCanceledErr, Err("1 warning, listed in the run log: /home/u/vx-summary.html"),
        kUnchangedErr}},
      {"stopped having rewritten nothing",
       [](RunFacts& f) {
         StopDuringFamilyPages(f);
         f.statistics.filesUnchanged = 7;
       },
       Verbosity::kQuiet,
       {kCanceledErr, kUnchangedErr}},
      {"stopped having copied pictures only",
       [](RunFacts& f) {
         StopDuringFamilyPages(f);
         f.statistics.filesUnchanged = 7;
         f.statistics.mediaProcessed = 1;
       },
       Verbosity::kQuiet,
       {kCanceledErr, kIncompleteErr}},
      {"stopped having removed stale files",
       [](RunFacts& f) {
         StopDuringFamilyPages(f);
         f.statistics.filesUnchanged = 7;
         f.stale_removed = 2;
       },
       Verbosity::kQuiet,
       {kCanceledErr, kIncompleteErr}},
      {"failed",
       [](RunFacts& f) {
         f.outcome.success = false;
         f.outcome.status_line = kFailed;
         f.outcome.warnings = 1;
         f.statistics = RunStatistics();
       },
       Verbosity::kNormal,
       {Err("vellix: error: Web page generation FAILED."),
        Err("1 warning, listed in the run log: /home/u/vx-summary.html")}},
      {"failed, quiet",
       [](RunFacts& f) {
         f.outcome.success = false;
         f.outcome.status_line = kFailed;
         f.outcome.warnings = 1;
       },
       Verbosity::kQuiet,
       {Err("vellix: error: Web page generation FAILED.")}},
  };
  for (const Case& c : cases) {
    RunFacts facts = CompleteRun();
    c.change(facts);
    const std::vector<ReportLine> lines = RunReport(facts, c.verbosity);
    ASSERT_EQ(lines.size(), c.lines.size()) << c.name;
    for (size_t i = 0; i < lines.size(); ++i) {
      EXPECT_EQ(lines[i].text, c.lines[i].text) << c.name;
      EXPECT_EQ(lines[i].stream, c.lines[i].stream) << c.name << ": " << lines[i].text;
    }
  }
}

TEST(GenerateReport, ExitStatusOfEachOutcome) {
  struct Case {
    bool success;
    bool cancelled;
    int status;
  };
  for (const Case& c :
       {Case{true, false, kExitDone}, Case{false, false, kExitFailed},
        Case{true, true, kExitCancelled}, Case{false, true, kExitCancelled}}) {
    RunOutcome outcome;
    outcome.started = true;
    outcome.success = c.success;
    outcome.cancelled = c.cancelled;
    EXPECT_EQ(RunExitStatus(outcome), c.status) << c.success << c.cancelled;
  }
}

}  // namespace
}  // namespace vellix::cli
