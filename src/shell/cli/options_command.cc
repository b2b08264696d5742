#include "shell/cli/options_command.h"

#include <cstdio>
#include <optional>

#include "options/option_keys.h"
#include "options/options.h"
#include "platform/prompter.h"
#include "shell/cli/cli_session.h"
#include "shell/cli/command_line.h"
#include "shell/cli/commands.h"
#include "shell/cli/terminal_prompter.h"

namespace vellix::cli {
namespace {

constexpr char kResetQuestion[] =
    "\n\nThis action will reset every option of this options set to its "
    "default value.\n\nDo you want to reset all options?";

int BadUsage(const std::string& message) {
  std::fprintf(stderr, "vellix options: %s\n\n%s", message.c_str(),
               OptionsUsage().c_str());
  return kExitUsage;
}

// The current option set, or nullptr when its file did not load (the
// message has been shown).
COptions* LoadedOptions(CliSession& session) {
  COptions& options = session.option_set().options();
  return options.m_nLoadError == 0 ? &options : nullptr;
}

const options::Setting* KnownSetting(const std::string& key) {
  const options::Setting* setting = options::FindSetting(key);
  if (setting == nullptr) {
    std::fprintf(stderr,
                 "vellix options: unknown setting '%s' (see 'vellix options list')\n",
                 key.c_str());
  }
  return setting;
}

int Get(CliSession& session, const std::string& key) {
  const options::Setting* setting = KnownSetting(key);
  if (setting == nullptr) return kExitUsage;
  COptions* options = LoadedOptions(session);
  if (options == nullptr) return kExitUsage;
  std::printf("%s\n", options::SettingValue(*options, *setting).c_str());
  return kExitDone;
}

int Set(CliSession& session, const std::string& key, const std::string& value) {
  const options::Setting* setting = KnownSetting(key);
  if (setting == nullptr) return kExitUsage;
  COptions* options = LoadedOptions(session);
  if (options == nullptr) return kExitUsage;
  std::string error;
  if (!options::SetSettingValue(*options, *setting, value, &error)) {
    std::fprintf(stderr, "vellix options: %s\n", error.c_str());
    return kExitUsage;
  }
  return session.option_set().Save() ? kExitDone : kExitFailed;
}

int Reset(CliSession& session, platform::Prompter& prompter) {
  COptions* options = LoadedOptions(session);
  if (options == nullptr) return kExitUsage;
  if (!prompter.Ask(platform::MessageIcon::kQuestion,
                    session.option_set().path() + kResetQuestion, false)) {
    std::fputs("The options set was not changed.\n", stderr);
    return kExitDone;
  }
  options->SetDefaults();
  return session.option_set().Save() ? kExitDone : kExitFailed;
}

}  // namespace

std::string OptionsUsage() {
  return R"(Usage: vellix options COMMAND [--yes|--no]

Commands:
  path              show the path of the current option set file
  list              every setting: key, caption, value (tab-separated)
  get KEY           show one setting's value
  set KEY VALUE     change one setting and save the option set
  reset             put every setting back to its default (asks first)
  use FILE          make an existing option set file the current one
  new FILE          create a new option set file with defaults and use it
  help              this text

Keys are member names without "m_", for example strDestFolder, bCitations,
nDateWidth; array entries add an index: factInclude.49, factLabels.8,
customColors.0. Switches take yes/no (or 1/0, true/false, on/off).
  --yes, --no       answer every question in advance
)";
}

int RunOptionsCommand(const std::vector<std::string>& args) {
  CommandLine line({}, {"--yes", "--no"});
  std::string error;
  if (!line.Parse(args, &error)) return BadUsage(error);
  const std::vector<std::string>& words = line.positional();
  if (words.empty()) return BadUsage("name a command");
  const std::string& command = words[0];
  const size_t operands = words.size() - 1;

  std::optional<bool> answer;
  if (line.Has("--yes")) answer = true;
  if (line.Has("--no")) answer = false;
  TerminalPrompter prompter(answer, false);
  CliSession session(prompter);

  if (command == "help" && operands == 0) {
    std::fputs(OptionsUsage().c_str(), stdout);
    return kExitDone;
  }
  if (command == "path" && operands == 0) {
    std::printf("%s\n", session.option_set().path().c_str());
    return kExitDone;
  }
  if (command == "list" && operands == 0) {
    COptions* options = LoadedOptions(session);
    if (options == nullptr) return kExitUsage;
    std::fputs(options::SettingsListing(*options).c_str(), stdout);
    return kExitDone;
  }
  if (command == "get" && operands == 1) return Get(session, words[1]);
  if (command == "set" && operands == 2) return Set(session, words[1], words[2]);
  if (command == "reset" && operands == 0) return Reset(session, prompter);
  if ((command == "use" || command == "new") && operands == 1) {
    return session.option_set().Switch(words[1], command == "new") ? kExitDone
                                                                   : kExitUsage;
  }
  return BadUsage("unknown command or wrong number of words: " + command);
}

}  // namespace vellix::cli
