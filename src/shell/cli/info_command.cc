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
#include "shell/cli/commands.h"
#include "shell/cli/terminal_prompter.h"

namespace vellix::cli {
namespace {

void Line(const char* caption, const std::string& value) {
  std::printf("  %-16s %s\n", caption, value.c_str());
}

}  // namespace

int RunInfoCommand(const std::vector<std::string>& args) {
  if (args.size() == 1 && (args[0] == "-h" || args[0] == "--help")) {
    std::fputs(InfoUsage().c_str(), stdout);
    return kExitDone;
  }
  if (args.size() != 1) {
    std::fprintf(stderr, "vellix info: name one GEDCOM file\n\n%s", InfoUsage().c_str());
    return kExitUsage;
  }
  TerminalPrompter prompter(false, false);
  CliSession session(prompter);

  const std::string& path = args[0];
  if (!platform::FileExists(path)) {
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
