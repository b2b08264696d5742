// vellix info: the GEDCOM File Information of one file.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "gedcom/gedcom_reader.h"
#include "gedcom/record_store.h"
#include "model/gedcom_file_info.h"
#include "options/options.h"
#include "platform/file_system.h"
#include "platform/settings_store.h"
#include "shell/cli/cli_session.h"
#include "shell/cli/command_line.h"
#include "shell/cli/commands.h"
#include "shell/cli/info_report.h"
#include "shell/cli/path_checks.h"
#include "shell/cli/terminal_prompter.h"
#include "shell/cli/usage_error.h"

namespace vellix::cli {

int RunInfoCommand(const std::vector<std::string>& args) {
  CommandLine line({{'h', "help"}, {0, "json"}});
  std::string error;
  if (!line.Parse(args, &error)) return UsageError("info", error);
  if (line.Has("help")) {
    std::fputs(InfoUsage().c_str(), stdout);
    return kExitDone;
  }
  if (line.positional().size() != 1) return UsageError("info", "name one GEDCOM file");
  TerminalPrompter prompter(std::nullopt, Verbosity::kNormal);
  CliSession session(prompter);

  const std::string& path = line.positional()[0];
  const PathCheck check = CheckInputFile(path);
  if (check.problem == PathProblem::kIsDirectory ||
      check.problem == PathProblem::kNotRegularFile ||
      check.problem == PathProblem::kPermissionDenied) {
    return UsageError("info", DescribePathCheck(check));
  }
  if (check.problem != PathProblem::kNone) {
    prompter.Show(platform::MessageIcon::kStop,
                  path +
                      "\n\nThis input GEDCOM file does not exist or is not "
                      "accessible.\n\nVerify you have specified the file correctly.");
    return kExitUsage;
  }

  // The tag settings of the current option set, without creating one.
  ReaderSettings settings;
  std::string custom_tag;
  if (platform::FileExists(session.option_set().path())) {
    const COptions& options = session.option_set().options();
    settings.medical_tag = options.m_strMedicalTag;
    settings.process_nonstandard_tags = options.m_bNonstandardTags;
    custom_tag = options.m_strFamilyRefTag;
  }
  settings.support = platform::ReadSupportFlags(session.settings());

  // Reading a file leaves the last run's warnings.txt and logs alone.
  platform::NullProgressView no_progress;
  platform::SystemClock clock;
  platform::LocalFileAccess files;
  RunEnvironment env(prompter, no_progress, clock, files, session.settings(),
                     std::string());
  RecordStore store;
  GedcomReader reader(store, env);
  reader.SetSettings(settings);
  if (!reader.Open(path)) return kExitFailed;
  const bool read = reader.ReadPass(true, nullptr, nullptr);
  GedcomFileInfo info;
  if (read) info = GatherGedcomFileInfo(reader, store, custom_tag);
  reader.Close(false);
  if (!read) return kExitFailed;
  const std::string report =
      line.Has("json") ? InfoJson(path, info) : InfoText(path, info);
  std::fputs(report.c_str(), stdout);
  return kExitDone;
}

}  // namespace vellix::cli
