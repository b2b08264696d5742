// vellix generate: one generation run from the command line.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/generator.h"
#include "engine/site_phases.h"
#include "options/options.h"
#include "platform/app_paths.h"
#include "platform/file_system.h"
#include "run/warning_log.h"
#include "shell/cli/cli_session.h"
#include "shell/cli/command_line.h"
#include "shell/cli/commands.h"
#include "shell/cli/one_line.h"
#include "shell/cli/terminal_progress_view.h"
#include "shell/cli/terminal_prompter.h"

namespace vellix::cli {
namespace {

// An absolute native path for a path typed by the user.
std::string Absolute(const std::string& path) {
  std::error_code ec;
  std::filesystem::path p = std::filesystem::absolute(path, ec);
  return ec ? path : p.lexically_normal().string();
}

// The start page of the site: the first surname page.
std::string StartPage(const COptions& options) {
  std::string dest =
      platform::WithTrailingSlash(platform::NativePath(options.m_strDestFolder));
  if (options.m_bAltSurnameFile && !options.m_strAltSurnameFile.empty()) {
    return dest + platform::NativePath(options.m_strAltSurnameFile);
  }
  return dest + options.m_strFilePrefix + "main" + options.GetPageExtension();
}

// What the run made and where the user opens it.
void PrintWhereToLook(const COptions& options, const RunStatistics& statistics,
                      const std::string& app_folder) {
  uint64_t files = 0;
  for (uint32_t count : statistics.filesWritten) files += count;
  std::printf(
      "%d families and %d individuals in the file; %d family pages, %d index "
      "entries, %llu files written.\n",
      statistics.familyRecords, statistics.individualRecords, statistics.familiesSelected,
      statistics.indexEntries, static_cast<unsigned long long>(files));
  const std::string start = StartPage(options);
  if (platform::FileExists(start)) {
    std::printf("Open the site: %s\n", start.c_str());
  } else {
    std::printf("Site folder: %s\n",
                platform::NativePath(options.m_strDestFolder).c_str());
  }
  std::printf("Run log: %svx-summary.html (vellix view)\n", app_folder.c_str());
}

}  // namespace

int RunGenerateCommand(const std::vector<std::string>& args) {
  CommandLine line({"-o", "--out", "-m", "--mode", "--options"},
                   {"--yes", "--no", "-q", "--quiet", "-h", "--help"});
  std::string error;
  if (!line.Parse(args, &error) || line.positional().size() > 1) {
    if (error.empty()) error = "give at most one GEDCOM file";
    std::fprintf(stderr, "vellix generate: %s\n\n%s", error.c_str(),
                 GenerateUsage().c_str());
    return kExitUsage;
  }
  if (line.Has("-h") || line.Has("--help")) {
    std::fputs(GenerateUsage().c_str(), stdout);
    return kExitDone;
  }
  if (line.Has("--yes") && line.Has("--no")) {
    std::fprintf(stderr, "vellix generate: --yes and --no exclude each other\n");
    return kExitUsage;
  }
  GenerateMode mode = GenerateMode::kAll;
  if (auto text = line.Value("-m") ? line.Value("-m") : line.Value("--mode")) {
    auto parsed = ParseGenerateMode(*text);
    if (!parsed) {
      std::fprintf(stderr, "vellix generate: unknown mode '%s'\n\n%s", text->c_str(),
                   GenerateUsage().c_str());
      return kExitUsage;
    }
    mode = *parsed;
  }
  const bool quiet = line.Has("-q") || line.Has("--quiet");
  std::optional<bool> answer;
  if (line.Has("--yes")) answer = true;
  if (line.Has("--no")) answer = false;

  TerminalPrompter prompter(answer, quiet);
  CliSession session(prompter);

  if (auto file = line.Value("--options")) {
    if (!session.option_set().UseFileForThisRun(Absolute(*file))) return kExitUsage;
  }
  COptions* options = &session.option_set().options();
  // A file that is no option set was left untouched; its message was shown.
  if (options->m_nLoadError == 1) return kExitUsage;

  // Paths given here override the option set for this run only.
  if (!line.positional().empty()) {
    options->m_strGedcomFile = platform::StoredPath(Absolute(line.positional()[0]));
  }
  auto out = line.Value("-o") ? line.Value("-o") : line.Value("--out");
  if (out) {
    std::string dest = Absolute(*out);
    platform::CreateFolders(dest);
    options->m_strDestFolder = platform::StoredPath(platform::WithTrailingSlash(dest));
  }

  TerminalProgressView view(quiet);
  platform::SystemClock clock;
  platform::LocalFileAccess files;
  RunEnvironment env(prompter, view, clock, files, session.settings(),
                     session.app_folder());
  Generator generator(env, std::make_unique<SitePhases>());
  RunOutcome outcome = generator.Generate(mode, *options, session.option_set().path());
  view.Close();
  if (!outcome.started) {
    // The messages speak of the window's Options button; say how it is done
    // here.
    if (options->m_strGedcomFile.empty() || options->m_strDestFolder.empty()) {
      std::fprintf(stderr,
                   "vellix: name them on the command line (vellix generate GEDCOM -o "
                   "DEST) or in the option set (vellix options set strGedcomFile PATH, "
                   "vellix options set strDestFolder PATH).\n");
    }
    return kExitUsage;
  }

  std::printf("%s\n", OneLine(outcome.status_line).c_str());
  if (outcome.warnings > 0) {
    std::printf("%d warning%s: see %s\n", outcome.warnings,
                outcome.warnings == 1 ? "" : "s", env.warnings().path().c_str());
  }
  if (!quiet) PrintWhereToLook(*options, generator.statistics(), session.app_folder());
  if (outcome.cancelled) return kExitCancelled;
  return outcome.success ? kExitDone : kExitFailed;
}

}  // namespace vellix::cli
