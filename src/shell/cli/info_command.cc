// vellix info: the GEDCOM File Information of one file.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "gedcom/gedcom_reader.h"
#include "gedcom/record_store.h"
#include "options/options.h"
#include "platform/file_system.h"
#include "platform/settings_store.h"
#include "shell/cli/cli_session.h"
#include "shell/cli/command_line.h"
#include "shell/cli/commands.h"
#include "shell/cli/path_checks.h"
#include "shell/cli/terminal_prompter.h"
#include "shell/cli/usage_error.h"

namespace vellix::cli {
namespace {

void Line(const char* caption, const std::string& value) {
  std::printf("  %-16s %s\n", caption, value.c_str());
}

}  // namespace

int RunInfoCommand(const std::vector<std::string>& args) {
  CommandLine line({{'h', "help"}});
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
  if (platform::FileExists(session.option_set().path())) {
    const COptions& options = session.option_set().options();
    settings.medical_tag = options.m_strMedicalTag;
    settings.process_nonstandard_tags = options.m_bNonstandardTags;
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
  HeaderInfo header;
  const bool has_header = read && reader.ReadHeader(&header);
  reader.Close(false);
  if (!read) return kExitFailed;

  std::printf("GEDCOM File Information: %s\n", path.c_str());
  if (has_header) {
    std::printf("Created By\n");
    Line("Source ID:", header.sourceId);
    Line("Product:", header.sourceName);
    Line("Version:", header.sourceVersion);
    std::printf("Data\n");
    Line("Source:", header.sourceData);
    Line("Date:", header.sourceDataDate);
    Line("Destination ID:", header.destination);
    Line("Date:", header.date);
    Line("Original Name:", header.fileName);
    std::printf("GEDCOM Standard\n");
    Line("Version:", header.gedcomVersion);
    Line("Character Set:", header.characterSet);
    Line("Language:", header.language);
  } else {
    std::printf("(the file has no header)\n");
  }
  std::printf("Families:    %d\nIndividuals: %d\n", store.familyCount(),
              store.individualCount());
  return kExitDone;
}

}  // namespace vellix::cli
