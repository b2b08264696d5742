// vellix generate: one generation run from the command line.
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "engine/generator.h"
#include "engine/site_phases.h"
#include "options/options.h"
#include "platform/file_system.h"
#include "run/warning_log.h"
#include "shell/cli/cli_session.h"
#include "shell/cli/command_line.h"
#include "shell/cli/commands.h"
#include "shell/cli/generate_report.h"
#include "shell/cli/path_checks.h"
#include "shell/cli/phase_plan.h"
#include "shell/cli/terminal_progress_view.h"
#include "shell/cli/terminal_prompter.h"
#include "shell/cli/terminal_wording.h"
#include "shell/cli/usage_error.h"
#include "shell/cli/warning_text.h"

namespace vellix::cli {
namespace {

// An absolute native path for a path typed by the user.
std::string Absolute(const std::string& path) {
  std::error_code ec;
  std::filesystem::path p = std::filesystem::absolute(path, ec);
  return ec ? path : p.lexically_normal().string();
}

// The paths the run will use, checked before the engine sees them, so that
// a folder given as the GEDCOM file or a file given as the destination is
// named as such. A missing input file, or a missing destination named only
// by the option set, is left to the run's own message.
bool PathsUsable(const COptions& options, bool dest_from_command_line) {
  PathCheck check;
  if (!options.m_strGedcomFile.empty()) {
    check = CheckInputFile(platform::NativePath(options.m_strGedcomFile));
    if (check.problem == PathProblem::kMissing) check = {};
  }
  if (check.problem == PathProblem::kNone && !options.m_strDestFolder.empty() &&
      !dest_from_command_line) {
    check = CheckOutputFolder(platform::NativePath(options.m_strDestFolder));
    if (check.problem == PathProblem::kMissing) check = {};
  }
  if (check.problem == PathProblem::kNone) return true;
  UsageError("generate", DescribePathCheck(check));
  return false;
}

// The run's messages on the terminal. The window shows the missing
// destination folder in a box without an icon, yet it stops the run like
// every other check of the run's inputs; the terminal reports every message
// of the run that has no icon as an error, as no other such message is shown
// by a run.
class RunPrompter : public platform::Prompter {
 public:
  explicit RunPrompter(platform::Prompter& terminal) : terminal_(terminal) {}
  void Show(platform::MessageIcon icon, const std::string& text) override {
    terminal_.Show(
        icon == platform::MessageIcon::kNone ? platform::MessageIcon::kStop : icon, text);
  }
  bool Ask(platform::MessageIcon icon, const std::string& text,
           bool default_yes) override {
    return terminal_.Ask(icon, text, default_yes);
  }

 private:
  platform::Prompter& terminal_;
};

// The most --record-cache accepts: far more than any file needs.
constexpr size_t kMaxRecordCacheMegabytes = 1 << 20;

// A whole number of megabytes up to kMaxRecordCacheMegabytes, digits only.
std::optional<size_t> ParseMegabytes(const std::string& text) {
  if (text.empty() || text.size() > 7) return std::nullopt;
  size_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<size_t>(c - '0');
  }
  if (value > kMaxRecordCacheMegabytes) return std::nullopt;
  return value;
}

}  // namespace

int RunGenerateCommand(const std::vector<std::string>& args) {
  CommandLine line({{'o', "out", OptionArgument::kRequired},
                    {'m', "mode", OptionArgument::kRequired},
                    {0, "options", OptionArgument::kRequired},
                    {0, "keep-stale"},
                    {0, "record-cache", OptionArgument::kRequired},
                    {'y', "yes"},
                    {'n', "no"},
                    {'q', "quiet"},
                    {'v', "verbose"},
                    {'h', "help"}});
  std::string error;
  if (!line.Parse(args, &error)) return UsageError("generate", error);
  if (line.Has("help")) {
    std::fputs(GenerateUsage().c_str(), stdout);
    return kExitDone;
  }
  if (line.positional().size() > 1) {
    return UsageError("generate", "give at most one GEDCOM file");
  }
  if (line.Has("yes") && line.Has("no")) {
    return UsageError("generate", "--yes and --no exclude each other");
  }
  if (line.Has("quiet") && line.Has("verbose")) {
    return UsageError("generate", "--quiet and --verbose exclude each other");
  }
  GenerateMode mode = GenerateMode::kAll;
  if (auto text = line.Value("mode")) {
    auto parsed = ParseGenerateMode(*text);
    if (!parsed) return UsageError("generate", "unknown mode '" + *text + "'");
    mode = *parsed;
  }
  GenerateSettings run_settings{.keep_stale_files = line.Has("keep-stale")};
  if (auto text = line.Value("record-cache")) {
    const std::optional<size_t> megabytes = ParseMegabytes(*text);
    if (!megabytes) {
      return UsageError("generate",
                        "--record-cache takes a number of megabytes from 0 to " +
                            std::to_string(kMaxRecordCacheMegabytes));
    }
    run_settings.record_cache_bytes = *megabytes << 20;
  }
  Verbosity verbosity = Verbosity::kNormal;
  if (line.Has("quiet")) verbosity = Verbosity::kQuiet;
  if (line.Has("verbose")) verbosity = Verbosity::kVerbose;
  const bool quiet = verbosity == Verbosity::kQuiet;
  std::optional<bool> answer;
  if (line.Has("yes")) answer = true;
  if (line.Has("no")) answer = false;

  TerminalPrompter prompter(answer, verbosity);
  CliSession session(prompter);

  if (auto file = line.Value("options")) {
    if (!session.option_set().UseFileForThisRun(Absolute(*file))) return kExitUsage;
  }
  COptions* options = &session.option_set().options();
  // A file that is no option set was left untouched; its message was shown.
  if (options->m_nLoadError == 1) return kExitUsage;

  // Paths given here override the option set for this run only.
  if (!line.positional().empty()) {
    options->m_strGedcomFile = platform::StoredPath(Absolute(line.positional()[0]));
  }
  const auto out = line.Value("out");
  if (out) {
    const std::string dest = Absolute(*out);
    const PathCheck check = PrepareOutputFolder(dest);
    if (check.problem != PathProblem::kNone) {
      return UsageError("generate", DescribePathCheck(check));
    }
    options->m_strDestFolder = platform::StoredPath(platform::WithTrailingSlash(dest));
  }
  if (!PathsUsable(*options, out.has_value())) return kExitUsage;

  TerminalProgressView view(ProgressStyleForStderr(quiet),
                            ExpectedPhaseCount(mode, *options));
  platform::SystemClock clock;
  platform::LocalFileAccess files;
  RunPrompter run_prompter(prompter);
  RunEnvironment env(run_prompter, view, clock, files, session.settings(),
                     session.app_folder());
  Generator generator(env, std::make_unique<SitePhases>());
  // The phase texts are the window's; the family count is worded here,
  // from the selection the run has made by the time the phase starts.
  const RunStatistics& statistics = generator.statistics();
  view.SetPhaseWording([&statistics](std::string_view text) {
    return TerminalPhaseText(text, statistics);
  });
  if (verbosity == Verbosity::kVerbose) {
    env.warnings().SetObserver([&view](const WarningLog::RaisedLine& raised) {
      view.PrintLine(WarningLineForTerminal(raised.category, raised.line));
    });
  }
  RunOutcome outcome =
      generator.Generate(mode, *options, session.option_set().path(), run_settings);
  view.Close();
  // The checks' messages (in the terminal's wording) said what to do.
  if (!outcome.started) return kExitUsage;
  return ReportRun(outcome, *options, statistics, env, verbosity);
}

}  // namespace vellix::cli
